#include "companions/win32/gallery/thumbnail_grid.h"

#include <algorithm>

#include <commctrl.h>
#include <windowsx.h>

#include "companions/win32/gallery/picture_file.h"
#include "companions/win32/support/buffered_paint.h"
#include "companions/win32/support/dpi.h"
#include "companions/win32/support/window_instance.h"
#include "model/path_helpers.h"
#include "platform/win32/wide_text.h"

namespace orv::companions {

namespace {

constexpr wchar_t ClassName[] = L"OrvantoGalleryGrid";
constexpr int AutoThumbHeight = 120;

Gdiplus::Color withAlpha(COLORREF colour, BYTE alpha)
{
    return Gdiplus::Color(alpha, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

void fillRounded(Gdiplus::Graphics& g, const RECT& r, int radius, const Gdiplus::Color& colour)
{
    const int d = radius * 2;
    Gdiplus::GraphicsPath path;
    path.AddArc(static_cast<int>(r.left), r.top, d, d, 180, 90);
    path.AddArc(static_cast<int>(r.right - d - 1), r.top, d, d, 270, 90);
    path.AddArc(static_cast<int>(r.right - d - 1), r.bottom - d - 1, d, d, 0, 90);
    path.AddArc(static_cast<int>(r.left), r.bottom - d - 1, d, d, 90, 90);
    path.CloseFigure();
    Gdiplus::SolidBrush brush(colour);
    g.FillPath(&brush, &path);
}

// The text shortened in the middle to fit width ("holiday…beach.jpg"), so that the start of
// a file name and its extension stay readable.
std::wstring elideMiddle(HDC dc, const std::wstring& text, int width)
{
    auto fits = [&](const std::wstring& t) {
        SIZE size{};
        GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &size);
        return size.cx <= width;
    };
    if (fits(text))
        return text;
    auto shortened = [&](std::size_t keep) {
        return text.substr(0, (keep + 1) / 2) + L"\x2026" + text.substr(text.size() - keep / 2);
    };
    std::size_t low = 0, high = text.size();  // the most characters kept that still fit
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (fits(shortened(mid)))
            low = mid;
        else
            high = mid - 1;
    }
    return shortened(low);
}

}  // namespace

ThumbnailGrid::ThumbnailGrid(const PictureGalleryData& data, const std::vector<std::string>& pictures,
                             OpenPicture open)
    : data_(data), pictures_(pictures), open_(std::move(open)), thumbnails_(pictures.size())
{
}

ThumbnailGrid::~ThumbnailGrid()
{
    if (font_)
        DeleteObject(font_);
}

HWND ThumbnailGrid::create(HWND parent, HINSTANCE instance)
{
    win32::registerOwnerClass<ThumbnailGrid>(instance, ClassName, LoadCursorW(nullptr, IDC_HAND), 0);
    CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, 0, 0, 0, 0, parent, nullptr,
                    instance, this);
    if (!window_)
        return nullptr;

    // One tool over the whole grid whose text follows the picture under the mouse.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const DWORD tipStyle = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_NOFADE | TTS_NOANIMATE;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, tipStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = 1;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return window_;
}

void ThumbnailGrid::setHot(int index)
{
    if (index == hot_)
        return;
    hot_ = index;
    InvalidateRect(window_, nullptr, FALSE);
    if (tip_)
        SendMessageW(tip_, TTM_POP, 0, 0);  // the next tip asks for the new text
}

void ThumbnailGrid::hotFromCursor()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    RECT client;
    GetClientRect(window_, &client);
    setHot(tracking_ && PtInRect(&client, point) ? itemAt(point) : -1);
}

void ThumbnailGrid::setDpi(UINT dpi)
{
    dpi_ = dpi;
    if (font_)
        DeleteObject(font_);
    font_ = win32::createMessageFont(dpi);
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    fontHeight_ = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    for (Thumbnail& t : thumbnails_)
        t = Thumbnail{};
    updateScrollBar();
    InvalidateRect(window_, nullptr, FALSE);
}

SIZE ThumbnailGrid::box() const
{
    const int height = win32::scaled(galleryThumbnailHeight(data_, AutoThumbHeight), dpi_);
    return {height * 4 / 3, height};  // about 4:3 landscape
}

int ThumbnailGrid::cellHeight() const
{
    const int label = data_.showTextLabels ? fontHeight_ + win32::scaled(6, dpi_) : 0;
    return box().cy + label + win32::scaled(24, dpi_);
}

int ThumbnailGrid::columns() const
{
    RECT client;
    GetClientRect(window_, &client);
    return std::max(1, static_cast<int>(client.right) / static_cast<int>(box().cx + win32::scaled(24, dpi_)));
}

int ThumbnailGrid::cellWidth() const
{
    // Spread the columns over the whole width instead of leaving a gap on the right.
    RECT client;
    GetClientRect(window_, &client);
    return std::max(static_cast<int>(box().cx + win32::scaled(24, dpi_)), static_cast<int>(client.right) / columns());
}

RECT ThumbnailGrid::itemRect(int index) const
{
    const int cols = columns(), w = cellWidth(), h = cellHeight();
    const int left = (index % cols) * w, top = (index / cols) * h - scrollY_;
    const int itemWidth = box().cx + win32::scaled(8, dpi_), itemHeight = h - win32::scaled(16, dpi_);
    const int x = left + (w - itemWidth) / 2, y = top + (h - itemHeight) / 2;
    return {x, y, x + itemWidth, y + itemHeight};
}

int ThumbnailGrid::itemAt(POINT point) const
{
    if (point.x < 0 || point.y < 0)
        return -1;
    const int column = point.x / cellWidth(), row = (point.y + scrollY_) / cellHeight();
    if (column >= columns())
        return -1;
    const int index = row * columns() + column;
    if (index >= count())
        return -1;
    const RECT r = itemRect(index);
    return PtInRect(&r, point) ? index : -1;
}

void ThumbnailGrid::updateScrollBar()
{
    RECT client;
    GetClientRect(window_, &client);
    const int rows = (count() + columns() - 1) / columns();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = std::max(0, rows * cellHeight() - 1);
    info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    scrollTo(scrollY_);
}

void ThumbnailGrid::scrollTo(int y)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(window_, SB_VERT, &info);
    const int top = std::clamp(y, 0, std::max(0, info.nMax + 1 - static_cast<int>(info.nPage)));
    if (top != scrollY_) {
        scrollY_ = top;
        InvalidateRect(window_, nullptr, FALSE);
        hotFromCursor();  // another picture is under the mouse now
    }
    SetScrollPos(window_, SB_VERT, scrollY_, TRUE);
}

void ThumbnailGrid::select(int index)
{
    if (index < 0 || index >= count())
        return;
    selected_ = index;
    RECT client;
    GetClientRect(window_, &client);
    const int h = cellHeight(), top = (index / columns()) * h;
    if (top < scrollY_)
        scrollTo(top);
    else if (top + h > scrollY_ + client.bottom)
        scrollTo(top + h - client.bottom);
    InvalidateRect(window_, nullptr, FALSE);
}

void ThumbnailGrid::onKey(WPARAM key)
{
    if (key == VK_ESCAPE) {
        PostMessageW(GetParent(window_), WM_CLOSE, 0, 0);
        return;
    }
    if (count() == 0)
        return;
    if ((key == VK_RETURN || key == VK_SPACE) && selected_ >= 0) {
        open_(selected_);
        return;
    }
    const int cols = columns(), last = count() - 1;
    if (selected_ < 0) {  // the first key only shows where the choice starts
        if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_HOME ||
            key == VK_RETURN || key == VK_SPACE)
            select(0);
        else if (key == VK_END)
            select(last);
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    const int page = cols * std::max(1, static_cast<int>(client.bottom) / cellHeight());
    switch (key) {
    case VK_LEFT: select(std::max(0, selected_ - 1)); break;
    case VK_RIGHT: select(std::min(last, selected_ + 1)); break;
    case VK_UP:
        if (selected_ >= cols)
            select(selected_ - cols);
        break;
    case VK_DOWN:
        if (selected_ / cols < last / cols)  // a shorter last row takes its last picture
            select(std::min(last, selected_ + cols));
        break;
    case VK_HOME: select(0); break;
    case VK_END: select(last); break;
    case VK_PRIOR: select(std::max(selected_ % cols, selected_ - page)); break;
    case VK_NEXT: select(std::min(last, selected_ + page)); break;
    default: break;
    }
}

void ThumbnailGrid::paint()
{
    win32::BufferedPaint paint(window_);
    HDC dc = paint.dc();
    const RECT& client = paint.client();
    HBRUSH back = CreateSolidBrush(data_.backColour);
    FillRect(dc, &client, back);
    DeleteObject(back);

    const int h = cellHeight(), cols = columns();
    const int first = (scrollY_ / h) * cols;
    const int end = std::min(count(), ((scrollY_ + static_cast<int>(client.bottom)) / h + 1) * cols);
    {
        // The pictures first; GDI+ must be done with the device context before GDI
        // writes the texts on it.
        Gdiplus::Graphics g(dc);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        for (int i = first; i < end; ++i)
            paintPicture(g, i);
    }
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, data_.textColour);
    for (int i = first; i < end; ++i)
        paintText(dc, i);
    SelectObject(dc, oldFont);
}

RECT ThumbnailGrid::pictureSpace(int index) const
{
    const RECT item = itemRect(index);
    const int pad = win32::scaled(4, dpi_);
    const SIZE area = box();
    return {item.left + pad, item.top + pad, item.left + pad + area.cx, item.top + pad + area.cy};
}

void ThumbnailGrid::paintPicture(Gdiplus::Graphics& g, int index)
{
    if (index == selected_ || index == hot_)
        fillRounded(g, itemRect(index), win32::scaled(4, dpi_),
                    withAlpha(RGB(128, 128, 128), index == selected_ ? 120 : 70));

    Thumbnail& thumb = thumbnails_[static_cast<std::size_t>(index)];
    if (!thumb.read) {
        thumb.bitmap = loadPicture(pictures_[static_cast<std::size_t>(index)], box());
        thumb.read = true;
    }
    const RECT space = pictureSpace(index);
    const int areaWidth = space.right - space.left, areaHeight = space.bottom - space.top;
    if (thumb.bitmap) {
        const int w = static_cast<int>(thumb.bitmap->GetWidth()), hgt = static_cast<int>(thumb.bitmap->GetHeight());
        g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);  // already at its size
        g.DrawImage(thumb.bitmap.get(),
                    Gdiplus::Rect(space.left + (areaWidth - w) / 2, space.top + (areaHeight - hgt) / 2, w, hgt));
    } else {
        // A stand-in for a file that cannot be shown as a picture (its "?" is a text).
        Gdiplus::Pen pen(withAlpha(data_.textColour, 255), 1.0f);
        pen.SetDashStyle(Gdiplus::DashStyleDash);
        g.DrawRectangle(&pen, static_cast<int>(space.left), space.top, areaWidth - 1, areaHeight - 1);
    }
}

void ThumbnailGrid::paintText(HDC dc, int index)
{
    RECT space = pictureSpace(index);
    if (!thumbnails_[static_cast<std::size_t>(index)].bitmap)
        DrawTextW(dc, L"?", 1, &space, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (data_.showTextLabels) {
        const RECT item = itemRect(index);
        RECT label{item.left + 2, space.bottom + win32::scaled(3, dpi_), item.right - 2, item.bottom};
        const std::wstring name = elideMiddle(
            dc, platform::widen(FileNamePart(pictures_[static_cast<std::size_t>(index)])), label.right - label.left);
        DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &label,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT ThumbnailGrid::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        window_ = window;
        break;
    case WM_CREATE:
        setDpi(win32::windowDpi(window));
        return 0;
    case WM_SIZE:
        updateScrollBar();
        InvalidateRect(window, nullptr, FALSE);
        if (tip_) {
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = window;
            tool.uId = 1;
            GetClientRect(window, &tool.rect);
            SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        return 0;
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info->hdr.hwndFrom == tip_ && info->hdr.code == TTN_GETDISPINFOW) {
            tipText_.clear();
            if (hot_ >= 0) {
                const std::size_t i = static_cast<std::size_t>(hot_);
                const std::string name = FileNamePart(pictures_[i]);
                const bool unreadable = thumbnails_[i].read && !thumbnails_[i].bitmap;
                tipText_ = platform::widen(unreadable ? name + " cannot be shown" : name);
            }
            info->lpszText = tipText_.data();
            info->szText[0] = L'\0';
            info->hinst = nullptr;
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_VSCROLL: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(window, SB_VERT, &info);
        const int line = cellHeight() / 4, page = static_cast<int>(info.nPage);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: scrollTo(scrollY_ - line); break;
        case SB_LINEDOWN: scrollTo(scrollY_ + line); break;
        case SB_PAGEUP: scrollTo(scrollY_ - page); break;
        case SB_PAGEDOWN: scrollTo(scrollY_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: scrollTo(info.nTrackPos); break;
        case SB_TOP: scrollTo(0); break;
        case SB_BOTTOM: scrollTo(info.nMax); break;
        default: break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL:
        scrollTo(scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) * cellHeight() / (2 * WHEEL_DELTA));
        return 0;
    case WM_MOUSEMOVE: {
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        setHot(itemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        setHot(-1);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        pressed_ = itemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        select(pressed_);
        return 0;
    case WM_LBUTTONUP: {
        const int index = itemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        const bool clicked = index >= 0 && index == pressed_;
        pressed_ = -1;
        if (clicked)
            open_(index);
        return 0;
    }
    case WM_KEYDOWN:
        onKey(wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace orv::companions
