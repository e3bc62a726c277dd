#include "companions/win32/support/dpi.h"

namespace orv::win32 {

namespace {

// Functions of newer Windows versions, looked up at run time so that the programs still
// start on Windows 7.
template <typename Function>
Function systemFunction(const wchar_t* module, const char* name)
{
    HMODULE handle = GetModuleHandleW(module);
    if (!handle)
        handle = LoadLibraryW(module);
    return handle ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name))) : nullptr;
}

}  // namespace

void enableDpiAwareness()
{
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = systemFunction<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
        if (setContext(perMonitorV2))
            return;
    }
    using SetAwareness = HRESULT(WINAPI*)(int);
    if (auto setAwareness = systemFunction<SetAwareness>(L"shcore.dll", "SetProcessDpiAwareness")) {
        constexpr int perMonitor = 2;
        if (SUCCEEDED(setAwareness(perMonitor)))
            return;
    }
    SetProcessDPIAware();
}

UINT windowDpi(HWND window)
{
    using GetDpi = UINT(WINAPI*)(HWND);
    static const auto getDpi = systemFunction<GetDpi>(L"user32.dll", "GetDpiForWindow");
    if (getDpi && window) {
        if (const UINT dpi = getDpi(window))
            return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

HFONT createMessageFont(UINT dpi, int pointDelta, LONG weight)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = systemFunction<ParametersForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    LOGFONTW font{};
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        font = metrics.lfMessageFont;
    } else if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font = metrics.lfMessageFont;  // at the system DPI
        font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(windowDpi(nullptr)));
    } else {
        font.lfHeight = -scaled(12, dpi);
        lstrcpyW(font.lfFaceName, L"Segoe UI");
    }
    if (pointDelta != 0) {
        const int sign = font.lfHeight < 0 ? -1 : 1;
        font.lfHeight += sign * MulDiv(pointDelta, static_cast<int>(dpi), 72);
    }
    font.lfWeight = weight;
    font.lfQuality = CLEARTYPE_QUALITY;
    return CreateFontIndirectW(&font);
}

UINT followDpiChange(HWND window, WPARAM wParam, LPARAM lParam)
{
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return HIWORD(wParam);
}

}  // namespace orv::win32
