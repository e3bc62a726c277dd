// The interactive part of the editor's start-up: which windows appear once the main window
// is shown, in which order, and what the start window's choice leads to. Plain logic: the
// windows are reached through StartupHost, which the editor implements with its dialogs and
// tests with a script.
#pragma once

#include <string>
#include <vector>

namespace orv::editor {

// Codes the start window "Choose Project" returns.
enum StartCode : int {
    StartClosed = 0,  // closed without a choice
    StartNewProject = 101,
    StartNewProjectFromTemplate = 102,
    StartOpenProject = 103,
    StartOpenRecentProject = 104,  // with an entry number 1..4
    StartUserGuide = 401,
    StartHelpContents = 402,
};

struct StartChoice {
    int code = StartClosed;
    int entry = 0;  // recent-files entry for StartOpenRecentProject
};

// The steps of the interactive start, in the order they can run.
enum class StartupStep { AppTour, ProjectFolderQuestion, CreatedMenusFolder, StartWindow };

// What the start-up needs from the windows.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void showAppTour() = 0;
    // The question "Create Project Folder in My Documents" about folder; true for Yes.
    virtual bool askCreateProjectFolder(const std::string& folder) = 0;
    // The start window; returns the user's choice.
    virtual StartChoice chooseProject() = 0;
    // The main window's commands the start window's codes lead to.
    virtual void newProject(bool fromTemplate) = 0;
    virtual void openProject() = 0;
    virtual void openRecentProject(int entry) = 0;
};

// How the editor was started.
struct StartupContext {
    bool batchBuild = false;                // no interactive start at all
    bool commandLineProjectOpened = false;  // the start window is skipped
};

// The folder the project-folder question offers to create: documents + "\Orvanto".
std::string ProjectFolderQuestionPath();

// The user's guide the start window and the Help menu open: ORVNEDIT.pdf in the editor's
// folder, or the bundled HTML guide when the PDF was not produced.
std::string UserGuidePath();
// Opens the user's guide with the desktop's program; false when nothing could be opened.
bool OpenUserGuide();

class InteractiveStartup {
public:
    explicit InteractiveStartup(StartupHost& host) : host_(host) {}

    // Runs the interactive start once per editor run; later calls do nothing. Returns the
    // steps that ran, in order.
    std::vector<StartupStep> run(const StartupContext& context);

    // Acts on the start window's choice.
    void actOn(const StartChoice& choice);

private:
    StartupHost& host_;
    bool ran_ = false;
};

}  // namespace orv::editor
