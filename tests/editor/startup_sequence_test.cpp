// The interactive start-up: which windows appear in which order for the options and the
// command line, what the project-folder answers do, and where the start codes lead.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/rules/desktop_open.h"
#include "editor/rules/startup_rules.h"
#include "model/editor_options.h"
#include "model/project_folders.h"
#include "model/recent_list.h"
#include "support/recording_shell.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class ScriptedStartupHost : public StartupHost {
public:
    bool answerCreateFolder = true;
    StartChoice startChoice{StartClosed, 0};
    std::vector<std::string> calls;
    std::string askedFolder;

    void showAppTour() override { calls.push_back("tour"); }
    bool askCreateProjectFolder(const std::string& folder) override
    {
        calls.push_back("folder question");
        askedFolder = folder;
        return answerCreateFolder;
    }
    StartChoice chooseProject() override
    {
        calls.push_back("start window");
        return startChoice;
    }
    void newProject(bool fromTemplate) override { calls.push_back(fromTemplate ? "new from template" : "new"); }
    void openProject() override { calls.push_back("open"); }
    void openRecentProject(int entry) override { calls.push_back("recent " + std::to_string(entry)); }
};

class StartupSequenceTest : public test::HomeTest {
protected:
    void SetUp() override { Folders() = EditorFolders{}; }
    void TearDown() override { Folders() = EditorFolders{}; }

    bool exists(const std::string& relative) { return std::filesystem::is_directory(home.path(relative)); }

    ScriptedStartupHost host;
};

using Steps = std::vector<StartupStep>;

TEST_F(StartupSequenceTest, WindowsShownFollowTheOptionsAndTheCommandLine)
{
    struct Case {
        const char* what;
        bool tour, folderAnswered, dontShowStartWindow;
        StartupContext context;
        Steps steps;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"first start", true, false, false, {},
         {StartupStep::AppTour, StartupStep::ProjectFolderQuestion, StartupStep::StartWindow},
         {"tour", "folder question", "start window", "open"}},
        {"answered question", true, true, false, {}, {StartupStep::AppTour, StartupStep::StartWindow},
         {"tour", "start window", "open"}},
        {"all switched off", false, true, true, {}, {}, {}},
        // A project opened from the command line skips the start window even when it is wanted.
        {"command line", false, true, false, {false, true}, {}, {}},
        {"batch build", true, false, false, {true, false}, {}, {}},
    };
    host.answerCreateFolder = false;
    host.startChoice = {StartOpenProject, 0};
    for (const Case& c : cases) {
        Options().ShowAppTour = c.tour;
        Options().MyProjectsFolderAutoCreateDone = c.folderAnswered;
        Options().DontShowStartWindow = c.dontShowStartWindow;
        host.calls.clear();
        EXPECT_EQ(InteractiveStartup(host).run(c.context), c.steps) << c.what;
        EXPECT_EQ(host.calls, c.calls) << c.what;
    }
    EXPECT_EQ(host.askedFolder, home.win("Documents/Orvanto"));
    EXPECT_FALSE(Options().MyProjectsFolderAutoCreateDone) << "a batch build answers nothing";
}

TEST_F(StartupSequenceTest, ProjectFolderAnswersAndAnExistingFolderOnlyOncePerRun)
{
    struct Case {
        const char* what;
        bool existing, answer;
        Steps steps;
        bool created;
    };
    const Case cases[] = {
        {"yes", false, true,
         {StartupStep::AppTour, StartupStep::ProjectFolderQuestion, StartupStep::CreatedMenusFolder}, true},
        {"no", false, false, {StartupStep::AppTour, StartupStep::ProjectFolderQuestion}, false},
        // An existing projects folder counts as answered and gets its menus folder.
        {"existing", true, false, {StartupStep::AppTour, StartupStep::CreatedMenusFolder}, true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(home.path("Documents/Orvanto"));
        if (c.existing)
            std::filesystem::create_directories(home.path("Documents/Orvanto/My Projects"));
        Options().MyProjectsFolderAutoCreateDone = false;
        Options().DontShowStartWindow = true;
        Folders() = EditorFolders{};
        host.answerCreateFolder = c.answer;
        InteractiveStartup startup(host);
        EXPECT_EQ(startup.run({}), c.steps) << c.what;
        EXPECT_TRUE(startup.run({}).empty()) << "only once per editor run";
        EXPECT_TRUE(Options().MyProjectsFolderAutoCreateDone) << c.what;
        EXPECT_EQ(exists("Documents/Orvanto/My Projects"), c.created || c.existing) << c.what;
        EXPECT_EQ(exists("Documents/Orvanto/My Created Menus"), c.created) << c.what;
        EXPECT_EQ(Folders().CreatedMenusFolder, c.created ? home.win("Documents/Orvanto/My Created Menus") : "");
        if (c.answer) {
            EXPECT_EQ(Folders().ProjectFolder, home.win("Documents/Orvanto/My Projects"));
        }
    }
}

TEST_F(StartupSequenceTest, StartCodesLeadToTheirCommands)
{
    InteractiveStartup startup(host);
    startup.actOn({StartNewProject, 0});
    startup.actOn({StartNewProjectFromTemplate, 0});
    startup.actOn({StartOpenProject, 0});
    startup.actOn({StartOpenRecentProject, 3});
    startup.actOn({StartClosed, 0});
    // A recent entry outside the lists is ignored rather than passed on.
    startup.actOn({StartOpenRecentProject, 0});
    startup.actOn({StartOpenRecentProject, 7});
    EXPECT_EQ(host.calls, (std::vector<std::string>{"new", "new from template", "open", "recent 3"}));

    // The guide and help go through the shell.
    test::ScopedRecordingShell shell;
    host.calls.clear();
    startup.actOn({StartHelpContents, 0});
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].kind, test::ShellCall::Help);
    EXPECT_EQ(shell->calls()[0].contextNumber, 0);

    startup.actOn({StartUserGuide, 0});
    ASSERT_EQ(shell->calls().size(), 2u);
    EXPECT_EQ(shell->calls()[1].kind, test::ShellCall::Open);
    EXPECT_EQ(shell->calls()[1].target, UserGuidePath());
    EXPECT_TRUE(host.calls.empty());
    // The PDF when it was produced, else the HTML guide.
    const std::string guide = UserGuidePath();
    EXPECT_TRUE(guide.ends_with("\\ORVNEDIT.pdf") || guide.ends_with("\\help\\guide.html")) << guide;

    // When nothing opens them, the user is told, with the page's host path.
    shell->setResult(false);
    startup.actOn({StartHelpContents, 0});
    startup.actOn({StartUserGuide, 0});
    ASSERT_EQ(home.ui().messages().size(), 2u);
    EXPECT_EQ(home.ui().messages()[0].title, CannotOpenTitle);
    EXPECT_NE(home.ui().messages()[0].text.find("help/index.html"), std::string::npos) << home.ui().messages()[0].text;
    EXPECT_NE(home.ui().messages()[1].text.find("file"), std::string::npos);
}

}  // namespace
}  // namespace orv::editor
