#include "companions/win32/gallery/preview_window.h"

#include <algorithm>

#include "companions/win32/gallery/picture_file.h"
#include "companions/win32/support/buffered_paint.h"
#include "companions/win32/support/dpi.h"
#include "companions/win32/support/window_instance.h"
#include "model/path_helpers.h"
#include "platform/win32/wide_text.h"

namespace orv::companions {

namespace {

constexpr wchar_t ClassName[] = L"OrvantoGalleryPreview";
enum : int { PreviousId = 101, NextId, CloseId };

int textWidth(HWND window, HFONT font, const std::wstring& text)
{
    HDC dc = GetDC(window);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

}  // namespace

PreviewWindow::PreviewWindow(const PictureGalleryData& data, const std::vector<std::string>& pictures, int index)
    : data_(data), pictures_(pictures), index_(index)
{
}

PreviewWindow::~PreviewWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (font_)
        DeleteObject(font_);
    if (backBrush_)
        DeleteObject(backBrush_);
}

COLORREF PreviewWindow::backColour() const
{
    return data_.previewUsesColours ? data_.backColour : GetSysColor(COLOR_BTNFACE);
}

COLORREF PreviewWindow::textColour() const
{
    return data_.previewUsesColours ? data_.textColour : GetSysColor(COLOR_BTNTEXT);
}

bool PreviewWindow::open(HWND owner, HINSTANCE instance)
{
    owner_ = owner;
    win32::registerOwnerClass<PreviewWindow>(instance, ClassName, LoadCursorW(nullptr, IDC_ARROW));
    backBrush_ = CreateSolidBrush(backColour());

    // Centred on the gallery's screen, at most four fifths of it.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const UINT dpi = win32::windowDpi(owner);
    const int width = std::min(win32::scaled(900, dpi), static_cast<int>(work.right - work.left) * 4 / 5);
    const int height = std::min(win32::scaled(700, dpi), static_cast<int>(work.bottom - work.top) * 4 / 5);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;

    CreateWindowExW(0, ClassName, platform::widen(data_.previewTitle).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    x, y, width, height, owner, nullptr, instance, this);
    if (!window_)
        return false;
    EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    return true;
}

void PreviewWindow::close()
{
    // The owner is enabled first so that Windows gives it the focus back.
    EnableWindow(owner_, TRUE);
    DestroyWindow(window_);
}

void PreviewWindow::setDpi(UINT dpi)
{
    dpi_ = dpi;
    if (font_)
        DeleteObject(font_);
    font_ = win32::createMessageFont(dpi);
    for (HWND button : {previous_, next_, close_})
        if (button)
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    layout();
}

void PreviewWindow::showPicture(int index)
{
    if (pictures_.empty())
        return;
    index_ = std::clamp(index, 0, static_cast<int>(pictures_.size()) - 1);
    // Read at most at the size of the whole desktop: the window never shows more.
    const SIZE limit{std::max(GetSystemMetrics(SM_CXVIRTUALSCREEN), 640),
                     std::max(GetSystemMetrics(SM_CYVIRTUALSCREEN), 480)};
    picture_ = loadPicture(pictures_[static_cast<std::size_t>(index_)], limit);
    shown_.reset();
    if (previous_) {
        EnableWindow(previous_, index_ > 0);
        EnableWindow(next_, index_ + 1 < static_cast<int>(pictures_.size()));
    }
    InvalidateRect(window_, nullptr, FALSE);
}

void PreviewWindow::layout()
{
    RECT client;
    GetClientRect(window_, &client);
    const int margin = win32::scaled(11, dpi_), gap = win32::scaled(6, dpi_);
    const int buttonHeight = win32::scaled(26, dpi_);
    const int buttonTop = client.bottom - margin - buttonHeight;
    auto width = [&](HWND button) {
        wchar_t text[256] = {};
        GetWindowTextW(button, text, 256);
        return std::max(win32::scaled(88, dpi_), textWidth(window_, font_, text) + win32::scaled(24, dpi_));
    };
    int x = margin;
    for (HWND button : {previous_, next_}) {
        if (!button)
            continue;
        const int w = width(button);
        MoveWindow(button, x, buttonTop, w, buttonHeight, TRUE);
        x += w + gap;
    }
    const int closeWidth = width(close_);
    MoveWindow(close_, client.right - margin - closeWidth, buttonTop, closeWidth, buttonHeight, TRUE);

    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    nameRect_ = {margin, buttonTop - gap - metrics.tmHeight, client.right - margin, buttonTop - gap};
    room_ = {margin, margin, client.right - margin, std::max<LONG>(margin, nameRect_.top - gap)};
    shown_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

void PreviewWindow::paint()
{
    win32::BufferedPaint paint(window_);
    HDC dc = paint.dc();
    FillRect(dc, &paint.client(), backBrush_);

    const std::string& file = pictures_[static_cast<std::size_t>(index_)];
    if (picture_) {
        const SIZE room{room_.right - room_.left, room_.bottom - room_.top};
        const SIZE full{static_cast<LONG>(picture_->GetWidth()), static_cast<LONG>(picture_->GetHeight())};
        const SIZE fit = fitWithin(full, room);
        if (!shown_ && (fit.cx != full.cx || fit.cy != full.cy))
            shown_ = scaledCopy(*picture_, fit);
        Gdiplus::Bitmap* bitmap = shown_ ? shown_.get() : picture_.get();
        Gdiplus::Graphics g(dc);
        g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);  // already at its size
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        g.DrawImage(bitmap, Gdiplus::Rect(room_.left + (room.cx - fit.cx) / 2, room_.top + (room.cy - fit.cy) / 2,
                                          fit.cx, fit.cy));
    }

    const std::string name = FileNamePart(file);
    const std::wstring text = platform::widen(picture_ ? name : name + " cannot be shown");
    const HGDIOBJ old = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour());
    RECT r = nameRect_;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    SelectObject(dc, old);
}

LRESULT PreviewWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        window_ = window;
        break;
    case WM_CREATE: {
        auto button = [&](const std::string& text, int id) {
            return CreateWindowExW(0, L"BUTTON", platform::widen(text).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                   0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
        };
        if (data_.allowBrowse) {
            previous_ = button(data_.previousText, PreviousId);
            next_ = button(data_.nextText, NextId);
        }
        close_ = button(data_.closeText, CloseId);
        setDpi(win32::windowDpi(window));
        showPicture(index_);
        return 0;
    }
    case WM_SIZE:
        layout();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(backBrush_);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case PreviousId: showPicture(index_ - 1); break;
        case NextId: showPicture(index_ + 1); break;
        case CloseId: close(); return 0;
        default: break;
        }
        SetFocus(window);  // the keys keep working after a click on a button
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_RETURN)
            close();
        else if (data_.allowBrowse && wParam == VK_LEFT)
            showPicture(index_ - 1);
        else if (data_.allowBrowse && wParam == VK_RIGHT)
            showPicture(index_ + 1);
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {win32::scaled(320, dpi_), win32::scaled(240, dpi_)};
        return 0;
    }
    case WM_DPICHANGED:
        setDpi(win32::followDpiChange(window, wParam, lParam));
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace orv::companions
