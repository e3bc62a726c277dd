#include "editor/rules/project_commands.h"

#include <filesystem>
#include <system_error>

#include "editor/project_document.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/project_folders.h"
#include "model/recent_list.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/user_interface.h"
#include "product/product.h"

namespace orv::editor {

namespace {

platform::UserInterface& ui()
{
    return *platform::services().ui;
}

bool hasFile(const MenuProject& project)
{
    return !project.ProjectFilePath.empty() && project.ProjectFilePath != NoProjectFile;
}

// The chosen name with ".mnp" added when its file name has no extension at all.
std::string withProjectExtension(const std::string& path)
{
    const std::string name = FileNamePart(path);
    if (!name.empty() && name.find('.') == std::string::npos)
        return path + ProjectFileExtension;
    return path;
}

}  // namespace

std::string CantOpenProjectText(const std::string& path)
{
    return "Can't open '" + path + "'!";
}

std::string ProjectSaveFailedText(const std::string& path, bool writeProtected)
{
    if (writeProtected)
        return "Can't save the project! The file '" + path +
               "' is write-protected. Use Save As to save the project under another name.";
    return "Can't save the project to '" + path +
           "'! Check that the folder exists and that you may write to it, or use Save As to save "
           "the project elsewhere.";
}

std::string OptionsSaveFailedText(const std::string& path)
{
    return "Can't save the editor's options to '" + path +
           "'! Your settings and recent projects of this session will not be remembered.";
}

SaveQuestionAnswer ProjectCommands::askToSaveModified()
{
    if (!document_.isModified())
        return SaveQuestionAnswer::NotAsked;
    const auto answer = static_cast<platform::MessageAnswer>(
        ui().Message(SaveQuestionText, platform::MsgYesNoCancel + platform::MsgQuestion, ProductName));
    if (answer == platform::AnswerYes)
        return save() ? SaveQuestionAnswer::Saved : SaveQuestionAnswer::Cancelled;
    if (answer == platform::AnswerNo)
        return SaveQuestionAnswer::Discarded;
    return SaveQuestionAnswer::Cancelled;
}

bool ProjectCommands::newProject(bool withStyleChooser)
{
    if (!mayReplaceProject())
        return false;
    // The type is asked before anything is reset, so that a cancel keeps the open project.
    std::int16_t type = ProjectTypeCD;
    if (!Options().DontAskProjectType && hooks_.askProjectType) {
        const std::optional<std::int16_t> chosen = hooks_.askProjectType(withStyleChooser);
        if (!chosen)
            return false;
        type = *chosen == ProjectTypeUSB ? ProjectTypeUSB : ProjectTypeCD;
    }
    return document_.replace([&](MenuProject& project) {
        if (hooks_.createProject) {
            if (!hooks_.createProject(project, type, withStyleChooser))
                return false;
        } else {
            ResetParameters(project);
        }
        project.ProjectType = type;
        return true;
    });
}

bool ProjectCommands::openProject(const std::string& startFolder)
{
    if (!mayReplaceProject())
        return false;
    const std::optional<std::string> chosen = ui().PickOpenFile(
        OpenProjectTitle, {ProjectFileFilter}, startFolder.empty() ? projectDialogStartFolder() : startFolder);
    if (!chosen || chosen->empty())
        return false;
    return openProjectPath(*chosen);
}

bool ProjectCommands::openProjectPath(const std::string& path)
{
    if (path.empty())
        return false;
    switch (ProjectFileKindOf(path)) {
    case ProjectFileKind::Missing:
        ui().Message(CantOpenProjectText(path), platform::MsgError, "Error");
        return false;
    case ProjectFileKind::NotProject:
        ui().Message(NotAProjectFileText(path), platform::MsgError, "Error");
        return false;
    case ProjectFileKind::Project:
        break;
    }
    return document_.replace([&](MenuProject& project) {
        OpenProjectFile(project, path);
        return true;
    });
}

bool ProjectCommands::save()
{
    if (!hasFile(project()))
        return saveAs();
    const std::string path = project().ProjectFilePath;
    const bool writeProtected = IsWriteProtected(path);
    if (writeProtected || !document_.save([](MenuProject& project) { return SaveProjectFile(project); })) {
        ui().Message(ProjectSaveFailedText(path, writeProtected), platform::MsgError, ProjectSaveFailedTitle);
        return false;
    }
    return true;
}

bool ProjectCommands::saveAs()
{
    const std::optional<std::string> chosen =
        ui().PickSaveFile(SaveProjectAsTitle, {ProjectFileFilter}, projectDialogStartFolder(), ProjectFileExtension);
    if (!chosen || chosen->empty())
        return false;
    const std::string path = withProjectExtension(*chosen);
    const bool writeProtected = IsWriteProtected(path);
    const bool saved = !writeProtected && document_.save([&](MenuProject& project) {
        const std::string previousPath = project.ProjectFilePath;
        if (SaveProjectFileAs(project, path))
            return true;
        // The project keeps its old name, so the next Save does not aim at the failed file.
        project.ProjectFilePath = previousPath;
        return false;
    });
    if (!saved) {
        ui().Message(ProjectSaveFailedText(path, writeProtected), platform::MsgError, ProjectSaveFailedTitle);
        return false;
    }
    return true;
}

bool ProjectCommands::openRecentFile(int entry)
{
    const std::string target = RecentFilesList().target(entry);
    if (target.empty())
        return false;
    if (!mayReplaceProject())
        return false;
    return openProjectPath(target);
}

bool ProjectCommands::openRecentFolder(int entry)
{
    const std::string target = RecentFoldersList().target(entry);
    if (target.empty())
        return false;
    return openProject(target);
}

bool ProjectCommands::exitEditor()
{
    const bool optionsWritten = saveOptions();
    const SaveQuestionAnswer answer = askToSaveModified();
    if (answer == SaveQuestionAnswer::Cancelled)
        return false;
    // Saving put the project on top of the recent lists: write the options again (quietly
    // when the first attempt already failed and was reported).
    if (answer == SaveQuestionAnswer::Saved) {
        if (optionsWritten)
            saveOptions();
        else
            SaveEditorOptions();
    }
    return true;
}

std::string ProjectCommands::projectDialogStartFolder() const
{
    if (!hasFile(project()))
        return Folders().ProjectFolder;
    return PathDirectoryPart(project().ProjectFilePath);
}

const MenuProject& ProjectCommands::project() const
{
    return document_.project();
}

bool ProjectCommands::saveOptions()
{
    if (SaveEditorOptions())
        return true;
    ui().Message(OptionsSaveFailedText(OptionsFilePath()), platform::MsgWarning, OptionsSaveFailedTitle);
    return false;
}

}  // namespace orv::editor
