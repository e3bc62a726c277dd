// The gallery's grid of thumbnails: a child window that scrolls vertically, spreads its
// columns over the whole width, and lets the user choose a picture with the mouse or the
// keyboard (arrows, Home, End, Page Up, Page Down; Enter or a click opens it, Escape
// closes the gallery). Thumbnails are read when they first come into view; a file that
// cannot be read shows a placeholder. A tooltip names the picture under the mouse.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "companions/gallery_data.h"

namespace orv::companions {

class ThumbnailGrid {
public:
    using OpenPicture = std::function<void(int index)>;

    ThumbnailGrid(const PictureGalleryData& data, const std::vector<std::string>& pictures, OpenPicture open);
    ~ThumbnailGrid();

    HWND create(HWND parent, HINSTANCE instance);
    HWND window() const { return window_; }

    // Measures and fonts for the screen's DPI; thumbnails are read again at the new size.
    void setDpi(UINT dpi);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Thumbnail {
        bool read = false;
        std::unique_ptr<Gdiplus::Bitmap> bitmap;  // null: cannot be shown
    };

    int count() const { return static_cast<int>(pictures_.size()); }
    SIZE box() const;  // the space of one thumbnail
    int columns() const;
    int cellWidth() const;
    int cellHeight() const;
    RECT itemRect(int index) const;  // in client coordinates, scrolled
    int itemAt(POINT point) const;
    void updateScrollBar();
    void scrollTo(int y);
    void select(int index);
    void setHot(int index);  // the picture under the mouse; -1 for none
    void hotFromCursor();
    void onKey(WPARAM key);
    RECT pictureSpace(int index) const;  // where the thumbnail goes
    void paint();
    void paintPicture(Gdiplus::Graphics& g, int index);
    void paintText(HDC dc, int index);

    const PictureGalleryData& data_;
    const std::vector<std::string>& pictures_;
    OpenPicture open_;
    HWND window_ = nullptr;
    HWND tip_ = nullptr;      // the tooltip naming the picture under the mouse
    std::wstring tipText_;    // what it shows
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    int fontHeight_ = 16;
    std::vector<Thumbnail> thumbnails_;
    int selected_ = -1;
    int hot_ = -1;
    int pressed_ = -1;
    int scrollY_ = 0;
    bool tracking_ = false;
};

}  // namespace orv::companions
