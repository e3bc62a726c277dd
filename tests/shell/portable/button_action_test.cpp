#include "shell/button_action.h"

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

TEST(ResolveMenuLink, RelativeRootedAbsoluteAndTyped)
{
    EXPECT_EQ(resolveMenuLink("docs\\a.pdf", Menu), "E:\\Menu\\docs\\a.pdf");
    EXPECT_EQ(resolveMenuLink("\xC2\xA4\\docs\\a.pdf", Menu), "E:\\Menu\\docs\\a.pdf");
    EXPECT_EQ(resolveMenuLink("*docs\\a.pdf", Menu), "E:\\Menu\\docs\\a.pdf");
    // A leading backslash is the medium's root: the main menu's folder, where creation copied the file.
    EXPECT_EQ(resolveMenuLink("\\setup\\x.exe", Menu), "E:\\Menu\\setup\\x.exe");
    EXPECT_EQ(resolveMenuLink("/setup/x.exe", "E:\\Menu\\sub", Menu), "E:\\Menu\\setup/x.exe");
    EXPECT_EQ(resolveMenuLink("\\setup\\x.exe", "E:\\Menu\\sub", Menu), "E:\\Menu\\setup\\x.exe");
    EXPECT_EQ(resolveMenuLink("*\\x.exe", "E:\\Menu\\sub", Menu), "E:\\Menu\\sub\\x.exe");
    EXPECT_EQ(resolveMenuLink("C:\\Windows\\notepad.exe", Menu), "C:\\Windows\\notepad.exe");
    EXPECT_EQ(resolveMenuLink("@D:\\data", Menu), "D:\\data");
    EXPECT_EQ(resolveMenuLink("@docs", Menu), "E:\\Menu\\docs");
    EXPECT_EQ(resolveMenuLink("", Menu), "E:\\Menu");
    EXPECT_EQ(resolveMenuLink("a.txt", "E:\\"), "E:\\a.txt");
}

TEST(AddressesAndParameters, AsTheDesktopExpectsThem)
{
    EXPECT_EQ(webAddress("www.example.com"), "http://www.example.com");
    EXPECT_EQ(webAddress("@https://example.com/a?b=c"), "https://example.com/a?b=c");
    EXPECT_EQ(mailAddress("ann@example.com", ""), "mailto:ann@example.com");
    EXPECT_EQ(mailAddress("MAILTO:ann@example.com", "Hi & bye"), "mailto:ann@example.com?subject=Hi%20%26%20bye");
}

TEST(PlanButtonAction, EachCommandGetsItsAction)
{
    auto a = planButtonAction(button("Run Program & Close", "bin\\app.exe", "/x %SRCDRV\\data"), Menu);
    EXPECT_EQ(a.kind, ActionKind::StartProgram);
    EXPECT_EQ(a.target, "E:\\Menu\\bin\\app.exe");
    EXPECT_EQ(a.parameters, "/x E:\\data");
    EXPECT_EQ(a.workingFolder, "E:\\Menu\\bin");
    EXPECT_TRUE(a.closeMenuAfter);
    EXPECT_FALSE(a.maximized);

    MenuEntry maximized = button("Run Program", "app.exe");
    maximized.runMaximized = true;
    a = planButtonAction(maximized, Menu);
    EXPECT_TRUE(a.maximized);
    EXPECT_FALSE(a.closeMenuAfter);

    for (const char* cmd : {"Show Document", "Play Music", "Play Movie", "Show RTF Document", "Open Excel File"}) {
        a = planButtonAction(button(cmd, "media\\f.dat"), Menu);
        EXPECT_EQ(a.kind, ActionKind::OpenDocument) << cmd;
        EXPECT_EQ(a.target, "E:\\Menu\\media\\f.dat") << cmd;
        EXPECT_TRUE(a.targetOnMedium) << cmd;
    }

    a = planButtonAction(button("Open Folder", "pics"), Menu);
    EXPECT_EQ(a.kind, ActionKind::OpenFolder);
    EXPECT_EQ(a.target, "E:\\Menu\\pics");
    EXPECT_EQ(planButtonAction(button("Run Explorer", "pics"), Menu).kind, ActionKind::OpenFolder);

    a = planButtonAction(button("Show Internet Page", "www.example.com"), Menu);
    EXPECT_EQ(a.kind, ActionKind::OpenAddress);
    EXPECT_EQ(a.target, "http://www.example.com");
    EXPECT_FALSE(a.targetOnMedium);
    a = planButtonAction(button("Send E-mail", "ann@example.com", "Order"), Menu);
    EXPECT_EQ(a.target, "mailto:ann@example.com?subject=Order");

    a = planButtonAction(button("Play Flash Animation", "anim\\intro.swf"), Menu);
    EXPECT_EQ(a.kind, ActionKind::StartProgram);
    EXPECT_EQ(a.target, "E:\\Menu\\VTFlashPlayer\\VTFlashPlayer.exe");
    EXPECT_EQ(a.parameters, "E:\\Menu\\anim\\intro.swf");
    a = planButtonAction(button("Open Picture Gallery", "pics"), Menu);
    EXPECT_EQ(a.target, "E:\\Menu\\VTPictureGallery\\VTPictureGallery.exe");
    EXPECT_EQ(a.parameters, "E:\\Menu\\pics");

    a = planButtonAction(button("Open New Menu", "sub\\ORVNMENU.MNI"), Menu);
    EXPECT_EQ(a.kind, ActionKind::OpenMenu);
    EXPECT_EQ(a.target, "E:\\Menu\\sub\\ORVNMENU.MNI");
    EXPECT_EQ(planButtonAction(button("Return To Previous Menu", ""), Menu).kind, ActionKind::ReturnToPreviousMenu);
    EXPECT_EQ(planButtonAction(button("Return To Main Menu", ""), Menu).kind, ActionKind::ReturnToMainMenu);
    EXPECT_EQ(planButtonAction(button("Exit", ""), Menu).kind, ActionKind::CloseMenu);
}

TEST(PlanButtonAction, NothingToDoOrNotSupported)
{
    MenuEntry title = button("", "");
    title.titleRow = true;
    EXPECT_EQ(planButtonAction(title, Menu).kind, ActionKind::None);
    EXPECT_EQ(planButtonAction(button("Show Document", ""), Menu).kind, ActionKind::None);
    EXPECT_EQ(planButtonAction(button("Show Internet Page", ""), Menu).kind, ActionKind::None);

    auto a = planButtonAction(button("Install StickGuard", "setup.exe"), Menu);
    EXPECT_EQ(a.kind, ActionKind::Unsupported);
    EXPECT_EQ(a.target, "Install StickGuard");
    EXPECT_EQ(planButtonAction(button("Dance", "x"), Menu).kind, ActionKind::Unsupported);
}

TEST(PlanButtonAction, ParameterTextStaysAsTyped)
{
    // Quotes, blanks and backslashes reach the program untouched; it splits them itself.
    auto a = planButtonAction(button("Run Program", "setup.exe", "TARGETDIR=\"C:\\a b\" /q  %SRCDRV\\x"), Menu);
    EXPECT_EQ(a.parameters, "TARGETDIR=\"C:\\a b\" /q  E:\\x");
    EXPECT_TRUE(a.standardInput.empty());

    // A companion's file is quoted when it holds a blank (a trailing backslash doubled, so
    // that it does not escape the closing quote).
    a = planButtonAction(button("Play Flash Animation", "anim\\my intro.swf"), "E:\\My Menu");
    EXPECT_EQ(a.target, "E:\\My Menu\\VTFlashPlayer\\VTFlashPlayer.exe");
    EXPECT_EQ(a.parameters, "\"E:\\My Menu\\anim\\my intro.swf\"");
    EXPECT_EQ(planButtonAction(button("Open Picture Gallery", "@E:\\My Pics\\"), Menu).parameters,
              "\"E:\\My Pics\\\\\"");
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

    auto a = planButtonAction(e, menu);
    EXPECT_EQ(a.kind, ActionKind::StartProgram);
    EXPECT_EQ(a.target, menu + "\\docs\\BE.exe");
    // The password goes through standard input, never on the command line.
    EXPECT_EQ(a.parameters, menu + "\\docs\\plan.pdf.cry --password-stdin");
    EXPECT_EQ(a.standardInput, "pw\n");
    EXPECT_EQ(a.workingFolder, menu + "\\docs");

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
