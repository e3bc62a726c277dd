#include "editor/rules/startup_rules.h"

#include <filesystem>

#include "editor/rules/desktop_open.h"
#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "model/project_folders.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"

namespace orv::editor {

std::string ProjectFolderQuestionPath() { return OrvantoDocumentsFolder(); }

std::string UserGuidePath()
{
    const auto& services = platform::services();
    std::string folder = services.folders->ProgramFolder();
    std::string pdf = JoinPath(folder, "ORVNEDIT.pdf");
    if (std::filesystem::exists(services.files->hostPath(pdf)))
        return pdf;
    return JoinPath(folder, "help\\guide.html");
}

bool OpenUserGuide() { return OpenFileOrReport(UserGuidePath()); }

std::vector<StartupStep> InteractiveStartup::run(const StartupContext& context)
{
    std::vector<StartupStep> steps;
    if (ran_ || context.batchBuild)
        return steps;
    ran_ = true;

    if (Options().ShowAppTour) {
        steps.push_back(StartupStep::AppTour);
        host_.showAppTour();
    }
    if (ProjectFolderQuestionNeeded()) {
        steps.push_back(StartupStep::ProjectFolderQuestion);
        AnswerProjectFolderQuestion(host_.askCreateProjectFolder(ProjectFolderQuestionPath()));
    }
    if (std::string myProjects = MyProjectsFolder();
        !myProjects.empty() && platform::services().files->DirExists(myProjects)) {
        steps.push_back(StartupStep::CreatedMenusFolder);
        PrepareCreatedMenusFolder();
    }
    if (!Options().DontShowStartWindow && !context.commandLineProjectOpened) {
        steps.push_back(StartupStep::StartWindow);
        actOn(host_.chooseProject());
    }
    return steps;
}

void InteractiveStartup::actOn(const StartChoice& choice)
{
    switch (choice.code) {
    case StartNewProject:
        host_.newProject(false);
        break;
    case StartNewProjectFromTemplate:
        host_.newProject(true);
        break;
    case StartOpenProject:
        host_.openProject();
        break;
    case StartOpenRecentProject:
        if (choice.entry >= 1 && choice.entry <= RecentListSize)
            host_.openRecentProject(choice.entry);
        break;
    case StartUserGuide:
        OpenUserGuide();
        break;
    case StartHelpContents:
        ShowHelpOrReport(0);
        break;
    default:
        break;
    }
}

}  // namespace orv::editor
