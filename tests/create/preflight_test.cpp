// The preflight lists every problem at once and touches nothing.
#include <gmock/gmock.h>

#include "create/preflight.h"
#include "create_fixture.h"
#include "model/sibling_products.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

class PreflightTest : public CreateTest {};

TEST_F(PreflightTest, CleanProjectHasNoProblems)
{
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf")));
    EXPECT_TRUE(PreflightCreateMenu(project).empty());
    EXPECT_TRUE(tree().empty());
}

TEST_F(PreflightTest, ListsEveryProblemOneLineEach)
{
    project.CreateDestDir.clear();
    project.LogotypePictureSrc = source("logo.png");
    project.BackgroundSoundSrc = home.win("src/gone.wav");
    project.BackgroundSound_CDFolder = "sounds";
    project.MenuMovieFilename = "C:\\m\\" + std::string(130, 'm') + ".avi";
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", home.win("src/a.pdf")));
    project.Buttons.push_back(LinkedButton("Folder", "Open Folder", "x\\*.pdf", "", "1"));
    project.Buttons.push_back(LinkedButton("All", "Show Document", "all\\a.pdf", home.win("nowhere/a.pdf"), "3"));
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE"));

    const std::vector<std::string> problems = PreflightCreateMenu(project);
    EXPECT_THAT(problems, Contains("One or more CD Folders for your pictures are empty. If you use a picture you "
                                   "must always specify a CD folder to."));
    EXPECT_THAT(problems, Contains("No destination folder is specified!"));
    EXPECT_THAT(problems, Contains("The menu program '" + programDir + "\\Release\\ORVNMENU.EXE' does not exist."));
    EXPECT_THAT(problems, Contains("The file '" + home.win("src/gone.wav") + "' does not exist."));
    EXPECT_THAT(problems, Contains(HasSubstr("contains too many characters!")));
    EXPECT_THAT(problems, Contains("Button #1: the source file '" + home.win("src/a.pdf") + "' does not exist."));
    EXPECT_THAT(problems, Contains(HasSubstr("Invalid character found.")));
    EXPECT_THAT(problems, Contains("Button #3: the source folder '" + home.win("nowhere") + "' does not exist."));
    EXPECT_EQ(problems.size(), 8u);
}

TEST_F(PreflightTest, LinksOutOfTheDestinationAndUsbRules)
{
    project.Buttons.push_back(LinkedButton("Out", "Show Document", "..\\a.pdf", source("a.pdf")));
    project.ProjectType = ProjectTypeUSB;
    project.UseAutorun = 1;
    project.CoOperateWithPortavoLink = true;
    Siblings().PortavoInstalled = true;
    Siblings().StickGuardSetupSource = home.win("portavo/SETUP-StickGuard.exe");
    const std::vector<std::string> problems = PreflightCreateMenu(project);
    EXPECT_THAT(problems, Contains("The link of button #1 ('..\\a.pdf') leads out of the destination folder '" + dest() + "'."));
    EXPECT_THAT(problems, Contains("The StickGuard setup program '" + home.win("portavo/SETUP-StickGuard.exe") +
                                   "' does not exist."));
    EXPECT_EQ(problems.size(), 2u);

    // Every value that would put a file outside, listed as the creation would name it.
    Siblings().PortavoInstalled = false;
    project.Buttons = {LinkedButton("Abs", "Show Document", home.win("x.pdf"), source("x.pdf")),
                       LinkedButton("Kept", "Run Program", "C:\\Windows\\notepad.exe", source("n.exe"), "1"),
                       LinkedButton("Root", "Show Document", "\\docs\\a.pdf", source("a.pdf"))};
    project.Buttons[0].HoverSound = source("h.wav");
    project.Buttons[0].HoverSoundFolder = "..";
    project.BackgroundSoundSrc = source("s.wav");
    project.BackgroundSound_CDFolder = "Z:\\tmp";
    EXPECT_THAT(PreflightCreateMenu(project),
                ::testing::ElementsAre(
                    "The CD folder of the background sound ('Z:\\tmp') leads out of the destination folder '" + dest() +
                        "'.",
                    "The hover sound folder of button #1 ('..') leads out of the destination folder '" + dest() + "'.",
                    "The link of button #1 ('" + home.win("x.pdf") + "') leads out of the destination folder '" +
                        dest() + "'."));
}

}  // namespace
}  // namespace orv::test
