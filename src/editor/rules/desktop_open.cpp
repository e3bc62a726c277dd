#include "editor/rules/desktop_open.h"

#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

bool reported(bool opened, const std::string& windowsPath, const char* kind)
{
    if (opened)
        return true;
    const platform::Services& s = platform::services();
    const std::string shown = s.files ? s.files->hostPath(windowsPath).string() : windowsPath;
    if (s.ui)
        s.ui->Message(std::string("Nothing on this computer could open the ") + kind + "\n" + shown +
                          "\n\nInstall a program for it, or open it yourself from the file manager.",
                      platform::MsgWarning, CannotOpenTitle);
    return false;
}

}  // namespace

bool ShowHelpOrReport(int contextNumber)
{
    const platform::Services& s = platform::services();
    const std::string page = (s.folders ? s.folders->ProgramFolder() : std::string()) + "\\help\\" +
                             (contextNumber > 0 ? std::to_string(contextNumber) : std::string("index")) + ".html";
    return reported(s.shell && s.shell->ShowHelp(contextNumber), page, "help page");
}

bool OpenFileOrReport(const std::string& windowsPath)
{
    const platform::Services& s = platform::services();
    return reported(s.shell && s.shell->ShellOpen(windowsPath), windowsPath, "file");
}

bool ExploreFolderOrReport(const std::string& windowsPath)
{
    const platform::Services& s = platform::services();
    return reported(s.shell && s.shell->ExploreFolder(windowsPath), windowsPath, "folder");
}

}  // namespace orv::editor
