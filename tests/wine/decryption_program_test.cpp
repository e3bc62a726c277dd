// The Windows decryption program under Wine: a file encrypted as menu creation encrypts it
// comes back only with the right password (a non-ASCII one included), handed over through
// standard input; a wrong password or a damaged file leaves nothing behind. And the chain
// a visitor uses: a password button of the Windows menu asks, starts BE.exe, and the
// restored document opens.
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "model/scramble.h"
#include "platform/crypto.h"
#include "platform/services.h"
#include "shell/layout/menu_layout.h"
#include "shell/menu_description.h"
#include "shell/menu_file_builder.h"
#include "support/test_home.h"
#include "wine_desktop.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string Password = "p\xC3\xA4sswo\xCC\x88rd";  // "pässwörd", the ö decomposed
const std::string Plain = "Quarterly plan\r\nNothing here may leave the disc.\r\n";

class DecryptionProgramUnderWine : public HomeTest {
protected:
    void SetUp() override
    {
        if (!desktop.missing().empty())
            GTEST_SKIP() << desktop.missing();
        const fs::path program = fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS);
        fs::create_directories(home.path("medium/docs"));
        for (const char* name : {"BE.exe", "BE.exe.manifest"})
            fs::copy_file(program / "BE" / name, home.path("medium/docs") / name);
        const std::string plain = home.writeFile("source/plan.txt", Plain);
        ASSERT_NE(platform::services().crypto->CrySimpleEncryptFile(plain, home.win("medium/docs/plan.txt.cry"),
                                                                    Password),
                  0);
    }

    int decrypt(const std::string& encrypted, const std::string& output, const std::string& password)
    {
        return desktop.runWindows(home.path("medium/docs/BE.exe").string(),
                                  {QString::fromStdString(WineDesktop::windowsPath(home.path(encrypted).string())),
                                   QStringLiteral("--password-stdin"), QStringLiteral("--no-open"),
                                   QString::fromStdString("--output=" +
                                                          WineDesktop::windowsPath(home.path(output).string()))},
                                  password + "\r\n");
    }

    WineDesktop desktop;
};

TEST_F(DecryptionProgramUnderWine, RestoresWithTheRightPasswordOnly)
{
    EXPECT_EQ(decrypt("medium/docs/plan.txt.cry", "out/wrong/plan.txt", "passwörd"), 1);
    EXPECT_FALSE(fs::exists(home.path("out/wrong")));

    ASSERT_EQ(decrypt("medium/docs/plan.txt.cry", "out/right/plan.txt", Password), 0);
    EXPECT_EQ(home.readFile("out/right/plan.txt"), Plain);
}

TEST_F(DecryptionProgramUnderWine, RefusesADamagedFile)
{
    std::string bytes = home.readFile("medium/docs/plan.txt.cry");
    bytes[bytes.size() - 20] ^= 0x01;  // one bit of the cipher text
    home.writeFile("medium/docs/damaged.txt.cry", bytes);
    EXPECT_EQ(decrypt("medium/docs/damaged.txt.cry", "out/damaged/damaged.txt", Password), 2);
    EXPECT_FALSE(fs::exists(home.path("out/damaged/damaged.txt")));
}

TEST_F(DecryptionProgramUnderWine, PasswordButtonOfTheMenuOpensTheRestoredDocument)
{
    for (const char* name : {"ORVNMENU.EXE", "ORVNMENU.EXE.manifest"})
        fs::copy_file(fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS) / "Release" / name, home.path("medium") / name);
    MenuFileBuilder menu = MenuFileBuilder::minimal();
    menu.set("MainWindow", "CaptionText", "Secret Menu").set("Buttons", "NrButtons", "1");
    menu.set("ButtonData", "Button1Text", "Plan").set("ButtonData", "Button1Cmd", "Show Document");
    menu.set("ButtonData", "Button1Link", "docs\\plan.txt");
    // As creation writes it: no password on the medium; the encrypted file checks it.
    menu.set("ButtonData", "Button1PA", ScrambleText("1"));
    menu.set("ButtonData", "Button1PC", "1").set("ButtonData", "Button1PD", "1");
    menu.set("ButtonData", "Button1PswDlgTitle", "Plan password");
    home.writeFile("medium/ORVNMENU.MNI", menu.bytes());
    // The menu checks the typed password against the encrypted file, then BE.exe opens it.
    const std::string plain = home.writeFile("source/plan2.txt", Plain);
    fs::remove(home.path("medium/docs/plan.txt.cry"));
    ASSERT_NE(platform::services().crypto->CrySimpleEncryptFile(plain, home.win("medium/docs/plan.txt.cry"), "s3cret"),
              0);

    desktop.startWindows(home.path("medium/ORVNMENU.EXE").string());
    const unsigned long window = desktop.waitForWindow("^Secret Menu$");
    ASSERT_NE(window, 0u);
    const shell::MenuReadResult read = shell::parseMenuDescription(AnsiToUtf8(menu.bytes()));
    const shell::MenuLayout layout = shell::layoutMenu(read.menu, read.menu.width, read.menu.height);
    ASSERT_FALSE(layout.entries.empty());
    const shell::Rect button = layout.entries.front().rect;
    desktop.click(window, button.x + button.width / 2, button.y + button.height / 2);

    const unsigned long question = desktop.waitForWindow("^Plan password$");
    ASSERT_NE(question, 0u) << "the menu did not ask for the password";
    // Without a window manager the dialog gets the keyboard from a click into its edit box,
    // once it has laid out its controls; on a busy machine that may take a second try.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::this_thread::sleep_for(1s);
        const QRect dialog = desktop.geometry(question);
        desktop.click(question, dialog.width() / 2, dialog.height() / 2);
        desktop.press("ctrl+a");
        desktop.type("s3cret");
        desktop.press("Return");
        if (desktop.waitUntilClosed("^Plan password$", 5s))
            break;
    }
    const unsigned long document = desktop.waitForWindow("plan\\.txt", 60s);
    EXPECT_NE(document, 0u) << "the restored document was not opened; the screen: "
                            << desktop.keepScreen("password-chain");
    if (document)
        desktop.closeProgramOf(document);
}

}  // namespace
}  // namespace orv::test
