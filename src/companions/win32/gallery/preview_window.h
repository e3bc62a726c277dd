// The gallery's preview window: one picture scaled to fit (never enlarged), its name, and,
// when the data file allows browsing, the previous and next buttons (also the arrow keys).
// The gallery stays disabled while the preview is open; Escape or Close ends it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "companions/gallery_data.h"

namespace orv::companions {

class PreviewWindow {
public:
    PreviewWindow(const PictureGalleryData& data, const std::vector<std::string>& pictures, int index);
    ~PreviewWindow();

    // Shows the window in front of owner and disables owner until it closes.
    bool open(HWND owner, HINSTANCE instance);
    bool isOpen() const { return window_ != nullptr; }

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void showPicture(int index);
    void setDpi(UINT dpi);
    void layout();
    void paint();
    void close();
    COLORREF backColour() const;
    COLORREF textColour() const;

    const PictureGalleryData& data_;
    const std::vector<std::string>& pictures_;
    int index_ = 0;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    HWND previous_ = nullptr;
    HWND next_ = nullptr;
    HWND close_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> picture_;  // the picture, at most screen sized
    std::unique_ptr<Gdiplus::Bitmap> shown_;    // scaled to the window's current room
    RECT room_{};                               // where the picture goes
    RECT nameRect_{};
};

}  // namespace orv::companions
