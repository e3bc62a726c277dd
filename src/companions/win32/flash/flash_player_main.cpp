// VTFlashPlayer.exe for Windows: Flash animations cannot be played any more, so the player
// says so and opens the animation with the program Windows has for it. The animation is
// the argument, or the one named by VTFlashPlayer.dat beside the player.
#include <string>

#include <windows.h>

#include "companions/flash_player_data.h"
#include "companions/win32/support/dpi.h"
#include "companions/win32/support/message_box.h"
#include "companions/win32/support/problem_report.h"
#include "companions/win32/support/argument_path.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "platform/win32/command_line.h"
#include "platform/win32/win32_base_services.h"

using namespace orv;
using namespace orv::companions;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    win32::enableDpiAwareness();
    platform::BasicWin32Services win32Services;

    const auto args = platform::commandLineArguments();
    const std::string argument = args.empty() ? std::string() : win32::absolutePath(args.front());
    const FlashPlayerRequest request =
        resolveFlashPlayerRequest(argument, platform::services().folders->ProgramFolder());
    const std::string title = request.data.windowTitle.empty() ? "Flash Player" : request.data.windowTitle;
    const bool dialogs = request.data.showDialogBoxes;

    auto fail = [&](const std::string& text) {
        win32::reportProblem(dialogs, "VTFlashPlayer", title, text);
        return 1;
    };

    if (request.animation.empty())
        return fail(std::string("No Flash animation was given, and no ") + FlashPlayerDataFileName +
                    " naming one was found beside the flash player.");
    if (!FileExists(request.animation))
        return fail("The Flash animation \"" + request.animation + "\" was not found.");

    const std::string name = FileNamePart(request.animation);
    if (dialogs)
        win32::messageBox(nullptr,
                          "Flash animations cannot be played on this system.\n\n"
                          "The animation \"" + name + "\" will now be opened with the program that your desktop "
                          "uses for this kind of file.",
                          title, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    if (!platform::services().shell->ShellOpen(request.animation))
        return fail("No program on this system could open the animation \"" + name + "\".");
    return 0;
}
