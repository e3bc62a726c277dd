#include "companions/win32/support/buffered_paint.h"

namespace orv::win32 {

BufferedPaint::BufferedPaint(HWND window) : window_(window)
{
    screen_ = BeginPaint(window, &paint_);
    GetClientRect(window, &client_);
    const int width = client_.right > 0 ? client_.right : 1;
    const int height = client_.bottom > 0 ? client_.bottom : 1;
    memory_ = CreateCompatibleDC(screen_);
    bitmap_ = CreateCompatibleBitmap(screen_, width, height);
    oldBitmap_ = SelectObject(memory_, bitmap_);
}

BufferedPaint::~BufferedPaint()
{
    const RECT& r = paint_.rcPaint;
    BitBlt(screen_, r.left, r.top, r.right - r.left, r.bottom - r.top, memory_, r.left, r.top, SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    EndPaint(window_, &paint_);
}

}  // namespace orv::win32
