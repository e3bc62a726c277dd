// Trying the menu (TestTheMenu) and running the created menu (CmdRun) through a recording
// shell.
#include <gmock/gmock.h>

#include "create/create_dialog.h"
#include "create/test_run.h"
#include "create_fixture.h"
#include "model/editor_options.h"
#include "support/recording_shell.h"

namespace orv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class TestRunTest : public CreateTest {
protected:
    ScopedRecordingShell shell;
};

TEST_F(TestRunTest, WritesDataFileAndProgramIntoTheTestFolderAndStartsIt)
{
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf")));
    ASSERT_TRUE(TestTheMenu(project, observer));
    project.TitleText = "Changed";
    ASSERT_TRUE(TestTheMenu(project, observer));  // a second run overwrites the first
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home.path("Temp/ORVNTEST")))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_THAT(names, ElementsAre("ORVNMENU.EXE", "ORVNMENU.EXE.manifest", "ORVNMENU.MNI"));
    EXPECT_EQ(home.readFile("Temp/ORVNTEST/ORVNMENU.EXE"), "stand-in for Test/ORVNMENU.EXE");
    EXPECT_THAT(home.readFile("Temp/ORVNTEST/ORVNMENU.MNI"), HasSubstr("TitleText = Changed"));
    ASSERT_EQ(shell->calls().size(), 2u);
    EXPECT_EQ(shell->calls()[1].kind, ShellCall::Open);
    EXPECT_EQ(shell->calls()[1].target, home.win("Temp") + "\\ORVNTEST\\ORVNMENU.EXE");
    EXPECT_EQ(shell->calls()[1].parameters, "/TEST");
    EXPECT_EQ(observer.mediaStops, 2);
    EXPECT_TRUE(messages().empty());
}

TEST_F(TestRunTest, FailuresShowTheirMessages)
{
    shell->setResult(false);
    EXPECT_FALSE(TestTheMenu(project, observer));
    expectMessage("Can't start ORVNMENU.EXE!", "Error", 16);
    std::filesystem::remove(home.path("program/Test/ORVNMENU.EXE.manifest"));
    EXPECT_FALSE(TestTheMenu(project, observer));
    expectMessage("Can't copy files to Windows temporary folder!", "Fel");
    std::filesystem::remove_all(home.path("Temp"));
    home.writeFile("Temp", "not a folder");
    EXPECT_FALSE(TestTheMenu(project, observer));
    EXPECT_EQ(onlyMessage(), "Can't create data file!");
}

// The created program is a Windows program: here the editor's own build of the menu
// program shows the created menu's folder, or Wine runs the created program when asked.
TEST_F(TestRunTest, RunShowsTheCreatedMenuWithThisSystemsProgramOrUnderWine)
{
    project.ProjectType = ProjectTypeUSB;
    Options().USBStickExeFileName = "start.exe";
    home.writeFile("menu/START.EXE", "MZ");
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_EQ(shell->calls()[0].kind, ShellCall::Start);
    EXPECT_EQ(shell->calls()[0].target, home.win("program") + "\\Test\\ORVNMENU.EXE");
    EXPECT_THAT(shell->calls()[0].arguments, ElementsAre(dest()));
    EXPECT_EQ(observer.mediaStops, 1);

    // Under Wine only when asked and when Wine is there.
    home.writeFile("bin/wine", "#!/bin/sh\n");
    std::filesystem::permissions(home.path("bin/wine"), std::filesystem::perms(0701));
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    Options().RunMenusUnderWine = true;
    ::setenv("PATH", home.path("bin").c_str(), 1);
    ASSERT_TRUE(CmdRun(project, observer));
    ::setenv("PATH", home.path("menu").c_str(), 1);
    ASSERT_TRUE(CmdRun(project, observer));  // no Wine on the PATH: this system's program
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(shell->calls()[1].target, home.path("bin/wine").string());
    EXPECT_THAT(shell->calls()[1].arguments, ElementsAre(dest() + "\\START.EXE"));
    EXPECT_EQ(shell->calls()[2].target, home.win("program") + "\\Test\\ORVNMENU.EXE");

    project.CreateDestDir.clear();
    EXPECT_FALSE(CmdRun(project, observer));
    expectMessage("You must first create a menu!", "Info");
}

// A folder with only a screen-size variant: the run shows that file, and the create dialog
// asks before it writes only a variant into a folder without ORVNMENU.MNI.
TEST_F(TestRunTest, AFolderWithOnlyAScreenSizeVariant)
{
    const std::string cannotStart = "Can't start the menu program '" + dest() +
                                    "\\ORVNMENU.EXE'! Check that the menu has been created in this folder and try again.";
    EXPECT_FALSE(CmdRun(project, observer));  // the menu was never created there
    expectMessage(cannotStart, "Error", 16);
    home.writeFile("menu/ORVNMENU.EXE", "MZ");
    EXPECT_TRUE(ScreenSizeOnlyQuestion(0, dest()).empty());
    EXPECT_THAT(ScreenSizeOnlyQuestion(2, dest()), HasSubstr("only on screens of 800x600 pixels"));

    home.writeFile("menu/orvnmenu_800x600.mni", "[MainWindow]\r\n");
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_THAT(shell->calls()[0].arguments, ElementsAre(dest() + "\\orvnmenu_800x600.mni"));

    home.writeFile("menu/orvnmenu.mni", "[MainWindow]\r\n");
    EXPECT_TRUE(ScreenSizeOnlyQuestion(2, dest()).empty());
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_THAT(shell->calls()[1].arguments, ElementsAre(dest() + "\\orvnmenu.mni"));

    shell->setResult(false);
    EXPECT_FALSE(CmdRun(project, observer));
    expectMessage(cannotStart);
}

}  // namespace
}  // namespace orv::test
