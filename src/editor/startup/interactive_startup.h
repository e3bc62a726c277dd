// The interactive start of the editor with its windows: the application tour, the project
// folder question and the start window, run once by a short timer after the main window is
// first shown. The main window provides the commands the start window's choices lead to.
//
//     orv::editor::StartupCommands commands;
//     commands.newProject = [this](bool fromTemplate) { newProject(fromTemplate); };
//     commands.openProject = [this] { openProjectDialog(); };
//     commands.openRecentProject = [this](int entry) { openRecentFile(entry); };
//     commands.recentFilesChanged = [this] { refreshRecentMenus(); };
//     orv::editor::scheduleInteractiveStartup(this, commands, {false, openedFromCommandLine});
#pragma once

#include <functional>

#include "editor/rules/startup_rules.h"

class QWidget;

namespace orv::editor {

struct StartupCommands {
    std::function<void(bool fromTemplate)> newProject;
    std::function<void()> openProject;
    std::function<void(int entry)> openRecentProject;
    std::function<void()> recentFilesChanged;  // optional: a recent entry was removed
};

// The windows of the interactive start, shown over parent.
class DialogStartupHost : public StartupHost {
public:
    DialogStartupHost(QWidget* parent, StartupCommands commands) : parent_(parent), commands_(std::move(commands)) {}

    void showAppTour() override;
    bool askCreateProjectFolder(const std::string& folder) override;
    StartChoice chooseProject() override;
    void newProject(bool fromTemplate) override;
    void openProject() override;
    void openRecentProject(int entry) override;

private:
    QWidget* parent_;
    StartupCommands commands_;
};

// Runs the interactive start after delayMs, once per editor run (later calls do nothing).
// Nothing runs in batch mode.
void scheduleInteractiveStartup(QWidget* mainWindow, StartupCommands commands, StartupContext context,
                                int delayMs = 150);

}  // namespace orv::editor
