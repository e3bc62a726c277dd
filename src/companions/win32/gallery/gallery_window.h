// The picture gallery's main window: a heading with the title, the grid of thumbnails,
// and below it the number of pictures and a close button or a clickable close label, in
// the colours, size and texts of VTPictureGallery.dat. A picture that is opened is
// previewed or handed to Windows, as the data file says.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "companions/gallery_data.h"
#include "companions/win32/gallery/preview_window.h"
#include "companions/win32/gallery/thumbnail_grid.h"

namespace orv::companions {

class GalleryWindow {
public:
    GalleryWindow(PictureGalleryData data, std::string folder);
    ~GalleryWindow();

    bool create(HINSTANCE instance, int show);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void openPicture(int index);
    void setDpi(UINT dpi);
    void layout();
    void paint();
    bool overCloseLabel(POINT point) const;

    PictureGalleryData data_;
    std::string folder_;
    std::vector<std::string> pictures_;
    ThumbnailGrid grid_;
    std::unique_ptr<PreviewWindow> preview_;
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HWND closeButton_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    HFONT headingFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    RECT headingRect_{};
    RECT countRect_{};
    RECT closeRect_{};  // the close label or button
    RECT emptyRect_{};
};

}  // namespace orv::companions
