#include "shell/win32/rtf_viewer.h"

#include <richedit.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/win32/wide_text.h"

namespace orv::shell {

namespace {

constexpr const wchar_t* ViewerClass = L"OrvantoRtfViewer";
constexpr int PrintId = 101, CloseId = 102;
constexpr int ButtonWidth = 96, ButtonHeight = 28, Gap = 8;

using platform::widen;

struct Viewer {
    std::string file;
    RtfPrinting printing;
    HWND edit = nullptr, print = nullptr, close = nullptr;
};

struct Stream {
    const std::string* text;
    std::size_t at = 0;
};

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
{
    auto* s = reinterpret_cast<Stream*>(cookie);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s->text->size() - s->at);
    std::copy_n(s->text->data() + s->at, n, buffer);
    s->at += n;
    *read = static_cast<LONG>(n);
    return 0;
}

void layout(HWND window, const Viewer& v)
{
    RECT r;
    GetClientRect(window, &r);
    const int buttonsTop = static_cast<int>(r.bottom) - Gap - ButtonHeight;
    MoveWindow(v.edit, 0, 0, r.right, std::max(0, buttonsTop - Gap), TRUE);
    const int x = static_cast<int>(r.right) - Gap - ButtonWidth;
    MoveWindow(v.close, x, buttonsTop, ButtonWidth, ButtonHeight, TRUE);
    if (v.print)
        MoveWindow(v.print, x - Gap - ButtonWidth, buttonsTop, ButtonWidth, ButtonHeight, TRUE);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* v = reinterpret_cast<Viewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_SIZE:
        if (v)
            layout(window, *v);
        return 0;
    case WM_COMMAND:
        if (v && LOWORD(wParam) == PrintId) {
            MessageBoxW(window, widen(v->printing.infoText).c_str(), widen(v->printing.infoTitle).c_str(),
                        MB_ICONINFORMATION | MB_OK);
            if (platform::services().shell)
                platform::services().shell->RunProgram("write.exe", platform::quoteParameter(v->file), {},
                                                       platform::WindowState::Normal, {});
        } else if (LOWORD(wParam) == CloseId || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        delete v;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The rich edit control's class: the newer one when this system has it.
const wchar_t* richEditClass()
{
    static const wchar_t* const found = [] () -> const wchar_t* {
        if (LoadLibraryW(L"msftedit.dll"))
            return MSFTEDIT_CLASS;
        if (LoadLibraryW(L"riched20.dll"))
            return RICHEDIT_CLASSW;
        return nullptr;
    }();
    return found;
}

}  // namespace

bool showRtfViewer(HINSTANCE instance, HWND owner, const std::string& file, const std::string& title,
                   const RtfPrinting& printing, const std::string& closeText)
{
    std::ifstream in(std::filesystem::path(widen(file)), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const wchar_t* editClass = richEditClass();
    if (!in.good() && !in.eof())
        return false;
    if (!editClass)
        return false;

    WNDCLASSEXW viewerClass{};
    viewerClass.cbSize = sizeof(viewerClass);
    viewerClass.lpfnWndProc = &procedure;
    viewerClass.hInstance = instance;
    viewerClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    viewerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    viewerClass.lpszClassName = ViewerClass;
    RegisterClassExW(&viewerClass);  // fails harmlessly the second time

    auto viewer = std::make_unique<Viewer>();
    viewer->file = file;
    viewer->printing = printing;
    // Centred over the menu, inside the screen's work area.
    constexpr int Width = 720, Height = 560;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT menu = work;
    if (owner)
        GetWindowRect(owner, &menu);
    const int x = std::clamp(static_cast<int>(menu.left + menu.right) / 2 - Width / 2, static_cast<int>(work.left),
                             std::max(static_cast<int>(work.left), static_cast<int>(work.right) - Width));
    const int y = std::clamp(static_cast<int>(menu.top + menu.bottom) / 2 - Height / 2, static_cast<int>(work.top),
                             std::max(static_cast<int>(work.top), static_cast<int>(work.bottom) - Height));
    HWND window = CreateWindowExW(0, ViewerClass, widen(title + " - " + FileNamePart(file)).c_str(),
                                  WS_OVERLAPPEDWINDOW, x, y, Width, Height, owner, nullptr, instance, nullptr);
    if (!window)
        return false;
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    viewer->edit = CreateWindowExW(WS_EX_CLIENTEDGE, editClass, L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                                   0, 0, 0, window, nullptr, instance, nullptr);
    viewer->close = CreateWindowExW(0, L"BUTTON", widen(closeText).c_str(), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                                    0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(CloseId)),
                                    instance, nullptr);
    if (printing.on)
        viewer->print = CreateWindowExW(0, L"BUTTON", widen(printing.buttonText).c_str(), WS_CHILD | WS_VISIBLE,
                                        0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(PrintId)),
                                        instance, nullptr);
    for (HWND control : {viewer->close, viewer->print})
        if (control)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Stream stream{&text};
    EDITSTREAM edit{reinterpret_cast<DWORD_PTR>(&stream), 0, &readStream};
    SendMessageW(viewer->edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&edit));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(viewer.get()));
    layout(window, *viewer.release());
    ShowWindow(window, SW_SHOWNORMAL);
    return true;
}

}  // namespace orv::shell
