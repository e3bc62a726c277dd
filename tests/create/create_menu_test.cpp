// The creation from end to end: the menu folder's tree, the menu description file, the
// report, and the driver's checks in their order with their exact messages.
#include <functional>

#include <gmock/gmock.h>

#include "create/create_menu.h"
#include "create_fixture.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/profile.h"
#include "platform/user_interface.h"

namespace orv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class CreateMenuTest : public CreateTest {};

TEST_F(CreateMenuTest, PlainMenuHasDataFileProgramAndManifestAndFourReportLines)
{
    project.ButtonStyle = 24;  // a group heading: the style after it is taken
    ASSERT_TRUE(create());
    EXPECT_THAT(tree(), ElementsAre("ORVNMENU.EXE", "ORVNMENU.EXE.manifest", "orvnmenu.mni"));
    EXPECT_EQ(read("ORVNMENU.EXE"), "stand-in for Release/ORVNMENU.EXE");
    // The copied program can still be started.
    EXPECT_NE(std::filesystem::status(out("ORVNMENU.EXE")).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
    ASSERT_EQ(observer.reports.size(), 1u);
    EXPECT_THAT(observer.reports[0].lines,
                ElementsAre("Following files have been copied to '" + dest() + "':",
                            "  ORVNMENU.EXE  -  (program file)", "  ORVNMENU.EXE.manifest  -  (manifest file)",
                            "  ORVNMENU.MNI  -  (data file)"));
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(observer.busyNow);
    const auto& data = CachedProfile(dest() + "\\orvnmenu.mni");
    EXPECT_EQ(*data.find("Create", "CreateDestDir"), dest());
    EXPECT_EQ(*data.find("ExeFilename", "ExeFilename"), "ORVNMENU.EXE");
    EXPECT_EQ(*data.find("Buttons", "ButtonStyle"), "25");
    EXPECT_FALSE(project.LastCreationDate.empty());
    EXPECT_EQ(observer.projectChanges, 1);

    // A second run overwrites the first.
    home.writeFile("menu/ORVNMENU.EXE", "old");
    project.TitleText = "Second";
    ASSERT_TRUE(create([](CreateDialogState& d) { d.descriptionFileIndex = 2; }));
    EXPECT_EQ(read("ORVNMENU.EXE"), "stand-in for Release/ORVNMENU.EXE");
    EXPECT_EQ(*CachedProfile(dest() + "\\orvnmenu_800x600.mni").find("Title", "TitleText"), "Second");
    EXPECT_EQ(observer.reports[1].lines[3], "  ORVNMENU_800X600.MNI  -  (data file)");
}

TEST_F(CreateMenuTest, ShortProgramNameIsReplacedAndUsbNameIsUsed)
{
    Options().CDExeFileName = "A.EX";
    ASSERT_TRUE(create());
    EXPECT_EQ(Options().CDExeFileName, "ORVNMENU.EXE");

    project.ProjectType = ProjectTypeUSB;
    Options().USBStickExeFileName = "start.exe";
    project.UseAutorun = 1;
    ASSERT_TRUE(create());
    EXPECT_EQ(read("START.EXE"), "stand-in for Release/ORVNMENU.EXE");
    EXPECT_TRUE(exists("START.EXE.manifest"));
    EXPECT_EQ(read("AUTORUN.INF"), "[AutoRun]\r\nOPEN=START.EXE\r\n");
}

// A trailing backslash is tested with the links made relative.
TEST_F(CreateMenuTest, DestinationAsHostPathOrWithBlanks)
{
    const struct {
        std::string typed;
        std::string folder;  // below the home
        std::string stored;  // CreateDestDir afterwards
    } cases[] = {
        {home.path("menu").string(), "menu", dest()},
        {home.win("Mën ü/Ordner mit Blanks"), "Mën ü/Ordner mit Blanks", home.win("Mën ü/Ordner mit Blanks")},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(home.path(c.folder));
        std::filesystem::create_directories(home.path(c.folder));
        project.CreateDestDir = c.typed;
        project.Buttons = {LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf", "a"))};
        ASSERT_TRUE(create()) << c.typed;
        EXPECT_EQ(project.CreateDestDir, c.stored);
        EXPECT_EQ(home.readFile(c.folder + "/docs/a.pdf"), "a") << c.typed;
        EXPECT_TRUE(std::filesystem::exists(home.path(c.folder + "/orvnmenu.mni"))) << c.typed;
    }
}

TEST_F(CreateMenuTest, PictureFoldersAreCheckedBeforeSoundsAndStopTheCreateAction)
{
    project.BackgroundSoundSrc = source("s.wav");
    project.LogotypePictureSrc = source("l.png");
    EXPECT_FALSE(CreateAction(project, observer));
    expectMessage(PicturesWithoutFolderMessage, "Error", 48);
    EXPECT_THAT(observer.tabs, ElementsAre(MainTab::Pictures));
    project.LogotypePicture_CDFolder = "pics";
    EXPECT_FALSE(CreateAction(project, observer));
    expectMessage(SoundsWithoutFolderMessage);
    EXPECT_THAT(observer.tabs, ElementsAre(MainTab::Pictures, MainTab::Sound));
    EXPECT_TRUE(tree().empty());
}

// Each refusal comes before anything is written, with its text, title and style (the
// refusal of an empty destination is tested with the create dialog).
TEST_F(CreateMenuTest, RefusalsBeforeAnythingIsWritten)
{
    const std::string longName(128, 'n');
    const auto encrypted = [](MenuButton b) {
        b.PswProtect = b.PswEncrypt = "1";
        return b;
    };
    const struct {
        std::function<void(MenuProject&)> set;
        std::string message;
        std::string title;
    } cases[] = {
        {[](MenuProject& p) { p.UseAutorun = 1; p.CreateDestDir = "c:"; }, RootOfCWithAutorunMessage, "Can't Create Menu"},
        {[](MenuProject& p) { p.UseAutorun = 1; p.CreateDestDir = "C:\\"; }, RootOfCWithAutorunMessage, "Can't Create Menu"},
        // Every name is checked before any path.
        {[&](MenuProject& p) {
             p.MenuMovieFilename = "C:\\movies\\" + longName + ".avi";
             p.BackgroundPictureSrc = "C:\\" + std::string(242, 'p') + "\\b.png";
         },
         "The filename '" + longName + ".avi' contains too many characters! The length of the filename can not "
         "exceed 127 characters. You can shorten the filename and try to create the menu again.",
         "The filename is too long"},
        {[](MenuProject& p) { p.BackgroundPictureSrc = "C:\\" + std::string(242, 'p') + "\\b.png"; },
         "The file path 'C:\\" + std::string(242, 'p') + "\\b.png' is too long! The length of the file path can not "
         "exceed 250 characters. You can place the file in another folder and try to create the menu again.",
         "The file path is too long"},
        // Every wildcard is checked before any encryption.
        {[&](MenuProject& p) {
             p.Buttons.push_back(encrypted(LinkedButton("Secret", "Show Document", "a.pdf", "x", "1")));
             p.Buttons.push_back(LinkedButton("Folder", "Open Folder", "*.pdf", "", "1"));
         },
         "Invalid character found. The file path can not contain a wildcard character (*) if this button command is "
         "used. (Button #: 3, Path: '*.pdf')",
         "Invalid character"},
    };
    project.Buttons = {LinkedButton("Docs", "Show Document", "docs\\*.pdf", source("a.pdf"))};
    for (const auto& c : cases) {
        const MenuProject saved = project;
        c.set(project);
        EXPECT_FALSE(create()) << c.message;
        project = saved;
        expectMessage(c.message, c.title, 48);
        EXPECT_TRUE(tree().empty()) << c.message;
    }
    // A folder without its whole path would land below wherever the editor runs.
    project.CreateDestDir = "relmenu";
    EXPECT_FALSE(create());
    expectMessage(RelativeDestinationMessage, "Error", 16);
    EXPECT_FALSE(std::filesystem::exists("relmenu"));
}

TEST_F(CreateMenuTest, WildcardLinkOfADocumentIsNotCopied)
{
    project.Buttons.push_back(LinkedButton("Docs", "Show Document", "Docs\\*.PDF", source("a.pdf"), "2"));
    ASSERT_TRUE(create());
    EXPECT_EQ(project.Buttons[0].CSF, "1");
    EXPECT_EQ(*CachedProfile(dest() + "\\orvnmenu.mni").find("ButtonData", "Button1CSF"), "1");
}

// A name of 127 and a path of 250 characters pass, however many bytes they take.
TEST_F(CreateMenuTest, NamesAndPathsCountCharactersNotBytes)
{
    std::string folder, name;
    for (int i = 0; i < 127; ++i)
        name += "\xC3\xA9";  // é, two bytes each
    folder = name.substr(0, 2 * 119);
    project.BackgroundPictureSrc = "C:\\" + folder + "\\" + name;
    project.BackgroundPicture_CDFolder = "pics";
    create([](CreateDialogState& d) { d.copyObjects = false; });
    for (const auto& m : messages())
        EXPECT_THAT(m.text, ::testing::Not(::testing::AnyOf(HasSubstr("too many characters"), HasSubstr("too long"))));
}

// The root of C: without autorun and a missing folder are asked about (not in a batch
// build); a drive root is never made.
TEST_F(CreateMenuTest, QuestionsAboutTheDestinationFolder)
{
    home.writeFile("drives.ini", "[Drives]\nC = " + home.path("cdrive").string() + "\nE = " +
                                     home.path("stick").string() + "\n");
    std::filesystem::create_directories(home.path("cdrive"));
    project.CreateDestDir = "C:\\";
    home.ui().answerNext(platform::AnswerYes);
    EXPECT_FALSE(create());
    expectMessage(RootOfCQuestion, "Warning", 52);
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_TRUE(create());
    EXPECT_TRUE(std::filesystem::exists(home.path("cdrive/orvnmenu.mni")));

    project.CreateDestDir = home.win("new/menu");
    home.ui().clear();
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(create());
    expectMessage("The '" + project.CreateDestDir + "' folder doesn't exists on the hard drive! Do you want to create "
                  "it now?", "Folder Does Not Exists", 68);
    EXPECT_FALSE(std::filesystem::exists(home.path("new")));
    home.ui().answerNext(platform::AnswerYes);
    EXPECT_TRUE(create());
    EXPECT_TRUE(std::filesystem::exists(home.path("new/menu/orvnmenu.mni")));

    // Not asked: the data file cannot be written on a drive that is not there.
    project.CreateDestDir = "E:\\";
    home.ui().clear();
    EXPECT_FALSE(create());
    expectMessage("Can't create E:\\ORVNMENU.MNI! Check that the path is correct!");
    EXPECT_FALSE(std::filesystem::exists(home.path("stick")));

    // A batch build asks nothing.
    Batch().BatchBuildMode = true;
    project.CreateDestDir = "C:\\";
    EXPECT_TRUE(create());
    EXPECT_TRUE(messages().empty());
}

TEST_F(CreateMenuTest, FolderThatCannotBeMadeEndsWithItsMessage)
{
    home.writeFile("blocker", "a file where a folder should be");
    project.CreateDestDir = home.win("blocker") + "\\menu";
    EXPECT_FALSE(create());
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "Can not create the '" + project.CreateDestDir + "' folder!");
    EXPECT_EQ(messages()[1].title, "Can't create folder");
    EXPECT_EQ(messages()[1].style, 64);

    // A batch build makes the folder without asking; when that fails the data file can
    // not be written and the log says so.
    home.ui().clear();
    Batch().BatchBuildMode = true;
    Batch().BatchLogFile = home.win("log.txt");
    EXPECT_FALSE(create());
    EXPECT_TRUE(messages().empty());
    EXPECT_THAT(home.readFile("log.txt"), HasSubstr("\\MENU\\ORVNMENU.MNI! Check that the path is correct!"));
}

TEST_F(CreateMenuTest, LinksIntoTheDestinationBecomeRelative)
{
    home.writeFile("drives.ini", "[Drives]\nE = " + home.path("stick").string() + "\n");
    std::filesystem::create_directories(home.path("stick/Menu"));
    // A trailing backslash is not part of the destination's name.
    for (const char* destination : {"E:\\Menu", "E:\\Menu\\"}) {
        project.CreateDestDir = destination;
        project.Buttons = {LinkedButton("Doc", "Show Document", "\\Menu\\Docs\\A.pdf", source("a.pdf", "a")),
                           LinkedButton("Folder", "Open Folder", "\\menu\\docs", "", "1"),
                           LinkedButton("Other", "Show Document", "\\menus\\a.pdf", "", "1")};
        ASSERT_TRUE(create()) << destination;
        EXPECT_EQ(project.Buttons[0].Link, "docs\\a.pdf");
        EXPECT_EQ(project.Buttons[1].Link, "\\menu\\docs");
        EXPECT_EQ(project.Buttons[2].Link, "\\menus\\a.pdf");
        EXPECT_EQ(*CachedProfile("E:\\Menu\\orvnmenu.mni").find("ButtonData", "Button1Link"), "docs\\a.pdf");
        EXPECT_EQ(home.readFile("stick/Menu/docs/a.pdf"), "a");
        std::filesystem::remove_all(home.path("stick/Menu/docs"));
    }
}

// A missing file of the program folder stops the creation after the files before it,
// with the pointer restored.
TEST_F(CreateMenuTest, MissingProgramFilesStopWithTheirMessages)
{
    const struct {
        const char* removed;
        std::string message;
    } cases[] = {
        {"Release/ORVNMENU.EXE", "Can't find 'ORVNMENU.EXE'! Can't copy!"},
        {"Release/ORVNMENU.EXE.manifest", "Can't find 'ORVNMENU.EXE.manifest'! Can't copy!"},
        {"Release", "Can't copy 'ORVNMENU.EXE'! Source or destination folder is invalid!"},
        {"FlashPlayer/VTFlashPlayer.exe.manifest", "Can't find 'VTFlashPlayer.exe.manifest'! Can't copy!"},
    };
    project.Buttons.push_back(LinkedButton("Intro", "Play Flash Animation", "intro.swf", "", "1"));
    for (const auto& c : cases) {
        for (const char* file : {"Release/ORVNMENU.EXE", "Release/ORVNMENU.EXE.manifest",
                                 "FlashPlayer/VTFlashPlayer.exe.manifest"})
            home.writeFile(std::string("program/") + file, std::string("stand-in for ") + file);
        std::filesystem::remove_all(home.path(std::string("program/") + c.removed));
        std::filesystem::remove_all(out(""));
        std::filesystem::create_directories(out(""));
        observer.copiedNames.clear();
        EXPECT_FALSE(create()) << c.removed;
        expectMessage(c.message, "", 16);
        EXPECT_FALSE(observer.busyNow);
    }
    EXPECT_THAT(observer.copiedNames,
                ElementsAre("orvnmenu.mni", "ORVNMENU.EXE", "ORVNMENU.EXE.manifest", "VTFlashPlayer.exe",
                            "VTFlashPlayer.exe.manifest"));
}

}  // namespace
}  // namespace orv::test
