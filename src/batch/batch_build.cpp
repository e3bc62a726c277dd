#include "batch/batch_build.h"

#include <filesystem>

#include "create/create_menu.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/messages.h"
#include "model/project_file.h"
#include "model/sibling_products.h"
#include "platform/command_line_path.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/user_interface.h"

namespace fs = std::filesystem;

namespace orv {

using platform::commandLinePathToWindows;

std::string ResolveCommandLineProject(const std::string& path)
{
    const std::string windows = commandLinePathToWindows(path);
    // Whatever stands at the path is taken (a named pipe is not opened here).
    if (ProjectFileKindOf(windows) != ProjectFileKind::Missing || !platform::isRelativePath(path))
        return windows;
    const auto* folders = platform::services().folders;
    if (!folders)
        return windows;
    std::string relative = path;
    for (char& c : relative)
        if (c == '/')
            c = '\\';
    const std::string inProgramFolder = folders->ProgramFolder() + "\\" + relative;
    return FileExists(inProgramFolder) ? inProgramFolder : windows;
}

void DeleteOldLog(const std::string& logFile)
{
    if (logFile.empty() || !FileExists(logFile))
        return;
    const auto* files = platform::services().files;
    std::error_code ignored;
    fs::remove(files ? files->hostPath(logFile) : fs::path(logFile), ignored);
}

int RunBatchBuild(const CommandLine& commandLine, MenuProject& project, CreationObserver& observer)
{
    BatchState& batch = Batch();
    batch.BatchBuildMode = commandLine.batchBuild;
    batch.BatchLogFile = commandLinePathToWindows(commandLine.logFile);
    batch.BatchErrorLogged = false;

    const std::string projectFile = ResolveCommandLineProject(commandLine.projectFile);
    // A log named like the project would be deleted and overwritten: no log then.
    if (IsSameFile(batch.BatchLogFile, projectFile)) {
        batch.BatchLogFile.clear();
        ShowOrLogMessage(LogIsProjectMessage(commandLine.logFile), platform::MsgError, "Error");
        return 1;
    }
    switch (ProjectFileKindOf(projectFile)) {
    case ProjectFileKind::Missing:
        ShowOrLogMessage(ProjectFileMissingMessage, platform::MsgOk, "Information");
        return 1;
    case ProjectFileKind::NotProject:
        ShowOrLogMessage(NotAProjectFileText(commandLine.projectFile), platform::MsgError, "Error");
        return 1;
    case ProjectFileKind::Project:
        break;
    }
    OpenProjectFile(project, projectFile);
    DeleteOldLog(batch.BatchLogFile);

    const bool created = CreateAction(project, observer, commandLinePathToWindows(commandLine.buildFolder));
    // Every stop of a batch creation is logged; should one ever stop silently, the build
    // must still not count as a success.
    if (!created && !batch.BatchErrorLogged)
        ShowOrLogMessage("The menu was not created.", platform::MsgError, "Error");
    return batch.BatchErrorLogged ? 1 : 0;
}

int BatchBuildMain(const std::string& commandLine) { return BatchBuildMain(ParseCommandLine(commandLine)); }

int BatchBuildMain(const CommandLine& commandLine)
{
    ReadEditorOptions();
    DetectSiblingProducts();
    MenuProject project;
    return RunBatchBuild(commandLine, project);
}

}  // namespace orv
