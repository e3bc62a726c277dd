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

class TestRunTest : public CreateTest {
protected:
    std::filesystem::path testFolder() const { return home.path("Temp/ORVNTEST"); }
    ScopedRecordingShell shell;
};

TEST_F(TestRunTest, WritesDataFileAndProgramIntoTheTestFolderAndStartsIt)
{
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf")));
    ASSERT_TRUE(TestTheMenu(project, observer));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(testFolder()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_THAT(names, ElementsAre("ORVNMENU.EXE", "ORVNMENU.EXE.manifest", "ORVNMENU.MNI"));
    EXPECT_EQ(home.readFile("Temp/ORVNTEST/ORVNMENU.EXE"), "stand-in for Test/ORVNMENU.EXE");
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].kind, ShellCall::Open);
    EXPECT_EQ(shell->calls()[0].target, home.win("Temp") + "\\ORVNTEST\\ORVNMENU.EXE");
    EXPECT_EQ(shell->calls()[0].parameters, "/TEST");
    EXPECT_EQ(observer.mediaStops, 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(TestRunTest, SecondRunOverwritesAndResizeModeUsesItsSwitch)
{
    ASSERT_TRUE(TestTheMenu(project, observer));
    project.TitleText = "Changed";
    ResizeMode() = true;
    ASSERT_TRUE(TestTheMenu(project, observer));
    ResizeMode() = false;
    EXPECT_NE(home.readFile("Temp/ORVNTEST/ORVNMENU.MNI").find("TitleText = Changed"), std::string::npos);
    ASSERT_EQ(shell->calls().size(), 2u);
    EXPECT_EQ(shell->calls()[1].parameters, "/RESIZE-ENG");
    EXPECT_TRUE(messages().empty());
}

TEST_F(TestRunTest, FailuresShowTheirMessages)
{
    shell->setResult(false);
    EXPECT_FALSE(TestTheMenu(project, observer));
    EXPECT_EQ(onlyMessage(), "Can't start ORVNMENU.EXE!");
    EXPECT_EQ(messages()[0].title, "Error");
    EXPECT_EQ(messages()[0].style, 16);

    home.ui().clear();
    std::filesystem::remove(home.path("program/Test/ORVNMENU.EXE.manifest"));
    EXPECT_FALSE(TestTheMenu(project, observer));
    EXPECT_EQ(onlyMessage(), "Can't copy files to Windows temporary folder!");
    EXPECT_EQ(messages()[0].title, "Fel");

    home.ui().clear();
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
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].kind, ShellCall::Start);
    EXPECT_EQ(shell->calls()[0].target, home.win("program") + "\\Test\\ORVNMENU.EXE");
    EXPECT_THAT(shell->calls()[0].arguments, ElementsAre(dest()));
    EXPECT_EQ(observer.mediaStops, 1);

    // Under Wine only when asked and when Wine is there.
    home.writeFile("bin/wine", "#!/bin/sh\n");
    std::filesystem::permissions(home.path("bin/wine"), std::filesystem::perms::owner_all |
                                                            std::filesystem::perms::others_exec);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", home.path("bin").c_str(), 1);
    Options().RunMenusUnderWine = true;
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_EQ(shell->calls()[1].target, home.path("bin/wine").string());
    EXPECT_THAT(shell->calls()[1].arguments, ElementsAre(dest() + "\\START.EXE"));
    ::setenv("PATH", home.path("menu").c_str(), 1);
    ASSERT_TRUE(CmdRun(project, observer));  // no Wine on the PATH: this system's program
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(shell->calls()[2].target, home.win("program") + "\\Test\\ORVNMENU.EXE");

    project.CreateDestDir.clear();
    EXPECT_FALSE(CmdRun(project, observer));
    EXPECT_EQ(onlyMessage(), "You must first create a menu!");
    EXPECT_EQ(messages()[0].title, "Info");
    EXPECT_EQ(messages()[0].style, 64);
}

// A folder with only a screen-size variant: the run shows that file, and the create dialog
// asks before it writes only a variant into a folder without ORVNMENU.MNI.
TEST_F(TestRunTest, AFolderWithOnlyAScreenSizeVariant)
{
    home.writeFile("menu/ORVNMENU.EXE", "MZ");
    EXPECT_TRUE(ScreenSizeOnlyQuestion(0, dest()).empty());
    EXPECT_NE(ScreenSizeOnlyQuestion(2, dest()).find("only on screens of 800x600 pixels"), std::string::npos);

    home.writeFile("menu/orvnmenu_800x600.mni", "[MainWindow]\r\n");
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_THAT(shell->calls()[0].arguments, ElementsAre(dest() + "\\orvnmenu_800x600.mni"));

    home.writeFile("menu/orvnmenu.mni", "[MainWindow]\r\n");
    EXPECT_TRUE(ScreenSizeOnlyQuestion(2, dest()).empty());
    ASSERT_TRUE(CmdRun(project, observer));
    EXPECT_THAT(shell->calls()[1].arguments, ElementsAre(dest() + "\\orvnmenu.mni"));
}

TEST_F(TestRunTest, RunThatCannotStartSaysSo)
{
    EXPECT_FALSE(CmdRun(project, observer));  // the menu was never created there
    EXPECT_THAT(onlyMessage(), ::testing::HasSubstr("Can't start the menu program '" + dest() + "\\ORVNMENU.EXE'"));
    home.ui().clear();
    home.writeFile("menu/ORVNMENU.EXE", "MZ");
    shell->setResult(false);
    EXPECT_FALSE(CmdRun(project, observer));
    EXPECT_THAT(onlyMessage(), ::testing::HasSubstr("Can't start the menu program '" + dest() + "\\ORVNMENU.EXE'"));
}

}  // namespace
}  // namespace orv::test
