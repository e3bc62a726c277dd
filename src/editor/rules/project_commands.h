// The project commands of the File menu and of closing the editor: New, Open, Save, Save As,
// the recent files and folders, and Exit. Plain logic over the open project: it talks to the
// user only through the platform's user interface, so tests drive it with a scripted one.
// Nothing here ever drops a modified project without asking, and a failed save leaves the
// project open, as modified as it was and under its old name.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/menu_project.h"

namespace orv::editor {

class ProjectDocument;

inline constexpr const char* SaveQuestionText =
    "Some options have been changed. Do you want to save them on disk?";
inline constexpr const char* OpenProjectTitle = "Open Project";
inline constexpr const char* SaveProjectAsTitle = "Save Project As";
inline constexpr const char* ProjectSaveFailedTitle = "Error";
inline constexpr const char* OptionsSaveFailedTitle = "Warning";

// "Can't open '" + path + "'!"
std::string CantOpenProjectText(const std::string& path);
// The message for a project file that could not be written.
std::string ProjectSaveFailedText(const std::string& path, bool writeProtected);
// The message for an options file that could not be written.
std::string OptionsSaveFailedText(const std::string& path);

// What the windows add to a new project: the project type question (nothing back means
// cancelled) and the building of the new project (basic style, sample buttons). Without
// them a new project is a CD/DVD project with the defaults of ResetParameters.
struct NewProjectHooks {
    std::function<std::optional<std::int16_t>(bool withStyleChooser)> askProjectType;
    // Builds the project of the given type; false when the user cancelled on the way.
    std::function<bool(MenuProject& project, std::int16_t projectType, bool withStyleChooser)> createProject;
};

enum class SaveQuestionAnswer {
    NotAsked,   // the project was not modified
    Saved,      // Yes, and the project was saved
    Discarded,  // No
    Cancelled,  // Cancel, or Yes but the save failed or its dialog was cancelled
};

class ProjectCommands {
public:
    explicit ProjectCommands(ProjectDocument& document) : document_(document) {}

    void setNewProjectHooks(NewProjectHooks hooks) { hooks_ = std::move(hooks); }

    // The save question for a modified project (Yes/No/Cancel, question icon, the product
    // name as caption). Yes saves as the Save command does.
    SaveQuestionAnswer askToSaveModified();
    // True when the open project may be replaced or closed.
    bool mayReplaceProject() { return askToSaveModified() != SaveQuestionAnswer::Cancelled; }

    // New: the save question, the project type (unless the options say CD/DVD always), then
    // the new project, unmodified. Nothing changes when the user cancels anywhere.
    bool newProject(bool withStyleChooser = false);

    // Open: the save question, then the "Open Project" dialog in startFolder (the project's
    // folder, or the projects folder for an unsaved project, when empty).
    bool openProject(const std::string& startFolder = {});
    // Opens a given project file without asking first (the command line, the dialog's
    // answer); a file that does not exist is reported and nothing changes.
    bool openProjectPath(const std::string& path);

    // Save: through "Save Project As" while the project has no file yet. A failed write is
    // reported; the project stays modified.
    bool save();
    bool saveAs();

    // The File menu's recent entries (1 to 6). A recent file asks the save question, then
    // opens the file; a recent folder opens the Open dialog in that folder.
    bool openRecentFile(int entry);
    bool openRecentFolder(int entry);

    // Exit and closing the window: writes the options, then asks the save question for a
    // modified project; Yes saves and writes the options again. False keeps the editor open.
    bool exitEditor();

    // Where the project file dialog starts: the project's folder, or the projects folder
    // while the project is unsaved.
    std::string projectDialogStartFolder() const;

private:
    bool saveOptions();
    const MenuProject& project() const;

    ProjectDocument& document_;
    NewProjectHooks hooks_;
};

}  // namespace orv::editor
