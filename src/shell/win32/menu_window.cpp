#include "shell/win32/menu_window.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/win32/gdiplus_library.h"
#include "platform/win32/mci_library.h"
#include "platform/win32/password_prompt.h"
#include "platform/win32/wide_text.h"
#include "shell/layout/menu_layout.h"
#include "shell/render/png_file.h"
#include "shell/resize_mode.h"
#include "shell/win32/rtf_viewer.h"
#include "shell/session/window_fading.h"

namespace orv::shell {

namespace {

constexpr const wchar_t* WindowClass = L"OrvantoMenuWindow";
constexpr UINT_PTR WaitTextTimer = 1;
constexpr UINT_PTR FadeTimer = 2;
constexpr UINT WaitTextMilliseconds = 5000;
constexpr int IconCount = 8;

using platform::narrow;
using platform::widen;
namespace mci = platform::mci_library;

DWORD styleOf(const MenuDescription& m, const ShellArguments& arguments)
{
    DWORD style = WS_CLIPCHILDREN;
    if (arguments.resizeMode)
        return style | WS_OVERLAPPEDWINDOW;
    if (m.showCaption) {
        style |= WS_CAPTION | WS_SYSMENU;
        if (m.showMinimizeButton)
            style |= WS_MINIMIZEBOX;
    } else {
        style |= WS_POPUP | (m.showBorder ? WS_BORDER : 0);
    }
    return style;
}

DWORD extendedStyleOf(const MenuDescription& m)
{
    // A layered window can be partly transparent and fade in.
    return (m.alwaysOnTop ? WS_EX_TOPMOST : 0) | (m.windowEffects.on ? WS_EX_LAYERED : 0);
}

// The outer size of a window whose client area has the given size.
SIZE outerSize(int width, int height, DWORD style, DWORD exStyle)
{
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool keyOf(WPARAM key, MenuKey& out)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_ESCAPE: out = MenuKey::Escape; break;
    case VK_TAB: out = shift ? MenuKey::BackTab : MenuKey::Tab; break;
    case VK_UP: out = MenuKey::Up; break;
    case VK_DOWN: out = MenuKey::Down; break;
    case VK_LEFT: out = MenuKey::Left; break;
    case VK_RIGHT: out = MenuKey::Right; break;
    case VK_RETURN: out = MenuKey::Enter; break;
    case VK_SPACE: out = MenuKey::Space; break;
    default: return false;
    }
    return true;
}

void fillBox(HDC dc, const RECT& box, COLORREF fill, COLORREF frame)
{
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    HBRUSH border = CreateSolidBrush(frame);
    FrameRect(dc, &box, border);
    DeleteObject(border);
}

}  // namespace

std::string menuWindowCaption(const MenuDescription& menu, const ShellArguments& arguments)
{
    return arguments.testRun || arguments.resizeMode ? menu.caption + " [Test]" : menu.caption;
}

Win32MenuWindow::Win32MenuWindow(HINSTANCE instance, MenuDescription menu, std::string menuFile,
                                 ShellArguments arguments)
    : instance_(instance), arguments_(std::move(arguments)), session_(std::move(menu), std::move(menuFile), *this)
{
    loadMenuFonts();
}

Win32MenuWindow::~Win32MenuWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

bool Win32MenuWindow::show(int showCommand)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &Win32MenuWindow::procedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when a sub menu window registered it

    const MenuDescription& m = session_.menu();
    const DWORD style = styleOf(m, arguments_), exStyle = extendedStyleOf(m);
    const SIZE outer = outerSize(m.width, m.height, style, exStyle);
    // Centred on the screen's work area, as a menu that starts from a disc is expected.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + std::max(0, static_cast<int>((work.right - work.left - outer.cx) / 2));
    const int y = work.top + std::max(0, static_cast<int>((work.bottom - work.top - outer.cy) / 2));
    window_ = CreateWindowExW(exStyle, WindowClass, widen(menuWindowCaption(m, arguments_)).c_str(), style, x, y,
                              outer.cx, outer.cy, nullptr, nullptr, instance_, this);
    if (!window_)
        return false;

    applyIcon();  // the window was made with the menu's caption, frame and size
    const WindowEffects& effects = m.windowEffects;
    if (effects.on) {
        // The window appears transparent and reaches its opacity step by step.
        SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(fadeAlpha(effects, 0)), LWA_ALPHA);
        if (fadesIn(effects)) {
            fadeStart_ = GetTickCount();
            SetTimer(window_, FadeTimer, FadeTimerMilliseconds, nullptr);
        }
    }
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    session_.start();
    if (!arguments_.layoutFile.empty())
        PostMessageW(window_, WM_APP, 0, 0);  // after the first paint
    return true;
}

void Win32MenuWindow::applyWindowSettings()
{
    const MenuDescription& m = session_.menu();
    SetWindowTextW(window_, widen(menuWindowCaption(m, arguments_)).c_str());
    const DWORD style = styleOf(m, arguments_), exStyle = extendedStyleOf(m);
    const LONG_PTR visible = GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style) | visible);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    // A menu shown in place of another does not fade in again; it takes its transparency.
    KillTimer(window_, FadeTimer);
    if (m.windowEffects.on)
        SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(windowAlpha(m.windowEffects)), LWA_ALPHA);
    const SIZE outer = outerSize(m.width, m.height, style, exStyle);
    SetWindowPos(window_, m.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    applyIcon();
}

void Win32MenuWindow::applyIcon()
{
    const MenuDescription& m = session_.menu();
    // The icon the author chose from the program's eight (the first when out of range).
    const int index = m.appIcon >= 1 && m.appIcon <= IconCount ? m.appIcon : 1;
    for (HICON* icon : {&bigIcon_, &smallIcon_})
        if (*icon)
            DestroyIcon(*icon);
    bigIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(index), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(index), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void Win32MenuWindow::loadMenuFonts()
{
    // The fonts the creation copied for this menu: usable by this program only, and only
    // while it runs, so nothing is installed on the visitor's computer.
    const std::string folder = JoinPath(PathDirectoryPart(session_.menuFile()), "orvndata\\fonts");
    if (!fontFolders_.insert(folder).second)
        return;
    std::error_code ec;
    std::filesystem::directory_iterator it(std::filesystem::path(widen(folder)), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::wstring ext = it->path().extension().wstring();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::towlower);
        if (ext == L".ttf" || ext == L".otf" || ext == L".ttc" || ext == L".fon" || ext == L".fnt")
            AddFontResourceExW(it->path().c_str(), FR_PRIVATE, nullptr);
    }
}

LRESULT CALLBACK Win32MenuWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<Win32MenuWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<Win32MenuWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32MenuWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the whole client area is painted from the canvas
    case WM_PAINT:
        paint();
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            session_.setClientSize(LOWORD(lParam), HIWORD(lParam));
            if (tooltip_) {
                TOOLINFOW tool{};
                tool.cbSize = sizeof(tool);
                tool.hwnd = window_;
                tool.uId = 1;
                GetClientRect(window_, &tool.rect);
                SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
            InvalidateRect(window_, nullptr, FALSE);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
            trackingMouse_ = TrackMouseEvent(&track) != FALSE;
        }
        followMouse(session_.mouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    case WM_SETCURSOR:
        // A hand over whatever a click opens: buttons and linked logos.
        if (LOWORD(lParam) == HTCLIENT && session_.overButton()) {
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
            return TRUE;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_MOUSELEAVE:
        trackingMouse_ = false;
        followMouse(session_.mouseLeave());
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(window_);
        followMouse(session_.mousePress(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        followMouse(session_.mouseRelease(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    case WM_KEYDOWN: {
        MenuKey key;
        if (keyOf(wParam, key) && session_.keyPress(key))
            repaintMenu();
        return 0;
    }
    case WM_TIMER:
        if (wParam == FadeTimer) {
            const WindowEffects& effects = session_.menu().windowEffects;
            const auto elapsed = static_cast<int>(std::min<DWORD>(GetTickCount() - fadeStart_, 60000));
            SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(fadeAlpha(effects, elapsed)), LWA_ALPHA);
            if (elapsed >= fadeMilliseconds(effects.fadingSpeed))
                KillTimer(window_, FadeTimer);
        }
        if (wParam == WaitTextTimer) {
            KillTimer(window_, WaitTextTimer);
            waitText_.clear();
            repaintMenu();
        }
        return 0;
    case WM_APP:
        writeLayoutFile();
        return 0;
    case WM_CLOSE:
        storeResizeSize();
        DestroyWindow(window_);
        return 0;
    case WM_ACTIVATE:
        session_.windowActive(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case MM_MCINOTIFY:
        // The background music ended: from the start again.
        if (wParam == MCI_NOTIFY_SUCCESSFUL && static_cast<MCIDEVICEID>(lParam) == mci::deviceId(L"orvbackground"))
            mci::sendString(L"play orvbackground from 0 notify", window_);
        else if (wParam == MCI_NOTIFY_SUCCESSFUL && static_cast<MCIDEVICEID>(lParam) == mci::deviceId(L"orvmovie"))
            session_.movieEnded();
        return 0;
    case WM_DESTROY:
        mci::sendStringIfLoaded(L"close all");
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32MenuWindow::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    canvas_.resize(client.right, client.bottom);
    session_.paint(canvas_);
    GdiFlush();
    paintOverlays(canvas_.dc());
    BitBlt(dc, 0, 0, client.right, client.bottom, canvas_.dc(), 0, 0, SRCCOPY);
    EndPaint(window_, &ps);
}

void Win32MenuWindow::paintOverlays(HDC dc)
{
    const int width = canvas_.width(), height = canvas_.height();
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    if (arguments_.testRun || arguments_.resizeMode) {
        const std::wstring badge = arguments_.resizeMode ? L"TEST RUN - RESIZE" : L"TEST RUN";
        SIZE size{};
        GetTextExtentPoint32W(dc, badge.c_str(), static_cast<int>(badge.size()), &size);
        RECT box{width - size.cx - 22, 6, width - 6, 6 + size.cy + 6};
        fillBox(dc, box, RGB(255, 212, 0), RGB(255, 212, 0));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, badge.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    auto note = [&](const std::wstring& text, COLORREF fill, COLORREF ink, int boxWidth, int bottomGap) {
        RECT box{0, 0, boxWidth - 12, 0};
        DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_CENTER);
        const int h = box.bottom - box.top + 12;
        RECT outer{(width - boxWidth) / 2, height - h - bottomGap, (width + boxWidth) / 2, height - bottomGap};
        fillBox(dc, outer, fill, RGB(128, 128, 128));
        RECT inner{outer.left + 6, outer.top + 6, outer.right - 6, outer.bottom - 6};
        SetTextColor(dc, ink);
        DrawTextW(dc, text.c_str(), -1, &inner, DT_WORDBREAK | DT_NOPREFIX | DT_CENTER);
    };
    if (arguments_.resizeMode) {
        const std::wstring hint = L"Resize mode: drag the edges of the window until the menu has the size you "
                                  L"want, then close the window. The editor takes over the size (now " +
                                  std::to_wstring(width) + L" x " + std::to_wstring(height) + L" pixels).";
        note(hint, RGB(40, 40, 40), RGB(255, 255, 255), width, 0);
    }
    if (!waitText_.empty())
        note(waitText_, RGB(255, 255, 225), RGB(0, 0, 0), std::min(width - 40, 360), 20);
    SelectObject(dc, previous);
}

void Win32MenuWindow::followMouse(bool repaintNeeded)
{
    if (!repaintNeeded)
        return;
    updateTip();
    repaintMenu();
}

bool Win32MenuWindow::ensureTooltip()
{
    if (tooltip_)
        return true;
    // The common controls are loaded with the first tip, not at start: a menu appears
    // sooner, and one without tips never loads them.
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    static const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    const auto init = controls ? reinterpret_cast<Init>(reinterpret_cast<void*>(
                                     GetProcAddress(controls, "InitCommonControlsEx")))
                               : nullptr;
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    if (!init || !init(&classes))
        return false;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               instance_, nullptr);
    if (!tooltip_)
        return false;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = 1;
    tool.lpszText = const_cast<wchar_t*>(L"");
    GetClientRect(window_, &tool.rect);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    return true;
}

void Win32MenuWindow::updateTip()
{
    const std::wstring tip = widen(session_.tip());
    if (tip == tipText_ || (!tip.empty() && !ensureTooltip()) || !tooltip_)
        return;
    tipText_ = tip;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = 1;
    tool.lpszText = tipText_.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_ACTIVATE, tipText_.empty() ? FALSE : TRUE, 0);
}

Bitmap Win32MenuWindow::loadPicture(const std::string& windowsPath, int width, int height)
{
    return pictureReader(windowsPath, width, height)();
}

std::function<Bitmap()> Win32MenuWindow::pictureReader(const std::string& windowsPath, int width, int height)
{
    // GDI+ reads BMP, JPEG, PNG, GIF and the metafiles, on any thread; it is loaded with the
    // first picture.
    return [file = widen(windowsPath), width, height] {
        platform::gdiplus_library::Picture read = platform::gdiplus_library::readPicture(file, width, height);
        Bitmap picture;
        picture.width = read.width;
        picture.height = read.height;
        picture.pixels = std::move(read.pixels);
        return picture;
    };
}

// The sounds go through MCI, one device for each use, so that a hover sound never cuts the
// background music short; MCI picks the device by the file's extension (WAV, MID, MP3).
void Win32MenuWindow::playSound(SoundUse use, const std::vector<std::string>& files)
{
    static const wchar_t* const aliases[] = {L"orvbackground", L"orvclick", L"orvhover"};
    const std::wstring alias = aliases[static_cast<int>(use)];
    std::wstring found;
    for (const std::string& file : files) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(std::filesystem::path(widen(file)), ec)) {
            found = widen(file);
            break;
        }
    }
    const bool background = use == SoundUse::Background;
    if (background && !found.empty() && found == backgroundSound_)
        return;  // the next menu has the same music: it plays on
    mci::sendStringIfLoaded((L"close " + alias).c_str());
    if (background)
        backgroundSound_ = found;
    if (found.empty() || mci::sendString((L"open \"" + found + L"\" alias " + alias).c_str()) != 0)
        return;
    mci::sendString((L"play " + alias + (background ? L" from 0 notify" : L" from 0")).c_str(),
                    background ? window_ : nullptr);
}

void Win32MenuWindow::stopSound(SoundUse use)
{
    static const wchar_t* const aliases[] = {L"close orvbackground", L"close orvclick", L"close orvhover"};
    mci::sendStringIfLoaded(aliases[static_cast<int>(use)]);
    if (use == SoundUse::Background)
        backgroundSound_.clear();
}

// The menu movie plays through MCI in a child window of the menu at its place.
bool Win32MenuWindow::playMovie(const std::vector<std::string>& files, const Rect& where, bool repeat)
{
    stopMovie();
    for (const std::string& file : files) {
        std::error_code ec;
        if (!window_ || !std::filesystem::is_regular_file(std::filesystem::path(widen(file)), ec))
            continue;
        const std::wstring parent = std::to_wstring(reinterpret_cast<std::uintptr_t>(window_));
        if (mci::sendString((L"open \"" + widen(file) + L"\" alias orvmovie style child parent " + parent).c_str()) != 0)
            return false;
        mci::sendString((L"put orvmovie window at " + std::to_wstring(where.x) + L" " + std::to_wstring(where.y) + L" " +
                         std::to_wstring(where.width) + L" " + std::to_wstring(where.height))
                            .c_str());
        return mci::sendString(repeat ? L"play orvmovie repeat" : L"play orvmovie notify", window_) == 0;
    }
    return false;
}

void Win32MenuWindow::stopMovie()
{
    mci::sendStringIfLoaded(L"close orvmovie");
}

bool Win32MenuWindow::saveScreenshot(const std::string& file)
{
    const MenuDescription& m = session_.menu();
    canvas_.resize(m.width, m.height);
    session_.setClientSize(m.width, m.height);
    session_.paint(canvas_);
    GdiFlush();
    Bitmap picture;
    picture.width = canvas_.width();
    picture.height = canvas_.height();
    picture.pixels.assign(canvas_.pixels(), canvas_.pixels() + static_cast<std::size_t>(picture.width) * picture.height);
    if (!arguments_.layoutFile.empty())
        writeLayoutFile();
    return writePngFile(picture, file);
}

void Win32MenuWindow::writeLayoutFile()
{
    if (layoutWritten_)
        return;
    layoutWritten_ = true;
    std::ofstream out(std::filesystem::path(widen(arguments_.layoutFile)), std::ios::binary | std::ios::trunc);
    out << layoutText(session_.layout());
    if (!out.flush())
        showMessage(session_.menu().caption, "The layout could not be written to \"" + arguments_.layoutFile + "\".",
                    true);
}

void Win32MenuWindow::storeResizeSize()
{
    if (!arguments_.resizeMode || sizeStored_)
        return;
    sizeStored_ = true;
    RECT client;
    GetClientRect(window_, &client);
    if (!storeResizeModeSize(client.right, client.bottom))
        showMessage("Resize mode", "The window size could not be handed to the editor.", true);
}

std::optional<std::string> Win32MenuWindow::askPassword(const PasswordQuestion& question)
{
    platform::PasswordPrompt prompt;
    prompt.title = question.title;
    prompt.text = question.text;
    prompt.okCaption = question.okText;
    prompt.cancelCaption = question.cancelText;
    prompt.masked = question.masked;
    return platform::askPassword(window_, prompt);
}

void Win32MenuWindow::showMessage(const std::string& title, const std::string& text, bool error)
{
    MessageBoxW(window_, widen(text).c_str(), widen(title).c_str(),
                (error ? MB_ICONERROR : MB_ICONINFORMATION) | MB_OK);
}

bool Win32MenuWindow::offerButton(const std::string& title, const std::string& text, const std::string& buttonText)
{
    // A standard box cannot name its buttons: Yes stands for the offered one.
    return MessageBoxW(window_, widen(text + "\n\n" + buttonText + "?").c_str(), widen(title).c_str(),
                       MB_ICONINFORMATION | MB_YESNO) == IDYES;
}

ActionOutcome Win32MenuWindow::runAction(const ButtonAction& action)
{
    // RTF documents show in the menu's own viewer, with its Print button; the shell opens
    // them only when the viewer cannot.
    if (action.kind == ActionKind::ShowRtfDocument && FileExists(action.target)) {
        const MenuDescription& m = session_.menu();
        if (showRtfViewer(instance_, window_, action.target, m.caption, m.rtfPrinting, m.closeText))
            return ActionOutcome::Done;
    }
    return runButtonAction(action);
}

void Win32MenuWindow::closeMenu()
{
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

void Win32MenuWindow::menuChanged()
{
    loadMenuFonts();
    applyWindowSettings();
    RECT client;
    GetClientRect(window_, &client);
    session_.setClientSize(client.right, client.bottom);
}

void Win32MenuWindow::repaintMenu()
{
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
}

void Win32MenuWindow::showWaitText(const std::string& text)
{
    waitText_ = widen(text);
    SetTimer(window_, WaitTextTimer, WaitTextMilliseconds, nullptr);
    repaintMenu();
}

}  // namespace orv::shell
