#include "companions/win32/gallery/gallery_window.h"

#include <algorithm>

#include <windowsx.h>

#include "companions/win32/support/buffered_paint.h"
#include "companions/win32/support/dpi.h"
#include "companions/win32/support/message_box.h"
#include "companions/win32/support/window_instance.h"
#include "model/file_io.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/win32/wide_text.h"

namespace orv::companions {

namespace {

constexpr wchar_t ClassName[] = L"OrvantoPictureGallery";
constexpr int CloseButtonId = 100;
constexpr int DefaultWidth = 760;
constexpr int DefaultHeight = 560;

SIZE textSize(HDC dc, HFONT font, const std::wstring& text)
{
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size;
}

void drawText(HDC dc, HFONT font, const std::string& text, RECT r, UINT format)
{
    const std::wstring wide = platform::widen(text);
    const HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format | DT_NOPREFIX);
    SelectObject(dc, old);
}

std::string countText(std::size_t count)
{
    return count == 1 ? "1 picture" : std::to_string(count) + " pictures";
}

}  // namespace

GalleryWindow::GalleryWindow(PictureGalleryData data, std::string folder)
    : data_(std::move(data)),
      folder_(std::move(folder)),
      pictures_(listGalleryPictures(folder_, data_.extension)),
      grid_(data_, pictures_, [this](int index) { openPicture(index); })
{
}

GalleryWindow::~GalleryWindow()
{
    preview_.reset();
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(headingFont_),
                           static_cast<HGDIOBJ>(linkFont_), static_cast<HGDIOBJ>(backBrush_)})
        if (object)
            DeleteObject(object);
}

bool GalleryWindow::create(HINSTANCE instance, int show)
{
    instance_ = instance;
    backBrush_ = CreateSolidBrush(data_.backColour);
    if (!win32::registerOwnerClass<GalleryWindow>(instance, ClassName, LoadCursorW(nullptr, IDC_ARROW)))
        return false;

    // Centred on the screen with the mouse (where the menu was clicked). The data file gives
    // the size of the inside of the window at 100 %.
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    auto frameAt = [&](UINT dpi) {
        RECT frame{0, 0, win32::scaled(data_.width > 0 ? std::max(data_.width, 240) : DefaultWidth, dpi),
                   win32::scaled(data_.height > 0 ? std::max(data_.height, 180) : DefaultHeight, dpi)};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        const int width = std::min<int>(frame.right - frame.left, work.right - work.left);
        const int height = std::min<int>(frame.bottom - frame.top, work.bottom - work.top);
        const int x = work.left + (work.right - work.left - width) / 2;
        const int y = work.top + (work.bottom - work.top - height) / 2;
        return RECT{x, y, x + width, y + height};
    };
    const UINT systemDpi = win32::windowDpi(nullptr);
    const RECT frame = frameAt(systemDpi);
    CreateWindowExW(0, ClassName, platform::widen(data_.title).c_str(), style, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (!window_)
        return false;
    if (dpi_ != systemDpi) {  // a screen with a scale of its own
        const RECT scaledFrame = frameAt(dpi_);
        SetWindowPos(window_, nullptr, scaledFrame.left, scaledFrame.top, scaledFrame.right - scaledFrame.left,
                     scaledFrame.bottom - scaledFrame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window_, show);
    UpdateWindow(window_);
    return true;
}

void GalleryWindow::setDpi(UINT dpi)
{
    dpi_ = dpi;
    for (HFONT* font : {&font_, &headingFont_, &linkFont_})
        if (*font)
            DeleteObject(*font);
    font_ = win32::createMessageFont(dpi);
    headingFont_ = win32::createMessageFont(dpi, 5, FW_BOLD);
    LOGFONTW link{};
    GetObjectW(font_, sizeof link, &link);
    link.lfUnderline = TRUE;
    linkFont_ = CreateFontIndirectW(&link);
    if (closeButton_)
        SendMessageW(closeButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (grid_.window())
        grid_.setDpi(dpi);
    layout();
}

void GalleryWindow::layout()
{
    RECT client;
    GetClientRect(window_, &client);
    const int margin = win32::scaled(12, dpi_), gap = win32::scaled(8, dpi_);
    HDC dc = GetDC(window_);
    const SIZE heading = textSize(dc, headingFont_, L"Ag");
    const SIZE closeText = textSize(dc, font_, platform::widen(data_.closeText));
    const SIZE line = textSize(dc, font_, L"Ag");
    ReleaseDC(window_, dc);

    headingRect_ = {margin, margin, client.right - margin, margin + heading.cy};
    const int barHeight = closeButton_ ? win32::scaled(26, dpi_) : line.cy;
    const int barTop = client.bottom - win32::scaled(10, dpi_) - barHeight;
    if (closeButton_) {
        const int width = std::max(win32::scaled(88, dpi_), static_cast<int>(closeText.cx) + win32::scaled(24, dpi_));
        closeRect_ = {client.right - margin - width, barTop, client.right - margin, barTop + barHeight};
        MoveWindow(closeButton_, closeRect_.left, closeRect_.top, width, barHeight, TRUE);
    } else {
        closeRect_ = {client.right - margin - closeText.cx, barTop, client.right - margin, barTop + barHeight};
    }
    countRect_ = {margin, barTop, closeRect_.left - gap, barTop + barHeight};

    const LONG gridTop = headingRect_.bottom + gap;
    const RECT gridRect{margin, gridTop, client.right - margin, std::max<LONG>(gridTop, barTop - gap)};
    emptyRect_ = gridRect;
    MoveWindow(grid_.window(), gridRect.left, gridRect.top, gridRect.right - gridRect.left,
               gridRect.bottom - gridRect.top, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void GalleryWindow::paint()
{
    win32::BufferedPaint paint(window_);
    HDC dc = paint.dc();
    FillRect(dc, &paint.client(), backBrush_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, data_.textColour);
    drawText(dc, headingFont_, data_.title, headingRect_, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (pictures_.empty())
        drawText(dc, font_, "There are no pictures in this folder.", emptyRect_,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    drawText(dc, font_, countText(pictures_.size()), countRect_, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!closeButton_)
        drawText(dc, linkFont_, data_.closeText, closeRect_, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

bool GalleryWindow::overCloseLabel(POINT point) const
{
    return !closeButton_ && PtInRect(&closeRect_, point);
}

void GalleryWindow::openPicture(int index)
{
    if (index < 0 || index >= static_cast<int>(pictures_.size()))
        return;
    const GalleryClick click = galleryClick(data_, pictures_[static_cast<std::size_t>(index)]);
    if (click.preview) {
        preview_ = std::make_unique<PreviewWindow>(data_, pictures_, index);
        preview_->open(window_, instance_);
        return;
    }
    if (!FileExists(click.openTarget)) {
        win32::messageBox(window_, "The file \"" + click.openTarget + "\" was not found.", data_.title,
                          MB_OK | MB_ICONWARNING);
        return;
    }
    if (!platform::services().shell->ShellOpen(click.openTarget))
        win32::messageBox(window_, "\"" + click.openTarget + "\" could not be opened on this system.", data_.title,
                          MB_OK | MB_ICONWARNING);
}

LRESULT GalleryWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        window_ = window;
        break;
    case WM_CREATE:
        grid_.create(window, instance_);
        ShowWindow(grid_.window(), pictures_.empty() ? SW_HIDE : SW_SHOW);
        if (data_.showCloseButton)
            closeButton_ = CreateWindowExW(0, L"BUTTON", platform::widen(data_.closeText).c_str(),
                                           WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, window,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(CloseButtonId)), instance_,
                                           nullptr);
        setDpi(win32::windowDpi(window));
        return 0;
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
        if (LOWORD(wParam) == CloseButtonId)
            PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETCURSOR: {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(window, &point);
        if (reinterpret_cast<HWND>(wParam) == window && overCloseLabel(point)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONUP:
        if (overCloseLabel({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETFOCUS:
        if (!pictures_.empty())
            SetFocus(grid_.window());
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {win32::scaled(240, dpi_), win32::scaled(180, dpi_)};
        return 0;
    }
    case WM_DPICHANGED:
        setDpi(win32::followDpiChange(window, wParam, lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace orv::companions
