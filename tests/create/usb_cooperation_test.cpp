// Cooperation with Portavo, driven by its registry values in the test registry.
#include <gmock/gmock.h>

#include "create/create_menu.h"
#include "create/usb_cooperation.h"
#include "create_fixture.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/profile.h"
#include "model/sibling_products.h"
#include "platform/registry.h"
#include "platform/services.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using platform::HKEY_CURRENT_USER_ROOT;
using platform::HKEY_LOCAL_MACHINE_ROOT;

class UsbCooperationTest : public CreateTest {
protected:
    UsbCooperationTest()
    {
        project.ProjectType = ProjectTypeUSB;
        project.UseAutorun = 1;
        project.CoOperateWithPortavoLink = true;
    }

    // Portavo installed in a folder of the home, full edition unless a release is given.
    void installPortavo(const std::string& release = "PTV-FULL")
    {
        auto* registry = platform::services().registry;
        registry->CreateRegKey(HKEY_LOCAL_MACHINE_ROOT, PortavoMachineKey);
        registry->SetRegKeyVal(HKEY_LOCAL_MACHINE_ROOT, PortavoMachineKey, "Installed", 1);
        registry->SetRegKeyStr(HKEY_LOCAL_MACHINE_ROOT, PortavoMachineKey, "Release", release);
        registry->SetRegKeyStr(HKEY_LOCAL_MACHINE_ROOT, PortavoMachineKey, "InstallationDir", home.win("portavo"));
        home.writeFile("portavo/SETUP-StickGuard.exe", "setup");
        DetectSiblingProducts();
    }

    long userValue(const char* name)
    {
        return platform::services().registry->GetRegKeyVal(HKEY_CURRENT_USER_ROOT, PortavoUserKey, name, -1);
    }
};

TEST_F(UsbCooperationTest, FullVersionRemovesOldFilesCopiesSetupAndWritesTheWholeLabel)
{
    installPortavo();
    project.DiscLabel = " A label that is longer than thirty-two characters ";
    project.Buttons.push_back(MakeStickGuardButton());
    const auto olds = {"START.EXE", "START.EXE.MANIFEST", "OpenFile/STARTDOC.INF", "STARTAPP.EXE"};
    for (const char* old : olds)
        home.writeFile(std::string("menu/") + old, "old");
    home.writeFile("menu/keep.txt", "mine");
    ASSERT_TRUE(create());
    for (const char* old : olds)
        EXPECT_FALSE(exists(old)) << old;
    EXPECT_TRUE(exists("keep.txt"));
    EXPECT_TRUE(exists("MENU.EXE"));
    EXPECT_EQ(read("SETUP-StickGuard/SETUP-STICKGUARD.EXE"), "setup");
    EXPECT_EQ(StickGuardSetupCopiedPath(), dest() + "\\SETUP-StickGuard\\SETUP-STICKGUARD.EXE");
    EXPECT_EQ(*CachedProfile(dest() + "\\AUTORUN.INF").find("AutoRun", "LABEL"),
              "A label that is longer than thirty-two characters");
    const auto& report = observer.reports[0];
    EXPECT_THAT(report.lines, Contains("Following files have been copied to the 'SETUP-StickGuard' sub folder:"));
    EXPECT_THAT(report.lines, Contains("  SETUP-StickGuard.exe  -  (StickGuard setup program)"));
    EXPECT_TRUE(report.enableStickGuardInfoTimer);
    EXPECT_FALSE(report.enableProductPageInfoTimer);
    EXPECT_EQ(observer.offersShown, 0);  // the list already has the button

    // Into the menu folder itself, with a dated label when there is none.
    project.StickGuard_CopySetupFileToSubFolder = false;
    project.DiscLabel.clear();
    ASSERT_TRUE(create());
    EXPECT_TRUE(exists("SETUP-STICKGUARD.EXE"));
    EXPECT_THAT(*CachedProfile(dest() + "\\AUTORUN.INF").find("AutoRun", "LABEL"),
                ::testing::MatchesRegex("- USB Flash Drive [0-9]{6} -"));
}

// The offer of a StickGuard button: Cancel stops before anything is written; Yes adds the
// button before Exit and asks about editing it (Yes stops there, No builds it into the menu);
// a full list gets none; No goes on, and with "don't show" checked silences the offer.
TEST_F(UsbCooperationTest, StickGuardButtonOffer)
{
    installPortavo();
    project.Buttons = {LinkedButton("Docs", "Show Document", "a.pdf", "", "1"), LinkedButton("Exit", "Exit", "", "", "1")};
    observer.offerAnswers = {{platform::AnswerCancel, false}, {platform::AnswerYes, false}, {platform::AnswerYes, false},
                             {platform::AnswerYes, false}, {platform::AnswerNo, true}};
    observer.editAnswers = {platform::AnswerYes, platform::AnswerNo};
    EXPECT_FALSE(create());
    EXPECT_EQ(project.Buttons.size(), 2u);

    EXPECT_FALSE(create());
    ASSERT_EQ(project.Buttons.size(), 3u);
    EXPECT_EQ(project.Buttons[1].Cmd, "Install StickGuard");
    EXPECT_EQ(project.Buttons[1].Text, "Activate AutoRun");
    EXPECT_EQ(project.Buttons[1].PswIsWrongText, "The password you entered is not correct. Try again.");
    EXPECT_THAT(observer.tabs, ::testing::ElementsAre(MainTab::ButtonsText));
    EXPECT_EQ(observer.projectChanges, 1) << "the added button is the creation's change";
    EXPECT_EQ(observer.createDialogHidden, 1);
    EXPECT_TRUE(tree().empty());

    project.Buttons.erase(project.Buttons.begin() + 1);
    EXPECT_TRUE(create());
    EXPECT_EQ(*CachedProfile(dest() + "\\orvnmenu.mni").find("ButtonData", "Button2Cmd"), "Install StickGuard");

    project.Buttons.assign(ButtonListLimit, LinkedButton("B", "Show Document", "", "", "1"));
    EXPECT_TRUE(create());
    EXPECT_EQ(project.Buttons.size(), static_cast<std::size_t>(ButtonListLimit));
    expectMessage("The button list is full! We can't add more buttons to this menu.", "Info");
    EXPECT_EQ(observer.editQuestions, 2);

    project.Buttons.clear();
    EXPECT_EQ(userValue(DontShowStickGuardOffer), 0);
    EXPECT_TRUE(create());
    EXPECT_TRUE(project.Buttons.empty());
    EXPECT_EQ(userValue(DontShowStickGuardOffer), 1);
    EXPECT_TRUE(create());
    EXPECT_EQ(observer.offersShown, 5);
}

TEST_F(UsbCooperationTest, CompactOfficeWarnsButOffersAndCopiesNothingAndTheProgramNameRuleHolds)
{
    installPortavo("PTV-CMPO");
    home.ui().answerNext(platform::AnswerOk);
    home.ui().answerNext(platform::AnswerOk);
    home.ui().answerNext(platform::AnswerYes);
    ASSERT_TRUE(create());
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_THAT(messages()[0].text, HasSubstr("You have Portavo / Compact Office installed in this computer."));
    EXPECT_THAT(messages()[1].text, HasSubstr("you must use the other version of Portavo.\r\n\r\nIf you have bought"));
    EXPECT_EQ(messages()[2].title, "Turn off this warning message?");
    EXPECT_EQ(messages()[2].style, 36);
    EXPECT_EQ(userValue(DontShowCompactOfficeWarning), 1);
    EXPECT_EQ(observer.offersShown, 0);
    EXPECT_FALSE(exists("SETUP-StickGuard"));
    EXPECT_TRUE(StickGuardSetupCopiedPath().empty());

    // Silenced now; the program name rule still applies, and only while cooperating.
    home.ui().clear();
    Options().USBStickExeFileName = "MYMENU.EXE";
    EXPECT_FALSE(create());
    expectMessage("The filename (MYMENU.EXE) of the menu interface program is not valid. It can only be ORVNMENU.EXE, "
                  "MENU.EXE or START.EXE if the USB flash drive should support AutoRun! Change the filename and try "
                  "again.", "Invalid Filename", 64);
    project.CoOperateWithPortavoLink = false;
    EXPECT_TRUE(create());
    EXPECT_TRUE(exists("MYMENU.EXE"));
}

TEST_F(UsbCooperationTest, MissingSetupProgramStops)
{
    installPortavo();
    project.Buttons.push_back(MakeStickGuardButton());
    std::filesystem::remove(home.path("portavo/SETUP-StickGuard.exe"));
    EXPECT_FALSE(create());
    expectMessage("Can not create! The 'SETUP-StickGuard.exe' setup package file does not exists at the expected source "
                  "path (" + home.win("portavo") + "\\SETUP-StickGuard.exe)! You can try to install Portavo again. "
                  "Portavo must be correctly installed before you can use this function.");
    project.StickGuardSetupFilename.clear();
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(),
              "Can't copy 'SETUP-StickGuard.exe'! No filename has been specified for the setup program!");
}

TEST_F(UsbCooperationTest, WithoutPortavoAUsbMenuPreparesTheProductBox)
{
    ASSERT_TRUE(create());
    EXPECT_TRUE(observer.reports[0].enableProductPageInfoTimer);
    EXPECT_TRUE(ProductPageInformationWanted(project));

    platform::services().registry->SetRegKeyVal(HKEY_CURRENT_USER_ROOT, PortavoUserKey, DontShowProductInfo, 1);
    ASSERT_TRUE(create());
    EXPECT_FALSE(observer.reports[1].enableProductPageInfoTimer);

    project.ProjectType = ProjectTypeCD;
    platform::services().registry->SetRegKeyVal(HKEY_CURRENT_USER_ROOT, PortavoUserKey, DontShowProductInfo, 0);
    ASSERT_TRUE(create());
    EXPECT_FALSE(observer.reports[2].enableProductPageInfoTimer);
}

TEST_F(UsbCooperationTest, InformationBoxNamesTheButtonOrTheCopiedPath)
{
    StickGuardSetupCopiedPath() = "E:\\SETUP-STICKGUARD.EXE";
    StickGuardInformation info = StickGuardInformationFor(project);
    EXPECT_FALSE(info.withButton);
    EXPECT_EQ(info.text, "Before the AutoRun function for USB flash drives will work in another computer, the setup "
                         "program 'SETUP-StickGuard.exe' must be run on that computer. The setup program was copied "
                         "to the following file path:");
    EXPECT_EQ(info.copiedPath, "E:\\SETUP-STICKGUARD.EXE");

    project.Buttons.push_back(MakeStickGuardButton());
    info = StickGuardInformationFor(project);
    EXPECT_TRUE(info.withButton);
    EXPECT_EQ(info.text, "Before the AutoRun function for USB flash drives will work in another computer, the user "
                         "must press the 'Activate AutoRun' button in the menu to run the 'SETUP-StickGuard.exe' "
                         "setup program.");
}

// The settings dialog's other rules are tested with the dialog.
TEST_F(UsbCooperationTest, SettingsWithoutAFolderNameTakeTheDefaultFolder)
{
    PortavoLinkSettingsForm form = LoadPortavoLinkSettings(project);
    form.folderName.clear();
    ASSERT_TRUE(ConfirmPortavoLinkSettings(form, project));
    EXPECT_EQ(project.StickGuardSetupFoldername, "SETUP-StickGuard");
}

}  // namespace
}  // namespace orv::test
