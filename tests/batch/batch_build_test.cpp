// The batch build through its public function: exit codes, the log, the build folder, and
// paths given in host form or relative to the editor's folder.
#include <fstream>

#include <gmock/gmock.h>

#include "create/create_menu.h"
#include "model/messages.h"
#include "model/profile.h"
#include "model/project_file.h"
#include "support/stand_in_program_folder.h"
#include "support/test_home.h"
#include "batch/batch_build.h"
#include "templates/submenu_wizard.h"

namespace orv::test {
namespace {

using ::testing::HasSubstr;

class BatchBuildTest : public ::testing::Test {
protected:
    // Saves a small project (destination "own menu") and returns its Windows-form path.
    std::string saveProject(const std::string& relative)
    {
        MenuProject project;
        project.CreateDestDir = home.win("own menu");
        project.UseAutorun = 0;
        project.TitleFontName = "Arial";
        std::filesystem::create_directories(home.path(relative).parent_path());
        EXPECT_TRUE(SaveProjectFileAs(project, home.win(relative)));
        return home.win(relative);
    }

    int build(const std::string& commandLine)
    {
        MenuProject project;
        return RunBatchBuild(ParseCommandLine(commandLine), project);
    }

    bool exists(const std::string& relative) const { return std::filesystem::exists(home.path(relative)); }

    TestHome home;
    StandInProgramFolder program{home};
};

TEST_F(BatchBuildTest, FailuresEndWithExitCode1AndTheirMessageInTheLog)
{
    std::ofstream(home.path("notes.mnp")) << "just some notes\n";
    const std::string project = saveProject("p.mnp");
    const std::string before = home.readFile("p.mnp");
    const std::string refused = saveProject("r/demo.mnp");
    MenuProject withPicture;
    OpenProjectFile(withPicture, refused);
    withPicture.BackgroundPictureSrc = home.writeFile("r/back.png", "png");  // and no CD folder for it
    ASSERT_TRUE(SaveProjectFile(withPicture));

    const std::string log = " /LOG:" + home.win("logs/build.log");
    const std::pair<std::string, std::string> cases[] = {
        {home.win("none.mnp") + " /BUILD" + log, "The project file does not exist!\r\n"},
        {"\\\\nowhere\\share\\p.mnp /BUILD" + log, "The project file does not exist!\r\n"},
        {home.win("notes.mnp") + " /BUILD" + log, home.win("notes.mnp") + " is not a project file"},
        {refused + " /BUILD" + log, "One or more CD Folders for your pictures are empty."},
        {home.win("none.mnp") + " /BUILD", ""},  // without a log only the exit code tells
        {project + " /BUILD /LOG:" + home.path("P.MNP").string(), ""},  // the log would be the project
    };
    for (const auto& [line, logged] : cases) {
        std::filesystem::remove_all(home.path("logs"));
        std::filesystem::create_directories(home.path("logs"));
        EXPECT_EQ(build(line), 1) << line;
        if (!logged.empty())
            EXPECT_THAT(home.readFile("logs/build.log"), HasSubstr(logged));
        else
            EXPECT_FALSE(exists("logs/build.log")) << line;
    }
    EXPECT_THAT(Batch().LastMessage, HasSubstr("is the project file itself"));
    EXPECT_EQ(home.readFile("p.mnp"), before);
    EXPECT_FALSE(exists("own menu"));
    EXPECT_TRUE(home.ui().messages().empty());
}

TEST_F(BatchBuildTest, BuildFolderReplacesTheDestinationAndASuccessLeavesNoLog)
{
    const std::string projectFile = saveProject("projects/demo.mnp");
    home.writeFile("build.log", "old failure");
    EXPECT_EQ(build(projectFile + " /BUILD /BUILDFOLDER:" + home.win("out") + " /LOG:" + home.win("build.log")), 0);
    EXPECT_TRUE(exists("out/ORVNMENU.EXE"));
    EXPECT_TRUE(exists("out/orvnmenu.mni"));
    EXPECT_FALSE(exists("own menu"));
    EXPECT_FALSE(exists("build.log"));
    EXPECT_EQ(*CachedProfile(home.win("out/orvnmenu.mni")).find("Create", "CreateDestDir"), home.win("out"));
    EXPECT_EQ(LastCreationReport().size(), 4u);
    EXPECT_TRUE(home.ui().messages().empty());
}

TEST_F(BatchBuildTest, QuotedPathsWithBlanksBuildIntoTheProjectsOwnFolder)
{
    const std::string projectFile = saveProject("my projects/demo menu.mnp");
    EXPECT_EQ(build("\"" + projectFile + "\" /BUILD /LOG:\"" + home.win("my log.txt") + "\""), 0);
    EXPECT_TRUE(exists("own menu/ORVNMENU.EXE"));
    EXPECT_FALSE(exists("my log.txt"));
}

TEST_F(BatchBuildTest, HostPathsAreAcceptedForProjectFolderAndLog)
{
    saveProject("p/demo.mnp");
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE"));
    const std::string line = home.path("p/demo.mnp").string() + " /BUILD /BUILDFOLDER:" + home.path("host out").string() +
                             " /LOG:" + home.path("host.log").string();
    EXPECT_EQ(build(line), 1);
    EXPECT_EQ(home.readFile("host.log"), "Can't find 'ORVNMENU.EXE'! Can't copy!\r\n");
    // The data file was written before the stop, with the folder in Windows form.
    EXPECT_EQ(*CachedProfile(home.win("host out/orvnmenu.mni")).find("Create", "CreateDestDir"), home.win("host out"));
}

TEST_F(BatchBuildTest, RelativeProjectIsFoundBelowTheEditorsFolder)
{
    saveProject("program/Examples/Demo.mnp");
    EXPECT_EQ(ResolveCommandLineProject("Examples/Demo.mnp"), home.win("program") + "\\Examples\\Demo.mnp");
    EXPECT_EQ(build("Examples/Demo.mnp /BUILD /BUILDFOLDER:" + home.win("rel")), 0);
    EXPECT_TRUE(exists("rel/ORVNMENU.EXE"));
}

// The sub-menu wizard's builds, run here one after the other instead of as processes of
// their own: the main menu in the creation folder, each sub menu in its folder, and the
// information text copied into each (the creation writes its linked files' paths in lower case).
TEST_F(BatchBuildTest, TheSubMenuWizardsBuildsCreateEveryMenu)
{
    home.writeFile("program/Examples/Objects/Information-Text-Submenu.txt", "About this sub menu\r\n");
    MenuProject main;
    OpenProjectFile(main, saveProject("menus/Catalog.mnp"));
    SubMenuCreation creation;
    creation.count = 2;
    creation.creationFolder = home.win("disc");
    creation.programFolder = home.win("program");
    std::vector<int> exitCodes;
    creation.startBuild = [&](const std::string& project, const std::string& folder) {
        exitCodes.push_back(build("\"" + project + "\" /BUILD /BUILDFOLDER:\"" + folder + "\""));
    };
    ASSERT_TRUE(CreateSubMenus(main, creation));
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0, 0}));
    for (const char* menu : {"disc", "disc/SubMenu-1", "disc/SubMenu-2"}) {
        EXPECT_TRUE(exists(std::string(menu) + "/ORVNMENU.EXE")) << menu;
        EXPECT_TRUE(exists(std::string(menu) + "/ORVNMENU.MNI") || exists(std::string(menu) + "/orvnmenu.mni")) << menu;
    }
    EXPECT_EQ(home.readFile("disc/SubMenu-2/files/button1/information-text-submenu.txt"), "About this sub menu\r\n");
    EXPECT_THAT(home.readFile("menus/Catalog.mnp"), HasSubstr("SubMenu-2\\ORVNMENU.EXE"));
}

}  // namespace
}  // namespace orv::test
