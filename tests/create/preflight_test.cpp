// The check lists every problem at once and touches nothing; on the buttons it agrees with
// the creation, whose stop at each button is tested here with its message.
#include <gmock/gmock.h>

#include "create/copy_messages.h"
#include "create/preflight.h"
#include "create_fixture.h"
#include "model/editor_options.h"
#include "model/sibling_products.h"

namespace orv::test {
namespace {

using ::testing::ContainsRegex;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class PreflightTest : public CreateTest {};

TEST_F(PreflightTest, ListsEveryProblemOneLineEach)
{
    project.CreateDestDir.clear();
    project.LogotypePictureSrc = source("logo.png");
    const std::string sound250 = "C:\\" + std::string(241, 's') + "\\b.wav";  // missing, not too long
    project.BackgroundSoundSrc = sound250;
    project.BackgroundSound_CDFolder = "sounds";
    project.MenuMovieFilename = "C:\\m\\" + std::string(130, 'm') + ".avi";
    project.Buttons.push_back(LinkedButton("Secret", "Show Document", "s.pdf", source("s.pdf")));
    project.Buttons.back().PswProtect = project.Buttons.back().PswEncrypt = "1";
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE"));
    std::filesystem::remove(home.path("program/BE/BE.exe"));

    EXPECT_THAT(PreflightCreateMenu(project),
                ElementsAre("One or more CD Folders for your pictures are empty. If you use a picture you must always "
                            "specify a CD folder to.",
                            "No destination folder is specified!",
                            "The menu program '" + programDir + "\\Release\\ORVNMENU.EXE' does not exist.",
                            HasSubstr("contains too many characters!"), "The file '" + sound250 + "' does not exist.",
                            "The decryption program '" + programDir + "\\BE\\BE.exe' does not exist."));
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
// runs through; where it names the middle button the creation stops there with its message,
// before the last button (a refusal before anything is written at all), and a file outside
// the destination is never touched.
TEST_F(PreflightTest, CheckAndCreationAgreeOnEveryKindOfButton)
{
    enum Outcome { Created, RefusedBeforeWriting, StopsAtTheButton };
    const auto encrypted = [](MenuButton b) {
        b.PswProtect = b.PswEncrypt = "1";
        b.Psw = "pw";
        return b;
    };
    const auto outside = [this](const std::string& link) {
        return "The link of button #2 ('" + link + "') leads out of the destination folder '" + dest() +
               "'. A file that is copied to the menu must stay inside the menu folder. Change the link and try "
               "again. Can't create the menu!";
    };
    source("album/a.jpg");
    const std::string victim = home.writeFile("victim.pdf", "keep");
    const std::string name127 = std::string(123, 'n') + ".pdf";
    const std::string path251 = "C:\\" + std::string(242, 'p') + "\\b.pdf";
    const std::string fileCopy = "Error (At File Copy)";
    struct Case {
        const char* what;
        MenuButton button;
        Outcome outcome;
        std::string message = {};  // the creation's only message, and its title
        std::string title = {};
    };
    const std::vector<Case> cases = {
        {"copy", LinkedButton("B", "Show Document", "docs\\..\\b.pdf", source("b.pdf")), Created},
        {"name of 127", LinkedButton("B", "Show Document", "docs\\b.pdf", source(name127)), Created},
        {"name of 128", LinkedButton("B", "Show Document", "docs\\b.pdf", source("x" + name127)), StopsAtTheButton,
         "The filename 'x" + name127 + "' contains too many characters! The length of the filename can not exceed "
         "127 characters. You can shorten the filename and try to create the menu again.",
         "The filename is too long"},
        {"path of 251", LinkedButton("B", "Show Document", "b.pdf", path251), StopsAtTheButton,
         "The file path 'c:\\" + std::string(242, 'p') + "\\b.pdf' is too long! The length of the file path can not "
         "exceed 250 characters. You can place the file in another folder and try to create the menu again.",
         "The file path is too long"},
        {"missing file", LinkedButton("B", "Show Document", "b.pdf", home.win("src/gone.pdf")), StopsAtTheButton,
         "Can't find the file 'gone.pdf' at specified path! Can't copy. Can't create the menu!", fileCopy},
        {"missing folder", LinkedButton("B", "Show Document", "b.pdf", home.win("gone/b.pdf")), StopsAtTheButton,
         SourceFolderAdvice, "Information"},
        {"not copied", LinkedButton("B", "Run Program", "C:\\x.exe", home.win("gone/x.exe"), "1"), Created},
        {"empty copy option", LinkedButton("B", "Run Program", "x.exe", home.win("gone/x.exe"), ""), Created},
        {"opened where it is", LinkedButton("B", "Show Document", "@b.pdf", home.win("gone/b.pdf")), Created},
        {"no file command", LinkedButton("B", "Open Folder", "..\\..", home.win("gone/b.pdf")), Created},
        {"link out", LinkedButton("B", "Show Document", "docs\\..\\..\\b.pdf", source("b.pdf")), StopsAtTheButton,
         outside("docs\\..\\..\\b.pdf"), fileCopy},
        {"absolute link out", LinkedButton("B", "Show Document", victim, source("evil.pdf", "evil")), StopsAtTheButton,
         outside(victim), fileCopy},
        {"whole folder out", LinkedButton("B", "Show Document", victim, source("evil.pdf", "evil"), "3"),
         StopsAtTheButton, outside(victim), fileCopy},
        {"wildcard", LinkedButton("B", "Show Document", "docs\\*.pdf", home.win("gone/b.pdf")), Created},
        {"wildcard on a folder", LinkedButton("B", "Open Folder", "Docs\\*.pdf", ""), RefusedBeforeWriting,
         "Invalid character found. The file path can not contain a wildcard character (*) if this button command is "
         "used. (Button #: 2, Path: 'docs\\*.pdf')",
         "Invalid character"},
        {"wildcard encrypted", encrypted(LinkedButton("B", "Run Program & Close", "bin\\*.exe", source("x.exe"))),
         RefusedBeforeWriting,
         "If a wildcard character (*) is used in the file path, the file can not be encrypted. (Button #: 2, Path: "
         "'bin\\*.exe')",
         "Encryption not possible"},
        {"whole folder", LinkedButton("B", "Show Document", "photos\\a.jpg", home.win("src/album/a.jpg"), "3"),
         Created},
        {"whole folder missing", LinkedButton("B", "Show Document", "photos\\a.jpg", home.win("gone/a.jpg"), "3"),
         StopsAtTheButton,
         "A problem occurred when copying files to the '" + dest() +
             "\\photos' folder (multiple file copy, button #: 2). Can not create menu!",
         "Error"},
        {"encrypted", encrypted(LinkedButton("B", "Show Document", "docs\\b.pdf", source("b.pdf"))), Created},
        {"encrypted missing", encrypted(LinkedButton("B", "Show Document", "b.pdf", home.win("src/gone.pdf"))),
         StopsAtTheButton,
         "A problem occurred when copying and encrypting the file 'gone.pdf' (button #: 2, error code: 2, error "
         "message: File not found.). Can not create menu!",
         "Error"},
        {"encrypted not copied", encrypted(LinkedButton("Secret", "Show Document", "b.pdf", source("b.pdf"), "1")),
         RefusedBeforeWriting,
         "The file of button #2 ('Secret') is to be encrypted, but the button does not copy its source file to the "
         "menu. Only a copied file can be encrypted: choose \"Copy the source file\" in the button's options, or turn "
         "the encryption off. Can not create menu!",
         "Encryption not possible"},
        {"encrypted whole folder", encrypted(LinkedButton("B", "Show Document", "b.pdf", source("b.pdf"), "3")),
         RefusedBeforeWriting},
        {"already in place", LinkedButton("B", "Show Document", "docs\\b.pdf", dest() + "\\DOCS\\b.pdf"), Created},
        {"flash", LinkedButton("B", "Play Flash Animation", "anim\\a.swf", source("a.swf")), Created},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(out(""));
        std::filesystem::create_directories(out(""));
        home.ui().clear();
        project.Buttons = {LinkedButton("First", "Show Document", "first.pdf", source("first.pdf")), c.button,
                           LinkedButton("Last", "Show Document", "last.pdf", source("last.pdf"))};
        const std::vector<std::string> problems = PreflightCreateMenu(project);
        EXPECT_TRUE(tree().empty());
        const bool created = create();
        EXPECT_EQ(created, c.outcome == Created);
        EXPECT_EQ(problems.empty(), created);
        for (const std::string& line : problems)
            EXPECT_THAT(line, ContainsRegex("utton #:? ?2[^0-9]"));
        EXPECT_EQ(exists("last.pdf"), created);
        EXPECT_EQ(exists("first.pdf"), c.outcome != RefusedBeforeWriting);
        if (!c.message.empty()) {
            EXPECT_EQ(onlyMessage(), c.message);
            EXPECT_EQ(messages().empty() ? "" : messages()[0].title, c.title);
        }
        EXPECT_EQ(home.readFile("victim.pdf"), "keep");
    }
}

}  // namespace
}  // namespace orv::test
