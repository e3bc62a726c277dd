// Routes a window's messages to the C++ object that made it. The object passes itself as
// the creation parameter of CreateWindowExW and implements
//   LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Messages that arrive before WM_NCCREATE or after WM_NCDESTROY go to DefWindowProcW.
#pragma once

#include <windows.h>

namespace orv::win32 {

template <typename Owner>
LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = owner->handleMessage(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return result;
}

// Registers the window class of Owner under name once per process; false on failure.
template <typename Owner>
bool registerOwnerClass(HINSTANCE instance, const wchar_t* name, HCURSOR cursor, UINT style = CS_HREDRAW | CS_VREDRAW)
{
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, name, &wc))
        return true;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &routeToOwner<Owner>;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));  // the program's icon resource
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace orv::win32
