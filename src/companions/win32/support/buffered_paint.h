// Flicker-free painting in WM_PAINT: the window is drawn into a bitmap of its client size,
// which is copied onto the screen in one step when the object goes.
#pragma once

#include <windows.h>

namespace orv::win32 {

class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC dc() const { return memory_; }
    const RECT& client() const { return client_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    RECT client_{};
};

}  // namespace orv::win32
