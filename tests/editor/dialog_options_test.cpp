// The options dialog: the silent correction of the menu program names, the values it takes
// from and writes back to the options and the project, its small dialogs, and the editor
// font it leads to.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editor/dialogs/options_button_texts_dialog.h"
#include "editor/dialogs/options_dialog.h"
#include "editor/dialogs/social_media_dialogs.h"
#include "editor/rules/editor_font_rules.h"
#include "editor/rules/options_rules.h"
#include "editor/rules/window_title.h"
#include "main_window_test_support.h"
#include "model/menu_project.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

TEST(MenuProgramNameCorrection, KeepsAValidNameAndRemovesBlanks)
{
    EXPECT_EQ(CorrectMenuProgramName("START.EXE", "MENU.EXE"), "START.EXE");
    EXPECT_EQ(CorrectMenuProgramName("MY MENU.EXE", "MENU.EXE"), "MYMENU.EXE");
    EXPECT_EQ(CorrectMenuProgramName(" a b.exe ", "MENU.EXE"), "ab.exe");
}

TEST(MenuProgramNameCorrection, InvalidNamesBecomeTheDefault)
{
    const std::string def = "ORVNMENU.EXE";
    EXPECT_EQ(CorrectMenuProgramName("MENUEXE", def), def);                 // no dot
    EXPECT_EQ(CorrectMenuProgramName("", def), def);                        // empty
    EXPECT_EQ(CorrectMenuProgramName("C:MENU.EXE", def), def);              // drive letter and colon
    EXPECT_EQ(CorrectMenuProgramName("bin\\MENU.EXE", def), def);           // folder
    EXPECT_EQ(CorrectMenuProgramName("bin/MENU.EXE", def), def);            // folder
    EXPECT_EQ(CorrectMenuProgramName("A.EX", def), def);                    // four characters
    EXPECT_EQ(CorrectMenuProgramName("A . E", def), def);                   // four once blanks are gone
    EXPECT_EQ(CorrectMenuProgramName(std::string(37, 'M') + ".EXE", def), def);  // 41 characters
    EXPECT_EQ(CorrectMenuProgramName(std::string(36, 'M') + ".EXE", def), std::string(36, 'M') + ".EXE");
    EXPECT_EQ(CorrectMenuProgramName(std::string(10000, 'x') + ".exe", def), def);  // pasted text
}

class OptionsValuesTest : public test::HomeTest {
protected:
    EditorOptions options;
    MenuProject project;
};

TEST_F(OptionsValuesTest, ValuesComeBackUnchangedApartFromTheModifiedFlag)
{
    options.SelectedFont = 2;
    options.DocErr_FileExt[0] = "pdf";
    options.SocialMedia[4].URL = "https://example.com";
    project.AppIconIndex = 5;
    project.ButtonOK_Text = "Ja";
    EditorOptions optionsBefore = options;
    MenuProject projectBefore = project;

    ApplyOptionsDialogValues(ReadOptionsDialogValues(options, project), options, project);
    EXPECT_EQ(options, optionsBefore);
    EXPECT_TRUE(project.Modified);
    project.Modified = false;
    EXPECT_EQ(project, projectBefore);
}

TEST_F(OptionsValuesTest, SwitchingToUsbChangesTheColumnHeadingAndTitleAtOnce)
{
    OptionsDialogValues v = ReadOptionsDialogValues(options, project);
    v.ProjectTypeIndex = 1;
    ApplyOptionsDialogValues(v, options, project);
    EXPECT_EQ(project.ProjectType, 2);
    EXPECT_EQ(project.FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_EQ(EditorWindowTitle(project), "Veltrona Orvanto - [USB flash drive] - [noname]");

    v.ProjectTypeIndex = 0;
    ApplyOptionsDialogValues(v, options, project);
    EXPECT_EQ(project.ProjectType, 1);
    EXPECT_EQ(project.FileNameColumnHeading, "Filename (CD/DVD)");
}

TEST_F(OptionsValuesTest, IconAndCharacterSetGoToTheProject)
{
    project.AppIconIndex = 0;  // an old file's 0 shows as the first icon
    OptionsDialogValues v = ReadOptionsDialogValues(options, project);
    EXPECT_EQ(v.AppIconListIndex, 0);
    v.AppIconListIndex = 7;
    v.UseUnicode = true;
    v.AddPrintSupportForRTFDocuments = true;
    ApplyOptionsDialogValues(v, options, project);
    EXPECT_EQ(project.AppIconIndex, 8);
    EXPECT_TRUE(project.UseUnicode);
    EXPECT_TRUE(options.UseUnicodeEncoding);
    EXPECT_EQ(options.AddPrintSupportForRTFDocuments, 1);
}

class OptionsDialogTest : public test::HomeTest {
protected:
    void SetUp() override { test::ensureApplication(); }

    EditorOptions options;
    MenuProject project;
};

TEST_F(OptionsDialogTest, ControlsShowTheOptionsAndTheProject)
{
    options.SelectedFont = 3;
    options.DontAskProjectType = true;
    options.CDExeFileName = "START.EXE";
    project.ProjectType = 2;
    project.AppIconIndex = 4;
    OptionsDialog dialog(options, project);

    EXPECT_TRUE(test::namedChild<QRadioButton>(dialog, "oFont_3")->isChecked());
    EXPECT_TRUE(test::namedChild<QCheckBox>(dialog, "cDontAskProjectType")->isChecked());
    EXPECT_EQ(test::namedChild<QLineEdit>(dialog, "tFilenameMenuShellApp")->text(), "START.EXE");
    auto* type = test::namedChild<QComboBox>(dialog, "ComboProjectType");
    EXPECT_EQ(type->currentText(), "USB flash drive project");
    auto* icon = test::namedChild<QComboBox>(dialog, "ComboAppIcon");
    EXPECT_EQ(icon->count(), 8);
    EXPECT_EQ(icon->currentText(), "4 - CD/DVD + menu");
}

TEST_F(OptionsDialogTest, TypedNamesAreCorrectedWhenTheDialogIsConfirmed)
{
    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        d->findChild<QLineEdit*>("tFilenameMenuShellApp")->setText("MY MENU.EXE");
        d->findChild<QLineEdit*>("tFilenameMenuShellApp_USBsticks")->setText(QString(10000, 'x'));
        d->findChild<QRadioButton*>("oFont_2")->setChecked(true);
        d->findChild<QComboBox*>("ComboProjectType")->setCurrentIndex(1);
        d->accept();
    });
    EXPECT_TRUE(OptionsDialog::edit(options, project));
    EXPECT_EQ(options.CDExeFileName, "MYMENU.EXE");
    EXPECT_EQ(options.USBStickExeFileName, "MENU.EXE");
    EXPECT_EQ(options.SelectedFont, 2);
    EXPECT_EQ(project.FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_TRUE(project.Modified);
    EXPECT_TRUE(home.ui().messages().empty());
}

TEST_F(OptionsDialogTest, CancelChangesNothing)
{
    EditorOptions before = options;
    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        d->findChild<QLineEdit*>("tFilenameMenuShellApp")->setText("OTHER.EXE");
        d->findChild<QCheckBox*>("cShowCDFolders")->setChecked(true);
        d->reject();
    });
    EXPECT_FALSE(OptionsDialog::edit(options, project));
    EXPECT_EQ(options, before);
    EXPECT_FALSE(project.Modified);
}

TEST_F(OptionsDialogTest, SocialMediaRowsAndTheMoreDialogKeepTheirValues)
{
    options.SocialMedia[0] = {1, "https://facebook.example", "Our page"};
    OptionsDialog dialog(options, project);
    auto* facebook = test::namedChild<QCheckBox>(dialog, "cAddFacebookLogo");
    EXPECT_TRUE(facebook->isChecked());
    EXPECT_EQ(facebook->text(), "Add Facebook logotype and hyperlink to the menu");
    test::namedChild<QCheckBox>(dialog, "cAddGooglePlusLogo")->setChecked(true);

    // "More social media" edits YouTube..Instagram; its OK keeps them until the options' OK.
    test::whenModalOpens<MoreSocialMediaDialog>([](MoreSocialMediaDialog* d) {
        d->row(3)->showLogoBox()->setChecked(true);
        d->row(3)->urlField()->setText("  https://youtube.example  ");
        d->accept();
    });
    test::namedChild<QPushButton>(dialog, "CmdMoreSocialMedia")->click();

    OptionsDialogValues v = dialog.values();
    EXPECT_EQ(v.SocialMedia[0], (SocialMediaOption{1, "https://facebook.example", "Our page"}));
    EXPECT_EQ(v.SocialMedia[2].ShowLogo, 1);
    EXPECT_EQ(v.SocialMedia[3].ShowLogo, 1);
    EXPECT_EQ(v.SocialMedia[3].URL, "https://youtube.example");
    EXPECT_EQ(v.SocialMedia[3].TipText, "Opens our YouTube channel on the web");
    EXPECT_EQ(options.SocialMedia[3].ShowLogo, 0);  // nothing written before OK
}

TEST_F(OptionsDialogTest, MoreSocialMediaCancelKeepsTheEarlierValues)
{
    MoreSocialMediaDialog::Values values = DefaultSocialMedia();
    values[5] = {1, "https://pinterest.example", "Pins"};
    MoreSocialMediaDialog dialog(values);
    dialog.row(5)->showLogoBox()->setChecked(false);
    EXPECT_FALSE(dialog.row(5)->urlField()->isEnabled());
    EXPECT_EQ(dialog.values()[5].ShowLogo, 0);
    EXPECT_EQ(dialog.values()[5].TipText, "Pins");
    EXPECT_EQ(dialog.row(0), nullptr);  // the first three live on the options dialog
}

TEST_F(OptionsDialogTest, TipTextDialogRestoresTheNetworksDefault)
{
    SocialMediaTipDialog dialog(1, "Follow us");
    EXPECT_EQ(dialog.windowTitle(), "Tip Text For Clickable Logotype (Twitter)");
    EXPECT_EQ(dialog.tipText(), "Follow us");
    dialog.restoreDefaultText();
    EXPECT_EQ(dialog.tipText(), "Opens our Twitter page on the web");

    test::whenModalOpens<SocialMediaTipDialog>([](SocialMediaTipDialog* d) {
        d->tipTextField()->setText("Changed");
        d->reject();
    });
    EXPECT_EQ(SocialMediaTipDialog::editTipText(1, "Follow us"), std::nullopt);
}

TEST_F(OptionsDialogTest, ButtonTextsGoToTheProjectOnOk)
{
    OptionsButtonTextsDialog texts("OK", "Close");
    texts.okField()->setText("  ");
    texts.closeField()->setText("Stäng");
    EXPECT_EQ(texts.okText(), "OK");  // an empty caption keeps the menu's own word
    EXPECT_EQ(texts.closeText(), "Stäng");

    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        test::whenModalOpens<OptionsButtonTextsDialog>([](OptionsButtonTextsDialog* t) {
            t->okField()->setText("Ja");
            t->closeField()->setText("Stäng");
            t->accept();
        });
        d->findChild<QPushButton*>("CmdButtonTexts")->click();
        d->accept();
    });
    ASSERT_TRUE(OptionsDialog::edit(options, project));
    EXPECT_EQ(project.ButtonOK_Text, "Ja");
    EXPECT_EQ(project.ButtonClose_Text, "Stäng");
}

TEST(EditorFontChoice, PicksTheFirstInstalledCandidate)
{
    const std::vector<std::string> installed = {"DejaVu Sans", "Noto Sans", "liberation sans"};
    EXPECT_EQ(ChooseEditorFontFamily(1, false, installed), "liberation sans");
    EXPECT_EQ(ChooseEditorFontFamily(2, false, installed), "DejaVu Sans");
    EXPECT_EQ(ChooseEditorFontFamily(3, false, installed), "Noto Sans");
    // The default font keeps the desktop's own font when "MS Sans Serif" is not installed.
    EXPECT_EQ(ChooseEditorFontFamily(0, false, installed), "");
    EXPECT_EQ(ChooseEditorFontFamily(0, false, {"MS Sans Serif"}), "MS Sans Serif");
}

TEST(EditorFontChoice, UnicodeTextsSwitchToAWideCoverageFamily)
{
    EXPECT_EQ(ChooseEditorFontFamily(0, true, {"DejaVu Sans", "Noto Sans"}), "Noto Sans");
    EXPECT_EQ(ChooseEditorFontFamily(2, true, {"Arial Unicode MS", "Tahoma"}), "Arial Unicode MS");
    // Without any wide family the chosen font stays.
    EXPECT_EQ(ChooseEditorFontFamily(2, true, {"Tahoma"}), "Tahoma");
}

}  // namespace
}  // namespace orv::editor
