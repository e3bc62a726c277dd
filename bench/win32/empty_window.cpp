// The yardstick of the menu program's start-up under Wine: the least a Win32 program can
// do to show a window (register a class, create, show, paint the background, wait).
//   empty_window.exe [WIDTH HEIGHT]   (500 x 400 when not given)
#include <windows.h>

#include <cstdio>

namespace {
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    int width = 500, height = 400;
    if (std::sscanf(commandLine, "%d %d", &width, &height) != 2 || width <= 0 || height <= 0)
        width = 500, height = 400;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"EmptyWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"EmptyWindow", L"Empty Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                width, height, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
