// The check lists every problem at once and touches nothing; on the buttons it agrees with
// the creation.
#include <functional>

#include <gmock/gmock.h>

#include "create/preflight.h"
#include "create_fixture.h"
#include "model/editor_options.h"
#include "model/sibling_products.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::ContainsRegex;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class PreflightTest : public CreateTest {};

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
    project.Buttons.push_back(LinkedButton("Secret", "Show Document", "s.pdf", source("s.pdf")));
    project.Buttons.back().PswProtect = project.Buttons.back().PswEncrypt = "1";
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE"));
    std::filesystem::remove(home.path("program/BE/BE.exe"));

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
    EXPECT_THAT(problems, Contains("The decryption program '" + programDir + "\\BE\\BE.exe' does not exist."));
    EXPECT_EQ(problems.size(), 9u);
}

TEST_F(PreflightTest, UsbRules)
{
    project.ProjectType = ProjectTypeUSB;
    project.UseAutorun = 1;
    project.CoOperateWithPortavoLink = true;
    Siblings().PortavoInstalled = true;
    Siblings().StickGuardSetupSource = home.win("portavo/SETUP-StickGuard.exe");
    Options().USBStickExeFileName = "MYMENU.EXE";
    EXPECT_THAT(PreflightCreateMenu(project),
                ElementsAre(HasSubstr("The filename (MYMENU.EXE) of the menu interface program is not valid."),
                            "The StickGuard setup program '" + home.win("portavo/SETUP-StickGuard.exe") +
                                "' does not exist."));
}

// Every kind of button between two plain ones: where the check finds nothing the creation
// runs through; where it names the middle button the creation stops there, before the last
// button (and refusals before anything is written at all).
TEST_F(PreflightTest, CheckAndCreationAgreeOnEveryKindOfButton)
{
    enum Outcome { Created, RefusedBeforeWriting, StopsAtTheButton };
    const auto encrypted = [](MenuButton b) {
        b.PswProtect = b.PswEncrypt = "1";
        b.Psw = "pw";
        return b;
    };
    source("album/a.jpg");
    const std::string name127 = std::string(123, 'n') + ".pdf";
    struct Case {
        const char* what;
        MenuButton button;
        Outcome outcome;
    };
    const std::vector<Case> cases = {
        {"copy", LinkedButton("B", "Show Document", "docs\\b.pdf", source("b.pdf")), Created},
        {"name of 127", LinkedButton("B", "Show Document", "docs\\b.pdf", source(name127)), Created},
        {"name of 128", LinkedButton("B", "Show Document", "docs\\b.pdf", source("x" + name127)), StopsAtTheButton},
        {"path of 251", LinkedButton("B", "Show Document", "b.pdf", "C:\\" + std::string(242, 'p') + "\\b.pdf"),
         StopsAtTheButton},
        {"missing file", LinkedButton("B", "Show Document", "b.pdf", home.win("src/gone.pdf")), StopsAtTheButton},
        {"missing folder", LinkedButton("B", "Show Document", "b.pdf", home.win("gone/b.pdf")), StopsAtTheButton},
        {"not copied", LinkedButton("B", "Run Program", "C:\\x.exe", home.win("gone/x.exe"), "1"), Created},
        {"empty copy option", LinkedButton("B", "Run Program", "x.exe", home.win("gone/x.exe"), ""), Created},
        {"opened where it is", LinkedButton("B", "Show Document", "@b.pdf", home.win("gone/b.pdf")), Created},
        {"no file command", LinkedButton("B", "Open Folder", "..\\..", home.win("gone/b.pdf")), Created},
        {"link out", LinkedButton("B", "Show Document", "..\\b.pdf", source("b.pdf")), StopsAtTheButton},
        {"wildcard", LinkedButton("B", "Show Document", "docs\\*.pdf", home.win("gone/b.pdf")), Created},
        {"wildcard on a folder", LinkedButton("B", "Open Folder", "docs\\*.pdf", ""), RefusedBeforeWriting},
        {"wildcard encrypted", encrypted(LinkedButton("B", "Run Program", "bin\\*.exe", source("x.exe"))),
         RefusedBeforeWriting},
        {"whole folder", LinkedButton("B", "Show Document", "photos\\a.jpg", home.win("src/album/a.jpg"), "3"),
         Created},
        {"whole folder missing", LinkedButton("B", "Show Document", "photos\\a.jpg", home.win("gone/a.jpg"), "3"),
         StopsAtTheButton},
        {"encrypted", encrypted(LinkedButton("B", "Show Document", "docs\\b.pdf", source("b.pdf"))), Created},
        {"encrypted missing", encrypted(LinkedButton("B", "Show Document", "b.pdf", home.win("src/gone.pdf"))),
         StopsAtTheButton},
        {"encrypted not copied", encrypted(LinkedButton("B", "Show Document", "b.pdf", source("b.pdf"), "1")),
         RefusedBeforeWriting},
        {"encrypted whole folder", encrypted(LinkedButton("B", "Show Document", "b.pdf", source("b.pdf"), "3")),
         RefusedBeforeWriting},
        {"already in place", LinkedButton("B", "Show Document", "docs\\b.pdf", dest() + "\\DOCS\\b.pdf"), Created},
        {"flash", LinkedButton("B", "Play Flash Animation", "anim\\a.swf", source("a.swf")), Created},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(out(""));
        std::filesystem::create_directories(out(""));
        home.ui().clear();
        project.Buttons = {LinkedButton("First", "Show Document", "first.pdf", source("first.pdf")), c.button,
                           LinkedButton("Last", "Show Document", "last.pdf", source("last.pdf"))};
        const std::vector<std::string> problems = PreflightCreateMenu(project);
        EXPECT_TRUE(tree().empty()) << c.what;
        const bool created = create();
        EXPECT_EQ(created, c.outcome == Created) << c.what;
        EXPECT_EQ(problems.empty(), created) << c.what;
        for (const std::string& line : problems)
            EXPECT_THAT(line, ContainsRegex("utton #:? ?2[^0-9]")) << c.what;
        EXPECT_EQ(exists("last.pdf"), created) << c.what;
        EXPECT_EQ(exists("first.pdf"), c.outcome != RefusedBeforeWriting) << c.what;
    }
}

}  // namespace
}  // namespace orv::test
