#include "create/test_run.h"

#include "create/copy_file.h"
#include "create/create_dialog.h"
#include "create/path_rules.h"
#include "create/user_messages.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/session_state.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "platform/system_info.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

bool modernSystem()
{
    const auto* system = platform::services().system;
    return system && system->IsWindowsVista() != 0;
}

std::string programFolder()
{
    const auto* folders = platform::services().folders;
    return folders ? folders->ProgramFolder() : std::string();
}

// Starts the created menu: its own program where Windows programs run; elsewhere that
// program under Wine when the author asks for it and Wine is there, or else this system's
// build of the menu program (the editor's "Test" folder) on the menu's folder.
bool startCreatedMenu(platform::Shell& shell, const std::string& program, const std::string& menuFolder)
{
    const auto normal = platform::WindowState::Normal;
    const platform::SystemInfo* system = platform::services().system;
    if (!system || system->RunsWindowsPrograms())
        return shell.StartProcess(program, {}, {}, normal);
    const std::string loader = Options().RunMenusUnderWine ? system->WindowsProgramLoader() : std::string();
    if (!loader.empty())
        return shell.StartProcess(loader, {program}, menuFolder, normal);
    // The folder's description file by name, so that a folder with only a screen-size
    // variant shows too.
    const std::string description = CreatedMenuDescription(menuFolder);
    return shell.StartProcess(programFolder() + "\\Test\\" + TestProgramName,
                              {description.empty() ? menuFolder : description}, menuFolder, normal);
}

}  // namespace

bool& ResizeMode() { return Session().resizeMode; }

std::string TestFolder()
{
    if (!modernSystem())
        return programFolder() + "\\Test";
    const auto* folders = platform::services().folders;
    return (folders ? folders->GetTemporaryDir() : std::string()) + "\\" + TestFolderName;
}

bool TestTheMenu(const MenuProject& project, CreationObserver& observer)
{
    observer.stopMediaPlayback();
    const bool modern = modernSystem();
    const std::string folder = TestFolder();
    if (modern)
        if (auto* files = platform::services().files)
            files->DirCreate(folder);

    if (!CreateCDDataFile(project, folder + "\\" + TestDataFileName, false)) {
        PlainMessage("Can't create data file!", platform::MsgError, "Error");
        return false;
    }
    if (modern) {
        const std::string source = programFolder() + "\\Test\\";
        for (const std::string& name : {std::string(TestProgramName), std::string(TestProgramName) + ".manifest"}) {
            if (CopyFileMapped(source + name, folder + "\\" + name) != ErrNone) {
                PlainMessage("Can't copy files to Windows temporary folder!", platform::MsgError, "Fel");
                return false;
            }
        }
    }

    const std::string program = folder + "\\" + TestProgramName;
    const std::string argument = ResizeMode() ? ResizeSwitch : TestSwitch;
    auto* shell = platform::services().shell;
    bool started = false;
    if (shell)
        started = modern ? shell->ShellOpen(program, argument, {})
                         : shell->StartProcess(program, {argument}, {}, platform::WindowState::Normal);
    if (!started) {
        PlainMessage(std::string("Can't start ") + TestProgramName + "!", platform::MsgError, "Error");
        return false;
    }
    return true;
}

bool CmdRun(const MenuProject& project, CreationObserver& observer)
{
    observer.stopMediaPlayback();
    if (project.CreateDestDir.empty()) {
        PlainMessage("You must first create a menu!", platform::MsgInformation, "Info");
        return false;
    }
    const EditorOptions& options = Options();
    const std::string name = project.ProjectType == ProjectTypeUSB
                                 ? CorrectedExeFileName(options.USBStickExeFileName, DefaultUSBStickExeFileName)
                                 : CorrectedExeFileName(options.CDExeFileName, DefaultCDExeFileName);
    const std::string program = JoinPath(project.CreateDestDir, UpperText(name));
    auto* shell = platform::services().shell;
    if (!shell || !FileExists(program) || !startCreatedMenu(*shell, program, project.CreateDestDir)) {
        PlainMessage("Can't start the menu program '" + program +
                         "'! Check that the menu has been created in this folder and try again.",
                     platform::MsgError, "Error");
        return false;
    }
    return true;
}

}  // namespace orv
