// Sharp windows on high-resolution screens: the process declares itself aware of each
// screen's DPI, and windows scale their measures by the DPI of the screen they are on.
#pragma once

#include <windows.h>

namespace orv::win32 {

// Declares per-monitor DPI awareness (version 2 where Windows has it, else the older
// forms), so that Windows does not stretch the windows as bitmaps. Call before the first
// window is made. The programs' manifests say the same; this also holds without them.
void enableDpiAwareness();

// The DPI of the screen the window is on (96 is 100 %).
UINT windowDpi(HWND window);

// A measure given at 96 DPI scaled to dpi.
inline int scaled(int value, UINT dpi)
{
    return MulDiv(value, static_cast<int>(dpi), 96);
}

// WM_DPICHANGED: moves the window to the place and size Windows suggests for the new
// screen; returns the new DPI.
UINT followDpiChange(HWND window, WPARAM wParam, LPARAM lParam);

// The standard font of message texts at dpi, pointDelta points larger, with the weight.
// The caller deletes it.
HFONT createMessageFont(UINT dpi, int pointDelta = 0, LONG weight = FW_NORMAL);

}  // namespace orv::win32
