#include "shell/button_action.h"

#include <tuple>

#include <gtest/gtest.h>

#include "support/recording_shell.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

const std::string Menu = "E:\\Menu";

MenuEntry button(const std::string& command, const std::string& link, const std::string& parameters = {})
{
    MenuEntry e;
    e.command = command;
    e.link = link;
    e.parameters = parameters;
    return e;
}

// An action in one line: kind, target, parameters, input, working folder and the switches.
std::string describe(const ButtonAction& a)
{
    static const char* const kinds[] = {"none",    "program",  "document", "folder", "address",
                                        "close",   "menu",     "previous", "main",   "unsupported", "rtf"};
    std::string s = std::string(kinds[static_cast<int>(a.kind)]) + " " + a.target;
    for (const std::string& part : {a.parameters, a.standardInput, a.workingFolder})
        if (!part.empty())
            s += " | " + part;
    return s + (a.maximized ? " max" : "") + (a.closeMenuAfter ? " close" : "") + (a.targetOnMedium ? " medium" : "");
}

TEST(ResolveMenuLink, RelativeRootedAbsoluteAndTyped)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"docs\\a.pdf", "E:\\Menu", "E:\\Menu\\docs\\a.pdf"},
        {"\xC2\xA4\\docs\\a.pdf", "E:\\Menu", "E:\\Menu\\docs\\a.pdf"},
        {"*docs\\a.pdf", "E:\\Menu", "E:\\Menu\\docs\\a.pdf"},
        // A leading backslash is the medium's root: the main menu's folder, where creation copied the file.
        {"\\setup\\x.exe", "E:\\Menu", "E:\\Menu\\setup\\x.exe"},
        {"/setup/x.exe", "E:\\Menu\\sub", "E:\\Menu\\setup/x.exe"},
        {"\\setup\\x.exe", "E:\\Menu\\sub", "E:\\Menu\\setup\\x.exe"},
        {"*\\x.exe", "E:\\Menu\\sub", "E:\\Menu\\sub\\x.exe"},
        {"C:\\Windows\\notepad.exe", "E:\\Menu", "C:\\Windows\\notepad.exe"},
        {"\\\\server\\share\\x.exe", "E:\\Menu", "\\\\server\\share\\x.exe"},
        {"@D:\\data", "E:\\Menu", "D:\\data"},
        {"@docs", "E:\\Menu", "E:\\Menu\\docs"},
        {"", "E:\\Menu", "E:\\Menu"},
        {"a.txt", "E:\\", "E:\\a.txt"},
    };
    for (const auto& [link, folder, resolved] : cases)
        EXPECT_EQ(resolveMenuLink(link, folder, Menu), resolved) << link << " in " << folder;
}

TEST(PlanButtonAction, EachCommandGetsItsAction)
{
    EXPECT_EQ(webAddress("@https://example.com/a?b=c"), "https://example.com/a?b=c");
    EXPECT_EQ(mailAddress("MAILTO:ann@example.com", "Hi & bye"), "mailto:ann@example.com?subject=Hi%20%26%20bye");
    MenuEntry maximized = button("Run Program", "app.exe");
    maximized.runMaximized = true;
    MenuEntry title = button("", "");
    title.titleRow = true;
    const std::pair<MenuEntry, const char*> cases[] = {
        {button("Run Program & Close", "bin\\app.exe", "/x %SRCDRV\\data"),
         "program E:\\Menu\\bin\\app.exe | /x E:\\data | E:\\Menu\\bin close medium"},
        {maximized, "program E:\\Menu\\app.exe | E:\\Menu max medium"},
        // Quotes, blanks and backslashes reach the program untouched; it splits them itself.
        {button("Run Program", "setup.exe", "TARGETDIR=\"C:\\a b\" /q  %SRCDRV\\x"),
         "program E:\\Menu\\setup.exe | TARGETDIR=\"C:\\a b\" /q  E:\\x | E:\\Menu medium"},
        {button("Show Document", "media\\f.dat"), "document E:\\Menu\\media\\f.dat medium"},
        {button("Play Music", "media\\f.dat"), "document E:\\Menu\\media\\f.dat medium"},
        {button("Play Movie", "media\\f.dat"), "document E:\\Menu\\media\\f.dat medium"},
        {button("Show RTF Document", "media\\f.dat"), "rtf E:\\Menu\\media\\f.dat medium"},
        {button("Open Excel File", "media\\f.dat"), "document E:\\Menu\\media\\f.dat medium"},
        {button("Open Folder", "pics"), "folder E:\\Menu\\pics medium"},
        {button("Run Explorer", "pics"), "folder E:\\Menu\\pics medium"},
        {button("Show Internet Page", "www.example.com"), "address http://www.example.com"},
        {button("Send E-mail", "ann@example.com", "Order"), "address mailto:ann@example.com?subject=Order"},
        {button("Send E-mail", "ann@example.com"), "address mailto:ann@example.com"},
        {button("Play Flash Animation", "anim\\intro.swf"),
         "program E:\\Menu\\VTFlashPlayer\\VTFlashPlayer.exe | E:\\Menu\\anim\\intro.swf | E:\\Menu\\VTFlashPlayer medium"},
        // A companion's file is quoted when it holds a blank (a trailing backslash doubled, so
        // that it does not escape the closing quote).
        {button("Play Flash Animation", "anim\\my intro.swf"), "program E:\\Menu\\VTFlashPlayer\\VTFlashPlayer.exe | \"E:\\Menu\\anim\\my intro.swf\" | E:\\Menu\\VTFlashPlayer medium"},
        {button("Open Picture Gallery", "@E:\\My Pics\\"), "program E:\\Menu\\VTPictureGallery\\VTPictureGallery.exe | \"E:\\My Pics\\\\\" | E:\\Menu\\VTPictureGallery medium"},
        {button("Open New Menu", "sub\\ORVNMENU.MNI"), "menu E:\\Menu\\sub\\ORVNMENU.MNI medium"},
        {button("Return To Previous Menu", ""), "previous "},
        {button("Return To Main Menu", ""), "main "},
        {button("Exit", ""), "close "},
        {title, "none "},
        {button("Show Document", ""), "none "},
        {button("Show Internet Page", ""), "none "},
        {button("Install StickGuard", "\\SETUP-STICKGUARD.EXE"), "program E:\\Menu\\SETUP-STICKGUARD.EXE | E:\\Menu medium"},
        {button("Dance", "x"), "unsupported Dance"},
    };
    for (const auto& [entry, action] : cases)
        EXPECT_EQ(describe(planButtonAction(entry, Menu)), action) << entry.command << " " << entry.link;
}

TEST(PlanButtonAction, GivenCompanionsReplaceTheMediumsOwn)
{
    const CompanionPrograms test{"Z:\\prog\\Test\\BE.exe", "Z:\\prog\\Test\\VTFlashPlayer.exe",
                                 "Z:\\prog\\Test\\VTPictureGallery.exe"};
    EXPECT_EQ(planButtonAction(button("Play Flash Animation", "a.swf"), Menu, test).target, test.flashPlayer);
    auto a = planButtonAction(button("Open Picture Gallery", "pics"), Menu, test);
    EXPECT_EQ(a.target, test.gallery);
    EXPECT_EQ(a.parameters, "E:\\Menu\\pics");
    // Only the companions: an ordinary program stays where the button says.
    EXPECT_EQ(planButtonAction(button("Run Program", "app.exe"), Menu, test).target, "E:\\Menu\\app.exe");
}

class ButtonActionOnDisk : public test::HomeTest {};

TEST_F(ButtonActionOnDisk, CompanionsBesideTheProgramAreFoundThere)
{
    home.writeFile("prog/BE.exe", "x");
    home.writeFile("prog/VTFlashPlayer.exe", "x");
    const CompanionPrograms found = companionProgramsIn(home.win("prog"));
    EXPECT_EQ(found.decryption, home.win("prog/BE.exe"));
    EXPECT_EQ(found.flashPlayer, home.win("prog/VTFlashPlayer.exe"));
    EXPECT_TRUE(found.gallery.empty()) << "not there: the medium's one";

    // An encrypted target starts the given decryption program with the password as input.
    home.writeFile("menu/plan.pdf.cry", "encrypted");
    MenuEntry e = button("Run Program & Close", "plan.pdf");
    e.passwordProtected = e.encrypted = true;
    e.password = "p\xC3\xA4ss";
    const ButtonAction a = planButtonAction(e, home.win("menu"), found);
    EXPECT_EQ(a.target, found.decryption);
    EXPECT_TRUE(a.closeMenuAfter);

    test::ScopedRecordingShell shell;
    ASSERT_EQ(runButtonAction(a), ActionOutcome::Done);
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].kind, test::ShellCall::Run);
    EXPECT_EQ(shell->calls()[0].parameters, home.win("menu/plan.pdf.cry") + " --password-stdin");
    EXPECT_EQ(shell->calls()[0].standardInput, "p\xC3\xA4ss\n");
}

TEST_F(ButtonActionOnDisk, RunProgramHandsOverTextAndWindowState)
{
    home.writeFile("menu/app.exe", "x");
    MenuEntry e = button("Run Program", "app.exe", "-o \"out dir\"");
    e.runMaximized = true;
    test::ScopedRecordingShell shell;
    ASSERT_EQ(runButtonAction(planButtonAction(e, home.win("menu"))), ActionOutcome::Done);
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].target, home.win("menu/app.exe"));
    EXPECT_EQ(shell->calls()[0].parameters, "-o \"out dir\"");
    EXPECT_EQ(shell->calls()[0].workingFolder, home.win("menu"));
    EXPECT_EQ(shell->calls()[0].state, platform::WindowState::Maximized);
    EXPECT_TRUE(shell->calls()[0].standardInput.empty());
}

TEST_F(ButtonActionOnDisk, WildcardTakesTheFirstMatchingFile)
{
    home.writeFile("menu/setup/Setup_v2.EXE", "2");
    home.writeFile("menu/setup/setup_v1.exe", "1");
    home.writeFile("menu/setup/readme.txt", "r");
    const std::string menu = home.win("menu");

    auto a = planButtonAction(button("Run Program", "setup\\setup*.exe"), menu);
    EXPECT_EQ(a.target, home.win("menu/setup/setup_v1.exe"));
    a = planButtonAction(button("Show Document", "setup\\*.pdf"), menu);
    EXPECT_EQ(a.target, menu + "\\setup\\*.pdf");  // no match: left as it is, and reported missing
    EXPECT_EQ(runButtonAction(a), ActionOutcome::TargetMissing);
}

TEST_F(ButtonActionOnDisk, EncryptedTargetGoesThroughTheDecryptionProgram)
{
    home.writeFile("menu/docs/plan.pdf.cry", "encrypted");
    home.writeFile("menu/docs/BE.exe", "program");
    const std::string menu = home.win("menu");
    MenuEntry e = button("Show Document", "docs\\plan.pdf");
    e.passwordProtected = true;
    e.encrypted = true;
    e.password = "pw";

    // The password goes through standard input, never on the command line.
    EXPECT_EQ(describe(planButtonAction(e, menu)), "program " + menu + "\\docs\\BE.exe | " + menu +
                                                       "\\docs\\plan.pdf.cry --password-stdin | pw\n | " + menu + "\\docs medium");

    // Without the encryption flag, or with the plain file present, the file opens as it is.
    e.encrypted = false;
    EXPECT_EQ(planButtonAction(e, menu).kind, ActionKind::OpenDocument);
    e.encrypted = true;
    home.writeFile("menu/docs/plan.pdf", "plain");
    EXPECT_EQ(planButtonAction(e, menu).kind, ActionKind::OpenDocument);
}

TEST_F(ButtonActionOnDisk, MissingTargetsAreReportedBeforeAnythingStarts)
{
    const std::string menu = home.win("menu");
    EXPECT_EQ(runButtonAction(planButtonAction(button("Run Program", "nothing.exe"), menu)),
              ActionOutcome::TargetMissing);
    EXPECT_EQ(runButtonAction(planButtonAction(button("Open Folder", "no folder"), menu)),
              ActionOutcome::TargetMissing);
    EXPECT_EQ(runButtonAction(planButtonAction(button("Exit", ""), menu)), ActionOutcome::Failed);
}

}  // namespace
}  // namespace orv::shell
