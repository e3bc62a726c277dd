// VTPictureGallery.exe for Windows: shows the pictures of a folder (the argument, else the
// gallery's own folder) as thumbnails, set up by VTPictureGallery.dat beside the program.
#include <string>

#include <windows.h>

#include "companions/gallery_data.h"
#include "companions/win32/gallery/gallery_window.h"
#include "companions/win32/support/dpi.h"
#include "platform/win32/gdiplus_session.h"
#include "companions/win32/support/message_box.h"
#include "companions/win32/support/problem_report.h"
#include "companions/win32/support/argument_path.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/win32/command_line.h"
#include "platform/win32/win32_base_services.h"

using namespace orv;
using namespace orv::companions;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    win32::enableDpiAwareness();
    platform::BasicWin32Services win32Services;

    const std::string programFolder = platform::services().folders->ProgramFolder();
    const auto args = platform::commandLineArguments();
    const std::string folder = args.empty() ? programFolder : win32::absolutePath(args.front());

    PictureGalleryData data;
    if (auto read = readPictureGalleryData(JoinPath(programFolder, PictureGalleryDataFileName)))
        data = *read;
    else
        win32::writeErrorLine("VTPictureGallery", std::string("no ") + PictureGalleryDataFileName +
                                                      " beside the program; using the standard look");

    if (platform::services().files->DirExists(folder) == 0) {
        win32::messageBox(nullptr, "The picture folder \"" + folder + "\" was not found.", data.title,
                          MB_OK | MB_ICONERROR);
        return 1;
    }

    win32::GdiplusSession gdiplus;
    if (!gdiplus.started()) {
        win32::messageBox(nullptr, "Pictures cannot be shown: GDI+ could not be started.", data.title,
                          MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message{};
    {
        GalleryWindow window(data, folder);
        if (!window.create(instance, show))
            return 1;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
