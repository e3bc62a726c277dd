// The menu window on Windows: a plain Win32 window whose client area shows the menu that
// the portable session paints into a DibCanvas. The window follows the description's
// caption, frame and size options, shows the chosen window icon, forwards mouse and keys
// to the session, shows button tips, and carries out what the session asks (password
// dialog, messages, starting programs through the shell). A test run says so in the caption
// and a badge; in resize mode the user sizes the window and the size goes to the registry
// values the editor reads back.
#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "shell/menu_description.h"
#include "shell/session/menu_host.h"
#include "shell/session/menu_session.h"
#include "shell/shell_arguments.h"
#include "shell/win32/dib_canvas.h"

namespace orv::shell {

class Win32MenuWindow final : private MenuHost {
public:
    Win32MenuWindow(HINSTANCE instance, MenuDescription menu, std::string menuFile, ShellArguments arguments);
    ~Win32MenuWindow() override;
    Win32MenuWindow(const Win32MenuWindow&) = delete;
    Win32MenuWindow& operator=(const Win32MenuWindow&) = delete;

    // Creates and shows the window; false when Windows refused it.
    bool show(int showCommand);
    // Paints the menu, as it first appears, into a PNG file without a window (and writes
    // the layout file when one is asked for); false when the file cannot be written.
    bool saveScreenshot(const std::string& file);
    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void applyWindowSettings();  // caption, frame, size and icon of the menu shown
    void applyIcon();
    void loadMenuFonts();
    void paint();
    void paintOverlays(HDC dc);
    void followMouse(bool repaintNeeded);
    void updateTip();
    bool ensureTooltip();
    void writeLayoutFile();
    void storeResizeSize();

    // MenuHost
    std::optional<std::string> askPassword(const PasswordQuestion& question) override;
    Bitmap loadPicture(const std::string& windowsPath, int width, int height) override;
    std::function<Bitmap()> pictureReader(const std::string& windowsPath, int width, int height) override;
    void playSound(SoundUse use, const std::vector<std::string>& files) override;
    void stopSound(SoundUse use) override;
    bool playMovie(const std::vector<std::string>& files, const Rect& where, bool repeat) override;
    void stopMovie() override;
    void showMessage(const std::string& title, const std::string& text, bool error) override;
    bool offerButton(const std::string& title, const std::string& text, const std::string& buttonText) override;
    ActionOutcome runAction(const ButtonAction& action) override;
    void closeMenu() override;
    void menuChanged() override;
    void repaintMenu() override;
    void showWaitText(const std::string& text) override;

    HINSTANCE instance_;
    ShellArguments arguments_;
    MenuSession session_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    DibCanvas canvas_;
    std::wstring tipText_;
    std::wstring waitText_;
    std::set<std::string> fontFolders_;
    bool trackingMouse_ = false;
    bool sizeStored_ = false;
    bool layoutWritten_ = false;
    std::wstring backgroundSound_;  // the file the background plays, over and over
    DWORD fadeStart_ = 0;  // GetTickCount when the window began to fade in
};

// The window caption: the menu's caption, and " [Test]" in a test run.
std::string menuWindowCaption(const MenuDescription& menu, const ShellArguments& arguments);

}  // namespace orv::shell
