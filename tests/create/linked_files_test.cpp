// Files that buttons open: copy options, encryption, whole folders, flash data files, and
// each failure with its message.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <gmock/gmock.h>

#include "create/companion_programs.h"
#include "create/copy_messages.h"
#include "create/create_menu.h"
#include "create_fixture.h"
#include "model/messages.h"
#include "platform/crypto.h"
#include "platform/services.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class LinkedFilesTest : public CreateTest {};

TEST_F(LinkedFilesTest, CopyOptionDecidesWhatIsCopied)
{
    project.Buttons.push_back(LinkedButton("Copy", "Run Program", "Data\\X.exe", source("tools/x.exe", "x")));
    project.Buttons.push_back(LinkedButton("Keep", "Run Program", "data\\y.exe", source("tools/y.exe"), "1"));
    project.Buttons.push_back(LinkedButton("At", "Show Document", "@doc.pdf", source("doc.pdf")));
    project.Buttons.push_back(LinkedButton("Web", "Show Internet Page", "www.example.com", source("w.htm")));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("data/x.exe"), "x");
    EXPECT_FALSE(exists("data/y.exe"));
    EXPECT_FALSE(exists("@doc.pdf"));
    EXPECT_EQ(observer.reports[0].lines.back(), "Files linked to buttons have been copied");
}

TEST_F(LinkedFilesTest, NamesWithBlanksAndNonAsciiLetters)
{
    project.Buttons.push_back(
        LinkedButton("Doc", "Show Document", "Dokument\\Größe Übersicht.pdf", source("Här är/Größe Übersicht.pdf", "ö")));
    ASSERT_TRUE(create());
    // Links are used in lower case; the file keeps its content.
    EXPECT_EQ(read("dokument/größe übersicht.pdf"), "ö");
}

TEST_F(LinkedFilesTest, TheSourceFileOfTheExactCaseIsCopied)
{
    source("docs/report.pdf", "lower");
    project.Buttons.push_back(LinkedButton("Report", "Show Document", "docs\\report.pdf", source("docs/Report.pdf", "Upper")));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("docs/report.pdf"), "Upper");
}

TEST_F(LinkedFilesTest, WholeFolderIsCopied)
{
    source("album/a.jpg", "a");
    source("album/b.jpg", "b");
    project.Buttons.push_back(LinkedButton("Album", "Show Document", "photos\\a.jpg", source("album/c.txt"), "3"));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("photos/a.jpg"), "a");
    EXPECT_EQ(read("photos/b.jpg"), "b");
    EXPECT_TRUE(exists("photos/c.txt"));
}

TEST_F(LinkedFilesTest, WholeFolderWithoutItsSourceFolderStops)
{
    project.Buttons.push_back(LinkedButton("Album", "Show Document", "photos\\a.jpg", home.win("gone/a.jpg"), "3"));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "A problem occurred when copying files to the '" + dest() +
                                 "\\photos' folder (multiple file copy, button #: 1). Can not create menu!");
}

TEST_F(LinkedFilesTest, EncryptedFileIsStoredOnlyAsCryWithTheDecryptionProgram)
{
    MenuButton button = LinkedButton("Secret", "Show Document", "docs\\plan.pdf", source("plan.pdf", "top secret"));
    button.PswProtect = "1";
    button.PswEncrypt = "1";
    button.Psw = "swordfish";
    project.Buttons.push_back(button);
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("docs/plan.pdf"));
    ASSERT_TRUE(exists("docs/plan.pdf.cry"));
    EXPECT_EQ(read("docs/BE.exe"), "stand-in for BE/BE.exe");
    EXPECT_TRUE(exists("docs/BE.exe.manifest"));
    EXPECT_EQ(read("docs/plan.pdf.cry").find("top secret"), std::string::npos);

    // The button's password opens it again; another does not.
    auto* crypto = platform::services().crypto;
    EXPECT_EQ(crypto->CryDecryptFile(dest() + "\\docs\\plan.pdf.cry", home.win("back.pdf"), "wrong"), 0);
    ASSERT_NE(crypto->CryDecryptFile(dest() + "\\docs\\plan.pdf.cry", home.win("back.pdf"), "swordfish"), 0);
    EXPECT_EQ(home.readFile("back.pdf"), "top secret");
}

TEST_F(LinkedFilesTest, EncryptionNeedsACopyAndTurningItOnOrOffLeavesOneForm)
{
    MenuButton button = LinkedButton("Secret", "Show Document", "docs\\plan.pdf", source("plan.pdf", "top secret"), "1");
    button.PswProtect = "1";
    button.PswEncrypt = "1";
    button.Psw = "swordfish";
    project.Buttons.push_back(button);
    EXPECT_FALSE(create());  // the file would not be copied, so it could not be encrypted
    EXPECT_THAT(onlyMessage(), HasSubstr("button #1 ('Secret') is to be encrypted"));
    EXPECT_EQ(messages()[0].title, "Encryption not possible");

    home.ui().clear();
    project.Buttons[0].CSF = "2";
    project.Buttons[0].PswEncrypt = "0";
    ASSERT_TRUE(create());
    EXPECT_TRUE(exists("docs/plan.pdf"));
    project.Buttons[0].PswEncrypt = "1";
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("docs/plan.pdf"));  // no plain copy beside the encrypted one
    EXPECT_TRUE(exists("docs/plan.pdf.cry"));
    project.Buttons[0].PswEncrypt = "0";
    ASSERT_TRUE(create());
    EXPECT_TRUE(exists("docs/plan.pdf"));
    EXPECT_FALSE(exists("docs/plan.pdf.cry"));
}

TEST_F(LinkedFilesTest, EncryptionOfAMissingFileNamesItsErrorCode)
{
    MenuButton button = LinkedButton("Secret", "Show Document", "docs\\plan.pdf", source("plan.pdf"));
    std::filesystem::remove(home.path("src/plan.pdf"));
    button.PswProtect = "1";
    button.PswEncrypt = "1";
    button.Psw = "pw";
    project.Buttons.push_back(button);
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "A problem occurred when copying and encrypting the file 'plan.pdf' (button #: 1, error "
                             "code: 2, error message: File not found.). Can not create menu!");
}

TEST_F(LinkedFilesTest, MissingSourceFileStopsWithTheLinkedFileMessage)
{
    project.Buttons.push_back(LinkedButton("Ok", "Show Document", "a.pdf", source("a.pdf")));
    project.Buttons.push_back(LinkedButton("Gone", "Show Document", "b.pdf", home.win("src/b.pdf")));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't find the file 'b.pdf' at specified path! Can't copy. Can't create the menu!");
    EXPECT_EQ(messages()[0].title, "Error (At File Copy)");
    // What was copied before the stop stays.
    EXPECT_TRUE(exists("a.pdf"));
}

TEST_F(LinkedFilesTest, MissingSourceFolderShowsTheDetailedErrorAndAdvice)
{
    project.Buttons.push_back(LinkedButton("Gone", "Show Document", "docs\\b.pdf", home.win("nowhere/b.pdf")));
    EXPECT_FALSE(create());
    ASSERT_EQ(observer.detailedErrors.size(), 1u);
    const DetailedCopyError& e = observer.detailedErrors[0];
    EXPECT_EQ(e.title, "Error (At File Copy)");
    EXPECT_EQ(e.message, "Can't copy the file 'b.pdf'! The source folder does not exists. See below for details.");
    EXPECT_EQ(e.sourceFolderExists.answer, "No");
    EXPECT_TRUE(e.sourceFolderExists.negative);
    EXPECT_EQ(e.sourceFileExists.answer, "-");
    EXPECT_EQ(e.targetFolderExists.answer, "Yes");
    EXPECT_EQ(e.targetFileExists.answer, "No - File is missing");
    EXPECT_EQ(onlyMessage(), SourceFolderAdvice);
    EXPECT_EQ(messages()[0].title, "Information");
    EXPECT_EQ(messages()[0].style, 64);
}

TEST_F(LinkedFilesTest, VanishedDestinationShowsTheDetailedError)
{
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\b.pdf", source("b.pdf")));
    observer.onCopying = [this](const std::string& target) {
        if (target.find("b.pdf") != std::string::npos)
            std::filesystem::remove_all(out("docs"));
    };
    EXPECT_FALSE(create());
    ASSERT_EQ(observer.detailedErrors.size(), 1u);
    EXPECT_EQ(observer.detailedErrors[0].message,
              "Can't copy the file 'b.pdf'! The destination folder does not exists. See below for details.");
    EXPECT_EQ(observer.detailedErrors[0].targetFolderExists.answer, "No");
    EXPECT_TRUE(messages().empty());
}

TEST_F(LinkedFilesTest, DetailedErrorIsOneLogLineInABatchBuild)
{
    Batch().BatchBuildMode = true;
    Batch().BatchLogFile = home.win("log.txt");
    project.Buttons.push_back(LinkedButton("Gone", "Show Document", "docs\\b.pdf", home.win("nowhere/b.pdf")));
    EXPECT_FALSE(create());
    const std::string log = home.readFile("log.txt");
    EXPECT_THAT(log, HasSubstr("The source folder does not exists."));
    EXPECT_THAT(log, HasSubstr("nowhere"));
    EXPECT_THAT(log, HasSubstr("We suggest you to check the source folders carefully."));
    EXPECT_TRUE(observer.detailedErrors.empty());
}

TEST_F(LinkedFilesTest, LinkClimbingOutOfTheDestinationIsRefused)
{
    project.Buttons.push_back(LinkedButton("Ok", "Show Document", "docs\\..\\a.pdf", source("a.pdf")));
    project.Buttons.push_back(LinkedButton("Out", "Show Document", "docs\\..\\..\\evil.pdf", source("evil.pdf")));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "The link of button #2 ('docs\\..\\..\\evil.pdf') leads out of the destination folder '" +
                                 dest() +
                                 "'. A file that is copied to the menu must stay inside the menu folder. Change the "
                                 "link and try again. Can't create the menu!");
    EXPECT_EQ(messages()[0].title, "Error (At File Copy)");
    EXPECT_TRUE(exists("a.pdf"));
    EXPECT_FALSE(std::filesystem::exists(home.path("evil.pdf")));
}

TEST_F(LinkedFilesTest, AbsoluteLinksNeverWriteOutsideTheDestination)
{
    // A leading backslash or slash is the medium's root: the destination folder.
    project.Buttons.push_back(LinkedButton("Root", "Show Document", "\\tmp\\a.pdf", source("a.pdf", "a")));
    project.Buttons.push_back(LinkedButton("Slash", "Show Document", "/tmp/b.pdf", source("b.pdf", "b")));
    project.Buttons.push_back(LinkedButton("Whole", "Show Document", "\\all\\c.pdf", source("all/c.pdf", "c"), "3"));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("tmp/a.pdf"), "a");
    EXPECT_EQ(read("tmp/b.pdf"), "b");
    EXPECT_EQ(read("all/c.pdf"), "c");

    // A drive path outside is refused, before anything of that button is written; one
    // inside the destination and one whose file is not copied are fine.
    const std::string victim = home.writeFile("victim.pdf", "keep");
    for (const char* csf : {"2", "3"}) {
        home.ui().clear();
        project.Buttons = {LinkedButton("Inside", "Show Document", dest() + "\\in\\d.pdf", source("d.pdf")),
                           LinkedButton("Program", "Run Program", "C:\\Windows\\notepad.exe", source("n.exe"), "1"),
                           LinkedButton("Abs", "Show Document", victim, source("evil/victim.pdf", "evil"), csf)};
        EXPECT_FALSE(create()) << csf;
        EXPECT_EQ(onlyMessage(), "The link of button #3 ('" + victim + "') leads out of the destination folder '" +
                                     dest() +
                                     "'. A file that is copied to the menu must stay inside the menu folder. Change "
                                     "the link and try again. Can't create the menu!");
        EXPECT_EQ(home.readFile("victim.pdf"), "keep");
        EXPECT_TRUE(exists("in/d.pdf"));
    }
}

TEST_F(LinkedFilesTest, WholeFolderReplacesASymlinkInsteadOfWritingThroughIt)
{
    source("album/a.jpg", "a");
    project.Buttons.push_back(LinkedButton("Album", "Show Document", "photos\\a.jpg", home.win("src/album/a.jpg"), "3"));
    home.writeFile("outside.jpg", "outside");
    std::filesystem::create_directories(out("photos"));
    std::filesystem::create_symlink(home.path("outside.jpg"), out("photos/a.jpg"));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("photos/a.jpg"), "a");
    EXPECT_FALSE(std::filesystem::is_symlink(out("photos/a.jpg")));
    EXPECT_EQ(home.readFile("outside.jpg"), "outside");
}

TEST_F(LinkedFilesTest, SourcePathOf251CharactersStopsBeforeAnythingOfThatButton)
{
    std::string longPath = home.win("src") + "\\" + std::string(300, 'x');
    longPath.resize(251 - 6);
    longPath += "\\a.pdf";
    ASSERT_EQ(longPath.size(), 251u);
    project.Buttons.push_back(LinkedButton("Long", "Show Document", "long\\a.pdf", longPath));
    EXPECT_FALSE(create());
    EXPECT_THAT(onlyMessage(), HasSubstr("' is too long! The length of the file path can not exceed 250"));
    EXPECT_FALSE(exists("long"));
}

TEST_F(LinkedFilesTest, FlashButtonGetsItsDataFileAndThePlayer)
{
    MenuButton flash = LinkedButton("Intro", "Play Flash Animation", "anim\\Intro.SWF", source("intro.swf"));
    flash.AppParam = "Our intro";
    flash.WinWidth = "640";
    flash.WinHeight = "480";
    flash.ShowDialogBoxes = "0";
    project.Buttons.push_back(flash);
    ASSERT_TRUE(create());
    EXPECT_EQ(read("anim/VTFlashPlayer.dat"),
              "[Info]\r\nInfo = Veltrona Flash Player\r\n\r\n[General]\r\nFileName = intro.swf\r\nWinTitle = Our "
              "intro\r\n\r\n[Size]\r\nWidth = 640\r\nHeight = 480\r\n\r\n[Options]\r\nShowDialogBoxes = 0\r\n");
    EXPECT_EQ(read("VTFlashPlayer/VTFlashPlayer.exe"), "stand-in for FlashPlayer/VTFlashPlayer.exe");
    EXPECT_TRUE(exists("VTFlashPlayer/VTFlashPlayer.exe.manifest"));
    EXPECT_THAT(observer.reports[0].lines,
                Contains("Following files have been copied to the 'VTFlashPlayer' sub folder:"));
}

TEST_F(LinkedFilesTest, GalleryButtonGetsTheGalleryAndItsDataFile)
{
    project.Buttons.push_back(LinkedButton("Pictures", "Open Picture Gallery", "pics", "", "1"));
    project.PGTitle.clear();
    project.PGExtension = "jpg";
    project.PGBackColor = 255;
    project.PGShowCloseButton = true;
    home.writeFile("menu/VTPictureGallery/VTPictureGallery.dat", "old");
    ASSERT_TRUE(create());
    const std::string data = read("VTPictureGallery/VTPictureGallery.dat");
    EXPECT_THAT(data, HasSubstr("[General]\r\nWinTitle = Picture Gallery\r\nSubWin_WinTitle = Picture "
                                "Gallery\r\nPicExtension = .jpg\r\n"));
    EXPECT_THAT(data, HasSubstr("BkColor = 255\r\nTextColor = 65535\r\nSubWin_ColorType = 2\r\n"));
    EXPECT_THAT(data, HasSubstr("CloseButtonStyle = 1\r\nCloseButtonText = Close\r\n"));
    EXPECT_THAT(data, HasSubstr("[ClickHandling]\r\nAction = 1\r\nOpenExtension = .\r\n"));
    EXPECT_TRUE(data.ends_with("NextPicture_Text = Next >\r\n\r\n"));
    const auto& lines = observer.reports[0].lines;
    EXPECT_THAT(lines, Contains("  VTPICTUREGALLERY.DAT  -  (picture gallery data)"));
}

TEST_F(LinkedFilesTest, MissingFlashPlayerStopsWithItsMessage)
{
    std::filesystem::remove(home.path("program/FlashPlayer/VTFlashPlayer.exe.manifest"));
    project.Buttons.push_back(LinkedButton("Intro", "Play Flash Animation", "intro.swf", "", "1"));
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't find 'VTFlashPlayer.exe.manifest'! Can't copy!");
}

// A medium that is full: writes beyond the size limit fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

TEST_F(LinkedFilesTest, FullMediumEndsWithTheErrorAndLeavesNoTruncatedFile)
{
    project.Buttons.push_back(LinkedButton("Big", "Show Document", "big.bin", source("big.bin", std::string(1 << 20, 'b'))));
    bool created = true;
    {
        FileSizeLimit limit(256 * 1024);
        created = create();
    }
    EXPECT_FALSE(created);
    EXPECT_EQ(onlyMessage(), "Can't copy the file 'big.bin'! Error #61 occurred!");
    EXPECT_FALSE(exists("big.bin"));
    for (const std::string& entry : tree())
        EXPECT_EQ(entry.find(".tmp"), std::string::npos) << entry;
}

TEST_F(LinkedFilesTest, WholeFolderOnAFullMediumKeepsTheOldFiles)
{
    source("album/a.jpg", "old");
    project.Buttons.push_back(LinkedButton("Album", "Show Document", "photos\\a.jpg", home.win("src/album/a.jpg"), "3"));
    ASSERT_TRUE(create());
    source("album/a.jpg", std::string(1 << 20, 'n'));
    bool created = true;
    {
        FileSizeLimit limit(256 * 1024);
        created = create();
    }
    EXPECT_FALSE(created);
    EXPECT_EQ(read("photos/a.jpg"), "old");
    for (const std::string& entry : tree())
        EXPECT_EQ(entry.find(".tmp"), std::string::npos) << entry;
}

// Permissions do not hold for the superuser, so these run only for an ordinary user.
TEST_F(LinkedFilesTest, ReadOnlyDestinationAndUnreadableSourceAreAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions are not enforced for root";
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf")));
    std::filesystem::create_directories(out("docs"));
    std::filesystem::permissions(out("docs"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(create());
    std::filesystem::permissions(out("docs"), std::filesystem::perms::owner_all);
    EXPECT_EQ(onlyMessage(), "Access denied! The file 'a.pdf' is active and can not be replaced! Can't create the menu!");
    EXPECT_EQ(messages()[0].title, "Error (At File Copy)");

    home.ui().clear();
    std::filesystem::permissions(home.path("src/a.pdf"), std::filesystem::perms::none);
    EXPECT_FALSE(create());
    std::filesystem::permissions(home.path("src/a.pdf"), std::filesystem::perms::owner_all);
    EXPECT_EQ(onlyMessage(), "Access denied! The file 'a.pdf' is active and can not be replaced! Can't create the menu!");
    EXPECT_FALSE(exists("docs/a.pdf"));
}

}  // namespace
}  // namespace orv::test
