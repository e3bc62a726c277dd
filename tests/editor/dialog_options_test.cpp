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
#include "main_window_test_support.h"
#include "editor/project_document.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

TEST(MenuProgramNameCorrection, BlanksGoAndInvalidNamesBecomeTheDefault)
{
    const std::string def = "ORVNMENU.EXE";
    const std::pair<std::string, std::string> cases[] = {
        {"START.EXE", "START.EXE"},
        {" a b.exe ", "ab.exe"},
        {"MENUEXE", def},                                // no dot
        {"", def},
        {"C:MENU.EXE", def},                             // drive
        {"bin\\MENU.EXE", def},                          // folder
        {"bin/MENU.EXE", def},
        {"A . E", def},                                  // four characters once blanks are gone
        {std::string(36, 'M') + ".EXE", std::string(36, 'M') + ".EXE"},
        {std::string(37, 'M') + ".EXE", def},            // 41 characters
        {std::string(10000, 'x') + ".exe", def},         // pasted text
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(CorrectMenuProgramName(typed, def), kept) << typed.substr(0, 40);
}

class OptionsValuesTest : public test::HomeTest {
protected:
    EditorOptions options;
    MenuProject project;
};

TEST_F(OptionsValuesTest, ValuesComeBackUnchangedAndIconAndCharacterSetGoToTheProject)
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
    EXPECT_EQ(project, projectBefore);

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
    ProjectDocument document;
    const MenuProject& project = document.project();
};

TEST_F(OptionsDialogTest, ControlsShowTheOptionsAndTheProject)
{
    options.SelectedFont = 3;
    options.DontAskProjectType = true;
    options.CDExeFileName = "START.EXE";
    MenuProject shown;
    shown.ProjectType = 2;
    shown.AppIconIndex = 4;
    OptionsDialog dialog(options, shown);

    EXPECT_TRUE(test::namedChild<QRadioButton>(dialog, "oFont_3")->isChecked());
    EXPECT_TRUE(test::namedChild<QCheckBox>(dialog, "cDontAskProjectType")->isChecked());
    EXPECT_EQ(test::namedChild<QLineEdit>(dialog, "tFilenameMenuShellApp")->text(), "START.EXE");
    auto* type = test::namedChild<QComboBox>(dialog, "ComboProjectType");
    EXPECT_EQ(type->currentText(), "USB flash drive project");
    auto* icon = test::namedChild<QComboBox>(dialog, "ComboAppIcon");
    EXPECT_EQ(icon->count(), 8);
    EXPECT_EQ(icon->currentText(), "4 - CD/DVD + menu");
}

TEST_F(OptionsDialogTest, CancelChangesNothingAndOkCorrectsTheTypedNames)
{
    const EditorOptions before = options;
    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        d->findChild<QLineEdit*>("tFilenameMenuShellApp")->setText("OTHER.EXE");
        d->findChild<QCheckBox*>("cShowCDFolders")->setChecked(true);
        d->reject();
    });
    EXPECT_FALSE(OptionsDialog::edit(options, document));
    EXPECT_EQ(options, before);
    EXPECT_FALSE(document.isModified());

    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        d->findChild<QLineEdit*>("tFilenameMenuShellApp")->setText("MY MENU.EXE");
        d->findChild<QLineEdit*>("tFilenameMenuShellApp_USBsticks")->setText(QString(10000, 'x'));
        d->findChild<QRadioButton*>("oFont_2")->setChecked(true);
        d->findChild<QComboBox*>("ComboProjectType")->setCurrentIndex(1);
        d->accept();
    });
    EXPECT_TRUE(OptionsDialog::edit(options, document));
    EXPECT_EQ(options.CDExeFileName, "MYMENU.EXE");
    EXPECT_EQ(options.USBStickExeFileName, "MENU.EXE");
    EXPECT_EQ(options.SelectedFont, 2);
    EXPECT_EQ(project.FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_EQ(document.undoStack().count(), 1) << "the dialog's OK is one step";
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(home.ui().messages().empty());
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

TEST_F(OptionsDialogTest, ButtonTextsGoToTheProjectOnOk)
{
    OptionsButtonTextsDialog texts("OK", "Close");
    test::namedChild<QLineEdit>(texts, "tMenuShellDlgText_OKButton")->setText("  ");
    test::namedChild<QLineEdit>(texts, "tMenuShellDlgText_CloseButton")->setText("Stäng");
    EXPECT_EQ(texts.okText(), "OK");  // an empty caption keeps the menu's own word
    EXPECT_EQ(texts.closeText(), "Stäng");

    test::whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
        test::whenModalOpens<OptionsButtonTextsDialog>([](OptionsButtonTextsDialog* t) {
            test::namedChild<QLineEdit>(*t, "tMenuShellDlgText_OKButton")->setText("Ja");
            test::namedChild<QLineEdit>(*t, "tMenuShellDlgText_CloseButton")->setText("Stäng");
            t->accept();
        });
        d->findChild<QPushButton*>("CmdButtonTexts")->click();
        d->accept();
    });
    ASSERT_TRUE(OptionsDialog::edit(options, document));
    EXPECT_EQ(project.ButtonOK_Text, "Ja");
    EXPECT_EQ(project.ButtonClose_Text, "Stäng");
}

TEST(EditorFontChoice, FirstInstalledCandidateAndAWideFamilyForUnicodeTexts)
{
    const std::vector<std::string> installed = {"DejaVu Sans", "Noto Sans", "liberation sans"};
    EXPECT_EQ(ChooseEditorFontFamily(1, false, installed), "liberation sans");
    EXPECT_EQ(ChooseEditorFontFamily(2, false, installed), "DejaVu Sans");
    EXPECT_EQ(ChooseEditorFontFamily(3, false, installed), "Noto Sans");
    // The default font keeps the desktop's own font when "MS Sans Serif" is not installed.
    EXPECT_EQ(ChooseEditorFontFamily(0, false, installed), "");
    EXPECT_EQ(ChooseEditorFontFamily(0, false, {"MS Sans Serif"}), "MS Sans Serif");
    EXPECT_EQ(ChooseEditorFontFamily(0, true, installed), "Noto Sans");
    EXPECT_EQ(ChooseEditorFontFamily(2, true, {"Arial Unicode MS", "Tahoma"}), "Arial Unicode MS");
    EXPECT_EQ(ChooseEditorFontFamily(2, true, {"Tahoma"}), "Tahoma") << "without a wide family the font stays";
}

}  // namespace
}  // namespace orv::editor
