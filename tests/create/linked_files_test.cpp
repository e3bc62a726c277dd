// Files that buttons open: where they land, encryption, whole folders, the flash and gallery
// data files, and the failures found only while copying (the stops the check foresees are
// tested with the check).
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <gmock/gmock.h>

#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "create_fixture.h"
#include "model/messages.h"
#include "platform/crypto.h"
#include "platform/services.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

class LinkedFilesTest : public CreateTest {
protected:
    MenuButton encrypted(MenuButton button)
    {
        button.PswProtect = button.PswEncrypt = "1";
        button.Psw = "swordfish";
        return button;
    }
};

TEST_F(LinkedFilesTest, FilesLandWhereTheirLinksSayInLowerCase)
{
    source("docs/report.pdf", "lower");
    project.Buttons = {
        LinkedButton("Copy", "Run Program", "Data\\X.exe", source("tools/x.exe", "x")),
        LinkedButton("Doc", "Show Document", "Dokument\\Größe Übersicht.pdf", source("Här är/Größe Übersicht.pdf", "ö")),
        LinkedButton("Case", "Show Document", "docs\\report.pdf", source("docs/Report.pdf", "Upper")),
        // A leading backslash or slash is the medium's root: the destination folder.
        LinkedButton("Root", "Show Document", "\\tmp\\a.pdf", source("a.pdf", "a")),
        LinkedButton("Slash", "Show Document", "/tmp/b.pdf", source("b.pdf", "b")),
        LinkedButton("Inside", "Show Document", dest() + "\\in\\d.pdf", source("d.pdf", "d")),
    };
    ASSERT_TRUE(create());
    EXPECT_EQ(read("data/x.exe"), "x");
    EXPECT_EQ(read("dokument/größe übersicht.pdf"), "ö");
    EXPECT_EQ(read("docs/report.pdf"), "Upper");  // the file of the exact case is read
    EXPECT_EQ(read("tmp/a.pdf"), "a");
    EXPECT_EQ(read("tmp/b.pdf"), "b");
    EXPECT_EQ(read("in/d.pdf"), "d");
    EXPECT_EQ(observer.reports[0].lines.back(), "Files linked to buttons have been copied");
}

TEST_F(LinkedFilesTest, WholeFolderIsCopiedAndReplacesALinkInsteadOfWritingThroughIt)
{
    source("album/a.jpg", "a");
    source("album/b.jpg", "b");
    home.writeFile("outside.jpg", "outside");
    std::filesystem::create_directories(out("photos"));
    std::filesystem::create_symlink(home.path("outside.jpg"), out("photos/a.jpg"));
    project.Buttons.push_back(LinkedButton("Album", "Show Document", "\\photos\\c.txt", source("album/c.txt"), "3"));
    ASSERT_TRUE(create());
    EXPECT_EQ(read("photos/a.jpg"), "a");
    EXPECT_EQ(read("photos/b.jpg"), "b");
    EXPECT_TRUE(exists("photos/c.txt"));
    EXPECT_FALSE(std::filesystem::is_symlink(out("photos/a.jpg")));
    EXPECT_EQ(home.readFile("outside.jpg"), "outside");
}

TEST_F(LinkedFilesTest, EncryptedFileIsStoredOnlyAsCryWithTheDecryptionProgram)
{
    project.Buttons.push_back(
        encrypted(LinkedButton("Secret", "Show Document", "docs\\plan.pdf", source("plan.pdf", "top secret"))));
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("docs/plan.pdf"));
    EXPECT_EQ(read("docs/BE.exe"), "stand-in for BE/BE.exe");
    EXPECT_TRUE(exists("docs/BE.exe.manifest"));
    EXPECT_EQ(read("docs/plan.pdf.cry").find("top secret"), std::string::npos);
    // The button's password opens it again; another does not.
    auto* crypto = platform::services().crypto;
    EXPECT_EQ(crypto->CryDecryptFile(dest() + "\\docs\\plan.pdf.cry", home.win("back.pdf"), "wrong"), 0);
    ASSERT_NE(crypto->CryDecryptFile(dest() + "\\docs\\plan.pdf.cry", home.win("back.pdf"), "swordfish"), 0);
    EXPECT_EQ(home.readFile("back.pdf"), "top secret");

    // Turned off and on again, one form stays.
    project.Buttons[0].PswEncrypt = "0";
    ASSERT_TRUE(create());
    EXPECT_TRUE(exists("docs/plan.pdf"));
    EXPECT_FALSE(exists("docs/plan.pdf.cry"));
    project.Buttons[0].PswEncrypt = "1";
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("docs/plan.pdf"));
    EXPECT_TRUE(exists("docs/plan.pdf.cry"));
}

TEST_F(LinkedFilesTest, MissingFoldersShowTheDetailedErrorOrOneLogLine)
{
    project.Buttons.push_back(LinkedButton("Gone", "Show Document", "docs\\b.pdf", home.win("nowhere/b.pdf")));
    EXPECT_FALSE(create());
    ASSERT_EQ(observer.detailedErrors.size(), 1u);
    EXPECT_EQ(observer.detailedErrors[0].title, "Error (At File Copy)");
    EXPECT_EQ(observer.detailedErrors[0].message,
              "Can't copy the file 'b.pdf'! The source folder does not exists. See below for details.");
    EXPECT_EQ(observer.detailedErrors[0].sourceFolderExists.answer, "No");
    expectMessage(SourceFolderAdvice, "Information", 64);

    Batch().BatchBuildMode = true;
    Batch().BatchLogFile = home.win("log.txt");
    EXPECT_FALSE(create());
    EXPECT_EQ(home.readFile("log.txt"),
              "Can't copy the file 'b.pdf'! The source folder does not exists. See below for details. File: 'b.pdf', "
              "source folder: '" + LowerText(home.win("nowhere")) + "', destination folder: '" + dest() +
                  "\\docs'. " + SourceFolderAdvice + "\r\n");
    EXPECT_EQ(observer.detailedErrors.size(), 1u);

    // A destination folder that vanishes while the file is copied.
    Batch().BatchBuildMode = false;
    project.Buttons = {LinkedButton("Doc", "Show Document", "docs\\b.pdf", source("b.pdf"))};
    observer.onCopying = [this](const std::string& target) {
        if (target.find("b.pdf") != std::string::npos)
            std::filesystem::remove_all(out("docs"));
    };
    EXPECT_FALSE(create());
    ASSERT_EQ(observer.detailedErrors.size(), 2u);
    EXPECT_EQ(observer.detailedErrors[1].message,
              "Can't copy the file 'b.pdf'! The destination folder does not exists. See below for details.");
    EXPECT_EQ(observer.detailedErrors[1].targetFolderExists.answer, "No");
    EXPECT_TRUE(messages().empty());
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
    EXPECT_THAT(observer.reports[0].lines, Contains("  VTPICTUREGALLERY.DAT  -  (picture gallery data)"));
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

TEST_F(LinkedFilesTest, FullMediumEndsWithTheErrorAndLeavesNoTruncatedOrTemporaryFile)
{
    source("album/a.jpg", "old");
    project.Buttons = {LinkedButton("Album", "Show Document", "photos\\a.jpg", home.win("src/album/a.jpg"), "3"),
                       LinkedButton("Big", "Show Document", "big.bin", source("big.bin", std::string(1 << 20, 'b')))};
    bool created = true;
    {
        FileSizeLimit limit(256 * 1024);
        created = create();
    }
    EXPECT_FALSE(created);
    EXPECT_EQ(onlyMessage(), "Can't copy the file 'big.bin'! Error #61 occurred!");
    EXPECT_FALSE(exists("big.bin"));

    source("album/a.jpg", std::string(1 << 20, 'n'));
    {
        FileSizeLimit limit(256 * 1024);
        created = create();
    }
    EXPECT_FALSE(created);
    EXPECT_EQ(read("photos/a.jpg"), "old");
    for (const std::string& entry : tree())
        EXPECT_EQ(entry.find(".tmp"), std::string::npos) << entry;
}

// Permissions do not hold for the superuser, so this runs only for an ordinary user.
TEST_F(LinkedFilesTest, ReadOnlyDestinationAndUnreadableSourceAreAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions are not enforced for root";
    using std::filesystem::perms;
    const std::string denied = "Access denied! The file 'a.pdf' is active and can not be replaced! Can't create the menu!";
    project.Buttons.push_back(LinkedButton("Doc", "Show Document", "docs\\a.pdf", source("a.pdf")));
    std::filesystem::create_directories(out("docs"));
    std::filesystem::permissions(out("docs"), perms::owner_read | perms::owner_exec);
    EXPECT_FALSE(create());
    std::filesystem::permissions(out("docs"), perms::owner_all);
    expectMessage(denied);
    std::filesystem::permissions(home.path("src/a.pdf"), perms::none);
    EXPECT_FALSE(create());
    std::filesystem::permissions(home.path("src/a.pdf"), perms::owner_all);
    EXPECT_EQ(onlyMessage(), denied);
    EXPECT_FALSE(exists("docs/a.pdf"));
}

}  // namespace
}  // namespace orv::test
