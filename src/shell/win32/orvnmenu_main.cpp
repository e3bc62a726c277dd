// ORVNMENU.EXE for Windows: shows the menu described by ORVNMENU.MNI beside the program
// (or the screen-size variant that matches the screen, or the file named on the command
// line) and runs its buttons. "/TEST" marks a test run of the editor, "/RESIZE-ENG" lets
// the user size the window for the editor.
#include <windows.h>

#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/win32/command_line.h"
#include "platform/win32/win32_base_services.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/wide_text.h"
#include "shell/menu_description.h"
#include "shell/menu_file_locator.h"
#include "shell/shell_arguments.h"
#include "shell/start_condition.h"
#include "shell/win32/menu_window.h"

using namespace orv;
using namespace orv::shell;

namespace {

int fail(const std::string& text)
{
    MessageBoxW(nullptr, platform::widen(text).c_str(), L"Menu", MB_ICONERROR | MB_OK);
    return 1;
}

// The description file to show: the one named on the command line, else the variant for
// this screen or ORVNMENU.MNI in the folder named on the command line or beside the program. Empty (with its message shown) when
// there is none.
std::string menuFileOf(const ShellArguments& arguments)
{
    const std::string named = arguments.menuFile;
    const std::filesystem::path namedPath(platform::widen(named));
    std::error_code ec;
    if (!named.empty() && !std::filesystem::is_directory(namedPath, ec))
        return named;
    const std::string folder = named.empty() ? platform::services().folders->ProgramFolder() : named;
    const auto found = findMenuDescriptionFile(std::filesystem::path(platform::widen(folder)),
                                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (found.empty()) {
        fail("The menu cannot be shown: the menu description file " + std::string(MenuDescriptionFileName) +
             " was not found in the folder\n" + folder);
        return {};
    }
    return platform::narrow(found.wstring());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    platform::BasicWin32Services services;
    // Typed passwords are checked against the encrypted files and verifiers, never stored.
    platform::Win32Crypto crypto;
    platform::Services withCrypto = services.services();
    withCrypto.crypto = &crypto;
    services.install(withCrypto);

    const ShellArguments arguments = parseShellArguments(platform::commandLineArguments());
    const std::string file = menuFileOf(arguments);
    if (file.empty())
        return 1;

    const MenuReadResult read = readMenuDescription(file);
    switch (read.status) {
    case MenuReadStatus::Ok:
        break;
    case MenuReadStatus::Missing:
        return fail("The menu cannot be shown: the menu description file\n" + file + "\nwas not found.");
    case MenuReadStatus::Unreadable:
        return fail("The menu cannot be shown: the menu description file\n" + file + "\ncould not be read.");
    case MenuReadStatus::Damaged:
        return fail("The menu cannot be shown: the menu description file\n" + file +
                    "\nis damaged or incomplete. Create the menu again in the editor.");
    }

    // An installed application may ask for the menu not to show; the editor's test runs and
    // pictures always show it.
    const orv::platform::Registry* registry = orv::platform::services().registry;
    if (!arguments.testRun && !arguments.resizeMode && arguments.screenshotFile.empty() && registry &&
        noStartConditionHolds(read.menu.noStart, *registry))
        return 0;

    Win32MenuWindow window(instance, read.menu, file, arguments);
    if (!arguments.screenshotFile.empty())
        return window.saveScreenshot(arguments.screenshotFile) ? 0 : 1;
    if (!window.show(showCommand))
        return fail("The menu window could not be opened.");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
