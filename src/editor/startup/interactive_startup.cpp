#include "editor/startup/interactive_startup.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "editor/dialogs/app_tour_dialog.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/project_folder_dialog.h"
#include "editor/dialogs/start_window.h"

namespace orv::editor {

void DialogStartupHost::showAppTour() { AppTourDialog::showTour(parent_); }

bool DialogStartupHost::askCreateProjectFolder(const std::string& folder)
{
    return ProjectFolderDialog::ask(shownPathText(folder), parent_);
}

StartChoice DialogStartupHost::chooseProject()
{
    StartWindow window(parent_);
    if (commands_.recentFilesChanged)
        QObject::connect(&window, &StartWindow::recentFilesChanged, &window,
                         [this] { commands_.recentFilesChanged(); });
    window.exec();
    return window.choice();
}

void DialogStartupHost::newProject(bool fromTemplate)
{
    if (commands_.newProject)
        commands_.newProject(fromTemplate);
}

void DialogStartupHost::openProject()
{
    if (commands_.openProject)
        commands_.openProject();
}

void DialogStartupHost::openRecentProject(int entry)
{
    if (commands_.openRecentProject)
        commands_.openRecentProject(entry);
}

void scheduleInteractiveStartup(QWidget* mainWindow, StartupCommands commands, StartupContext context, int delayMs)
{
    static bool scheduled = false;
    if (scheduled || context.batchBuild)
        return;
    scheduled = true;
    QPointer<QWidget> window(mainWindow);
    QTimer::singleShot(delayMs, mainWindow, [window, commands = std::move(commands), context]() {
        if (!window)
            return;
        DialogStartupHost host(window, commands);
        InteractiveStartup(host).run(context);
    });
}

}  // namespace orv::editor
