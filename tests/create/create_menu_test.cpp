// The creation from end to end: the menu folder's tree, the menu description file, the
// report, and the driver's checks in their order with their exact messages.
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
    // The data file names the destination and the program; the project learns the date.
    const auto& data = CachedProfile(dest() + "\\orvnmenu.mni");
    EXPECT_EQ(*data.find("Create", "CreateDestDir"), dest());
    EXPECT_EQ(*data.find("ExeFilename", "ExeFilename"), "ORVNMENU.EXE");
    EXPECT_FALSE(project.LastCreationDate.empty());
    EXPECT_EQ(observer.projectChanges, 1);
}

TEST_F(CreateMenuTest, ChosenResolutionWritesOnlyThatDataFile)
{
    ASSERT_TRUE(create([](CreateDialogState& d) { d.ComboScrResDataFiles = 2; }));
    EXPECT_TRUE(exists("orvnmenu_800x600.mni"));
    EXPECT_FALSE(exists("orvnmenu.mni"));
    EXPECT_EQ(observer.reports[0].lines[3], "  ORVNMENU_800X600.MNI  -  (data file)");
}

TEST_F(CreateMenuTest, ShortProgramNameIsReplacedAndUsbNameIsUsed)
{
    Options().CDExeFileName = "A.EX";
    ASSERT_TRUE(create());
    EXPECT_EQ(Options().CDExeFileName, "ORVNMENU.EXE");
    EXPECT_TRUE(exists("ORVNMENU.EXE"));

    project.ProjectType = ProjectTypeUSB;
    Options().USBStickExeFileName = "start.exe";
    project.UseAutorun = 1;
    ASSERT_TRUE(create());
    EXPECT_EQ(read("START.EXE"), "stand-in for Release/ORVNMENU.EXE");
    EXPECT_TRUE(exists("START.EXE.manifest"));
    EXPECT_EQ(read("AUTORUN.INF"), "[AutoRun]\r\nOPEN=START.EXE\r\n");
}

TEST_F(CreateMenuTest, DestinationTypedAsHostPathIsUsedInWindowsForm)
{
    project.CreateDestDir = home.path("menu").string();
    ASSERT_TRUE(create());
    EXPECT_TRUE(exists("orvnmenu.mni"));
    EXPECT_EQ(project.CreateDestDir, dest());
}

TEST_F(CreateMenuTest, NonAsciiDestinationWithBlanks)
{
    project.CreateDestDir = home.win("Mën ü/Ordner mit Blanks");
    ASSERT_TRUE(create());
    EXPECT_TRUE(std::filesystem::exists(home.path("Mën ü/Ordner mit Blanks/ORVNMENU.EXE")));
}

TEST_F(CreateMenuTest, PictureFoldersAreCheckedBeforeSoundsAndStopTheCreateAction)
{
    project.BackgroundSoundSrc = source("s.wav");
    project.LogotypePictureSrc = source("l.png");
    EXPECT_FALSE(CreateAction(project, observer));
    EXPECT_EQ(onlyMessage(), PicturesWithoutFolderMessage);
    EXPECT_EQ(messages()[0].style, 48);
    EXPECT_EQ(messages()[0].title, "Error");
    EXPECT_THAT(observer.tabs, ElementsAre(MainTab::Pictures));

    home.ui().clear();
    project.LogotypePicture_CDFolder = "pics";
    EXPECT_FALSE(CreateAction(project, observer));
    EXPECT_EQ(onlyMessage(), SoundsWithoutFolderMessage);
    EXPECT_THAT(observer.tabs, ElementsAre(MainTab::Pictures, MainTab::Sound));
    EXPECT_TRUE(tree().empty());
}

TEST_F(CreateMenuTest, CreateActionRunsTheDialogAndCopiesItsValuesBack)
{
    struct LabelTyping : RecordingObserver {
        void runCreateDialog(MenuProject& p, CreateDialogState& d) override
        {
            d.tLabel = "NEW LABEL";
            CmdCreateMenu(p, d, *this);
        }
    } typing;
    EXPECT_TRUE(CreateAction(project, typing));
    EXPECT_EQ(project.DiscLabel, "NEW LABEL");
    EXPECT_EQ(typing.reports.size(), 1u);
}

TEST_F(CreateMenuTest, EmptyDestinationIsRefusedThroughTheMessageRoutine)
{
    project.CreateDestDir.clear();
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "No destination folder is specified!");
    EXPECT_EQ(messages()[0].style, 16);

    // In a batch build the refusal lands in the log.
    Batch().BatchBuildMode = true;
    Batch().BatchLogFile = home.win("build.log");
    EXPECT_FALSE(create());
    EXPECT_EQ(home.readFile("build.log"), "No destination folder is specified!\r\n");
    EXPECT_TRUE(Batch().BatchErrorLogged);
}

TEST_F(CreateMenuTest, RootOfDriveCWithAutorunIsRefused)
{
    project.UseAutorun = 1;
    for (const char* root : {"c:", "C:\\"}) {
        home.ui().clear();
        project.CreateDestDir = root;
        EXPECT_FALSE(create());
        EXPECT_EQ(onlyMessage(), RootOfCWithAutorunMessage);
        EXPECT_EQ(messages()[0].title, "Can't Create Menu");
        EXPECT_EQ(messages()[0].style, 48);
    }
}

TEST_F(CreateMenuTest, RootOfDriveCWithoutAutorunAsksAndNoGoesOn)
{
    home.writeFile("drives.ini", "[Drives]\nC = " + home.path("cdrive").string() + "\n");
    std::filesystem::create_directories(home.path("cdrive"));
    project.CreateDestDir = "C:\\";
    home.ui().answerNext(platform::AnswerYes);
    EXPECT_FALSE(create());
    EXPECT_EQ(messages()[0].text, RootOfCQuestion);
    EXPECT_EQ(messages()[0].style, 52);
    EXPECT_EQ(messages()[0].title, "Warning");

    home.ui().clear();
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_TRUE(create());
    EXPECT_TRUE(std::filesystem::exists(home.path("cdrive/orvnmenu.mni")));

    // A batch build is not asked and goes on.
    home.ui().clear();
    Batch().BatchBuildMode = true;
    EXPECT_TRUE(create());
    EXPECT_TRUE(messages().empty());
}

TEST_F(CreateMenuTest, MissingDestinationFolderIsAskedForAndCreated)
{
    project.CreateDestDir = home.win("new/menu");
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(create());
    EXPECT_EQ(messages()[0].text, "The '" + project.CreateDestDir +
                                      "' folder doesn't exists on the hard drive! Do you want to create it now?");
    EXPECT_EQ(messages()[0].style, 68);
    EXPECT_EQ(messages()[0].title, "Folder Does Not Exists");
    EXPECT_FALSE(std::filesystem::exists(home.path("new")));

    home.ui().answerNext(platform::AnswerYes);
    EXPECT_TRUE(create());
    EXPECT_TRUE(std::filesystem::exists(home.path("new/menu/orvnmenu.mni")));
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

TEST_F(CreateMenuTest, DriveRootIsNeverCreated)
{
    home.writeFile("drives.ini", "[Drives]\nE = " + home.path("stick").string() + "\n");
    project.CreateDestDir = "E:\\";
    EXPECT_FALSE(create());
    // Not asked: the data file cannot be written on a drive that is not there.
    EXPECT_EQ(onlyMessage(), "Can't create E:\\ORVNMENU.MNI! Check that the path is correct!");
    EXPECT_FALSE(std::filesystem::exists(home.path("stick")));
}

TEST_F(CreateMenuTest, LongFileNamesAndPathsOfTheFiveObjectsStopInOrder)
{
    const std::string longName(128, 'n');
    project.MenuMovieFilename = "C:\\movies\\" + longName + ".avi";
    project.BackgroundPictureSrc = "C:\\" + std::string(250, 'p') + "\\b.png";
    EXPECT_FALSE(create());
    // Every name is checked before any path.
    EXPECT_EQ(onlyMessage(), "The filename '" + longName +
                                 ".avi' contains too many characters! The length of the filename can not exceed 127 "
                                 "characters. You can shorten the filename and try to create the menu again.");
    EXPECT_EQ(messages()[0].title, "The filename is too long");

    home.ui().clear();
    project.MenuMovieFilename.clear();
    EXPECT_FALSE(create());
    EXPECT_THAT(onlyMessage(), HasSubstr("' is too long! The length of the file path can not exceed 250 characters."));
    EXPECT_EQ(messages()[0].title, "The file path is too long");
    EXPECT_TRUE(tree().empty());
}

TEST_F(CreateMenuTest, NamesCountCharactersNotBytes)
{
    project.BackgroundPictureSrc = "C:\\p\\" + [] {
        std::string s;
        for (int i = 0; i < 127; ++i)
            s += "\xC3\xA9";  // é, two bytes each
        return s;
    }();
    project.BackgroundPicture_CDFolder = "pics";
    create([](CreateDialogState& d) { d.cCopyObjects = false; });
    for (const auto& m : messages())
        EXPECT_THAT(m.text, ::testing::Not(HasSubstr("too many characters")));
}

TEST_F(CreateMenuTest, WildcardLinksAreAcceptedOnlyForProgramsAndDocuments)
{
    project.Buttons.push_back(LinkedButton("Docs", "Show Document", "Docs\\*.PDF", source("a.pdf"), "2"));
    ASSERT_TRUE(create());
    EXPECT_EQ(project.Buttons[0].CSF, "1");

    project.Buttons.push_back(LinkedButton("Folder", "Open Folder", "docs\\*.pdf", "", "1"));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Invalid character found. The file path can not contain a wildcard character (*) if "
                             "this button command is used. (Button #: 2, Path: 'docs\\*.pdf')");
    EXPECT_EQ(messages()[0].title, "Invalid character");
    EXPECT_EQ(messages()[0].style, 48);
}

TEST_F(CreateMenuTest, WildcardLinkOfAnEncryptedButtonIsRefused)
{
    MenuButton button = LinkedButton("Run", "Run Program", "bin\\*.exe", source("x.exe"));
    button.PswProtect = "1";
    button.PswEncrypt = "1";
    project.Buttons.push_back(button);
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "If a wildcard character (*) is used in the file path, the file can not be encrypted. "
                             "(Button #: 1, Path: 'bin\\*.exe')");
    EXPECT_EQ(messages()[0].title, "Encryption not possible");
}

TEST_F(CreateMenuTest, GroupHeadingStyleBecomesTheStyleAfterIt)
{
    project.ButtonStyle = 24;
    ASSERT_TRUE(create());
    EXPECT_EQ(project.ButtonStyle, 25);
}

TEST_F(CreateMenuTest, LinksIntoTheDestinationBecomeRelative)
{
    home.writeFile("drives.ini", "[Drives]\nE = " + home.path("stick").string() + "\n");
    std::filesystem::create_directories(home.path("stick/Menu"));
    project.CreateDestDir = "E:\\Menu";
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "\\Menu\\Docs\\A.pdf", "", "1"));
    project.Buttons.push_back(LinkedButton("Folder", "Open Folder", "\\menu\\docs", "", "1"));
    project.Buttons.push_back(LinkedButton("Other", "Show Document", "\\menus\\a.pdf", "", "1"));
    ASSERT_TRUE(create());
    EXPECT_EQ(project.Buttons[0].Link, "docs\\a.pdf");
    EXPECT_EQ(project.Buttons[1].Link, "\\menu\\docs");
    EXPECT_EQ(project.Buttons[2].Link, "\\menus\\a.pdf");
    EXPECT_EQ(*CachedProfile("E:\\Menu\\orvnmenu.mni").find("ButtonData", "Button1Link"), "docs\\a.pdf");
}

TEST_F(CreateMenuTest, SecondRunOverwritesTheFirst)
{
    ASSERT_TRUE(create());
    home.writeFile("menu/ORVNMENU.EXE", "old");
    project.TitleText = "Second";
    ASSERT_TRUE(create());
    EXPECT_EQ(read("ORVNMENU.EXE"), "stand-in for Release/ORVNMENU.EXE");
    EXPECT_EQ(*CachedProfile(dest() + "\\orvnmenu.mni").find("Title", "TitleText"), "Second");
}

TEST_F(CreateMenuTest, MissingMenuProgramStopsAfterTheDataFile)
{
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE"));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't find 'ORVNMENU.EXE'! Can't copy!");
    EXPECT_EQ(messages()[0].style, 16);
    EXPECT_THAT(tree(), ElementsAre("orvnmenu.mni"));

    home.ui().clear();
    std::filesystem::remove_all(home.path("program/Release"));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't copy 'ORVNMENU.EXE'! Source or destination folder is invalid!");
}

TEST_F(CreateMenuTest, ProgressNamesEveryFileAndThePointerIsRestoredAfterAStop)
{
    std::filesystem::remove(home.path("program/Release/ORVNMENU.EXE.manifest"));
    EXPECT_FALSE(create());
    EXPECT_THAT(observer.copiedNames, ElementsAre("orvnmenu.mni", "ORVNMENU.EXE", "ORVNMENU.EXE.manifest"));
    EXPECT_FALSE(observer.busyNow);
    EXPECT_EQ(onlyMessage(), "Can't find 'ORVNMENU.EXE.manifest'! Can't copy!");
}

}  // namespace
}  // namespace orv::test
