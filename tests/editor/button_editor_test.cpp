// The button editor: its command list, the target field rules, browsing, the checks of OK in
// their order, the entry it gives back, and the dialog offscreen.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editor/dialogs/button_editor_dialog.h"
#include "editor/rules/button_editor_rules.h"
#include "editor/tabs/dialog_launcher.h"
#include "model/editor_options.h"
#include "model/button_list.h"
#include "model/sibling_products.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

using C = ButtonCommand;

class ButtonEditorTest : public test::HomeTest {
protected:
    // The rules for an entry of the project; a new entry has the defaults.
    ButtonEditorRules open(const std::string& cmd, const std::string& link = "", bool isNew = false)
    {
        MenuButton entry = NewButtonEntry(project, Options().CopyLinkedButtonFiles);
        entry.Cmd = cmd;
        entry.Link = link;
        return ButtonEditorRules({project, entry, isNew, 3});
    }

    MenuProject project;
};

TEST_F(ButtonEditorTest, StickGuardIsOfferedOnlyInUsbProjectsWithTheSiblingProduct)
{
    const struct { std::int16_t type; bool installed; bool offered; } cases[] = {
        {ProjectTypeUSB, true, true},
        {ProjectTypeUSB, false, false},
        {ProjectTypeCD, true, false},
    };
    for (const auto& c : cases) {
        project.ProjectType = c.type;
        Siblings().PortavoInstalled = c.installed;
        const ButtonCommandCatalogue list = ButtonCommandCatalogue::forProject(project);
        EXPECT_EQ(list.count(), c.offered ? 19 : 18);
        EXPECT_EQ(list.rowOf(C::InstallStickGuard), c.offered ? 18 : 0);
        EXPECT_EQ(list.row(list.exitRow()).text, "Exit");
        EXPECT_TRUE(list.row(13).heading && list.row(17).heading);
    }
}

TEST_F(ButtonEditorTest, LoadingReadsFlagsNumbersAndUnknownCommands)
{
    MenuButton entry;
    entry.Cmd = "Starta program";  // not in the list: opens as Exit
    entry.Hide = "yes";
    entry.BCUse = "0";
    entry.DeltaX = "";
    entry.CSF = "22";
    entry.BC1 = "12a";
    entry.BmpTransType = "7";
    ButtonEditorRules rules({project, entry, false, 1});
    EXPECT_EQ(rules.command(), C::Exit);
    ASSERT_TRUE(rules.accept());
    const MenuButton b = rules.result();
    EXPECT_EQ(b.Cmd, "Exit");
    EXPECT_EQ(b.Hide, "0");
    EXPECT_EQ(b.ShowDialogBoxes, "1");  // on unless "0"
    EXPECT_EQ(b.BCUse, "");
    EXPECT_EQ(b.DeltaX, "0");
    EXPECT_EQ(b.CSF, "1");
    EXPECT_EQ(b.BC1, "0");
    EXPECT_EQ(b.BmpTransType, "1");
}

TEST_F(ButtonEditorTest, LayoutFollowsTheCommandAndTheProjectType)
{
    const struct { const char* cmd; std::int16_t type; const char* target; bool browse; const char* params; bool
        enabled; } cases[] = {
        {"Run Program", ProjectTypeUSB, "&Filename (USB):", true, "&Parameters:", true},
        {"Show Internet Page", ProjectTypeCD, "&Web Page (URL):", false, "&Parameters:", false},
        {"Play Flash Animation", ProjectTypeCD, "&Filename (disc):", true, "&Window Title:", true},
        {"Open Picture Gallery", ProjectTypeUSB, "&Folder (USB):", false, "&Parameters:", false},
        {"Send E-mail", ProjectTypeCD, "To:", false, "Subject:", true},
    };
    for (const auto& c : cases) {
        project.ProjectType = c.type;
        const ButtonEditorLayout l = open(c.cmd).layout();
        EXPECT_EQ(l.targetCaption, c.target);
        EXPECT_EQ(l.browseEnabled, c.browse) << c.cmd;
        EXPECT_EQ(l.parametersCaption, c.params);
        EXPECT_EQ(l.parametersEnabled, c.enabled) << c.cmd;
    }
    EXPECT_EQ(open("Open New Menu").layout().sourceFileCaption, "Menu File (.MNI):");
    EXPECT_TRUE(open("Play Movie").layout().mediaPlayerVisible);
}

TEST_F(ButtonEditorTest, WordBoxFollowsTheDocumentAndStoresWord)
{
    ButtonEditorRules rules = open("Show Document", "\\docs\\Letter.DOC");
    rules.state.entry.AppParam = "word";
    rules = ButtonEditorRules({project, rules.state.entry, false, 1});
    EXPECT_TRUE(rules.state.wordChecked);
    EXPECT_TRUE(rules.layout().wordBoxVisible);
    EXPECT_FALSE(rules.layout().parametersVisible);
    ASSERT_TRUE(rules.accept());
    EXPECT_EQ(rules.result().AppParam, "WORD");
    rules.state.wordChecked = false;
    ASSERT_TRUE(rules.accept());
    EXPECT_EQ(rules.result().AppParam, "");

    // Without ".doc" the parameters are kept as typed.
    rules = open("Show Document", "\\docs\\a.pdf");
    rules.state.entry.AppParam = "word";
    EXPECT_FALSE(rules.layout().wordBoxVisible);
    ASSERT_TRUE(rules.accept());
    EXPECT_EQ(rules.result().AppParam, "word");
}

TEST_F(ButtonEditorTest, LeavingTheTargetStripsTheDriveAndFollowsTheExtension)
{
    const struct { const char* cmd; bool isNew; const char* typed; const char* kept; C command; } cases[] = {
        {"Run Program", false, "C:\\docs\\readme.txt", "\\docs\\readme.txt", C::ShowDocument},
        {"Run Program", false, "@C:\\docs\\readme.txt", "@C:\\docs\\readme.txt", C::ShowDocument},
        {"Run Program", false, "D:\\", "", C::RunProgram},
        {"Play Music", false, "\\help\\info.RTF", "\\help\\info.RTF", C::ShowRtfDocument},
        {"Run Program", false, "\\clips\\intro.avi", "\\clips\\intro.avi", C::RunProgram},  // merely edited
        {"Run Program", true, "\\clips\\intro.MPEG", "\\clips\\intro.MPEG", C::PlayMovie},
        {"Open Folder", false, "@E:\\pictures", "\\pictures", C::OpenFolder},
        {"Show Internet Page", false, "http://example.com/a.htm", "http://example.com/a.htm", C::ShowInternetPage},
    };
    for (const auto& c : cases) {
        ButtonEditorRules rules = open(c.cmd, c.typed, c.isNew);
        rules.targetLeft();
        EXPECT_EQ(rules.state.entry.Link, c.kept) << c.typed;
        EXPECT_EQ(rules.command(), c.command) << c.typed;
    }

    // A movie extension switches once; the flag is then cleared.
    ButtonEditorRules rules = open("Run Program", "\\a.mov", true);
    rules.targetLeft();
    rules.selectRow(1);
    rules.targetLeft();
    EXPECT_EQ(rules.command(), C::RunProgram);
}

TEST_F(ButtonEditorTest, ExitTextSelectsExitAndDisablesTheTarget)
{
    ButtonEditorRules rules = open("Run Program");
    rules.state.entry.Text = "EXIT";
    rules.textChanged();
    EXPECT_EQ(rules.command(), C::Exit);
    EXPECT_FALSE(rules.layout().targetEnabled);
}

TEST_F(ButtonEditorTest, BrowsingFillsSourceTargetFolderAndCopyOption)
{
    Options().CopyLinkedButtonFiles = true;
    ButtonEditorRules rules = open("Run Program", "", true);
    rules.state.entry.CSF = "1";
    home.ui().pickNextFile("C:\\Setup\\Install.EXE");
    ASSERT_TRUE(rules.browseTarget());
    EXPECT_EQ(rules.state.entry.SourceFile, "c:\\setup\\install.exe");
    EXPECT_EQ(rules.state.entry.Link, "Files\\Button3\\Install.EXE");
    EXPECT_EQ(rules.state.entry.CSF, "2");
    EXPECT_EQ(Options().LastProgramDir, "C:\\Setup");

    // A filled target is replaced only on Yes; without the button-number option the path is
    // taken in lower case (and loses its drive when the field is left).
    Options().UseButtonNrAsDefault = false;
    home.ui().answerNext(platform::AnswerYes);
    rules.takeTargetFile("C:\\Docs\\Guide.PDF");
    EXPECT_EQ(test::shown(home.ui()).at(0), "Filename|36|Du you want to update the 'Filename' field?");
    EXPECT_EQ(rules.state.entry.Link, "\\docs\\guide.pdf");
    EXPECT_EQ(rules.command(), C::ShowDocument);

    home.ui().pickNextFile(std::nullopt);
    EXPECT_FALSE(rules.browseTarget());
    EXPECT_EQ(rules.state.entry.Link, "\\docs\\guide.pdf");
}

TEST_F(ButtonEditorTest, WildcardIsAllowedOnlyForProgramsAndDocumentsAndClearsTheSource)
{
    ButtonEditorRules music = open("Play Music", "\\music\\*.mp3");
    EXPECT_FALSE(music.accept());
    EXPECT_EQ(home.ui().messages().at(0).title, "Invalid character");

    home.ui().clear();
    ButtonEditorRules program = open("Run Program", " \\setup\\*.exe ");
    program.state.entry.CSF = "1";
    EXPECT_TRUE(program.accept());
    EXPECT_EQ(program.result().Link, "\\setup\\*.exe");
    EXPECT_TRUE(home.ui().messages().empty());

    ButtonEditorRules document = open("Show Document", "\\docs\\*.pdf");
    document.state.entry.SourceFile = "c:\\docs\\a.pdf";
    document.state.entry.CSF = "2";
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(document.accept());
    EXPECT_EQ(home.ui().messages().at(0).style, platform::MsgYesNo + platform::MsgQuestion);
    EXPECT_TRUE(document.accept());  // Yes
    EXPECT_EQ(document.result().CSF, "1");
    EXPECT_EQ(document.result().SourceFile, "");

    home.ui().clear();
    document.state.entry.PswProtect = document.state.entry.PswEncrypt = "1";
    EXPECT_FALSE(document.accept());
    EXPECT_EQ(home.ui().messages().at(0).text, "A wildcard character (*) can not be used with encryption!");
}

TEST_F(ButtonEditorTest, OkChecksAddressPictureFolderAndSourceDrive)
{
    ButtonEditorRules web = open("Show Internet Page", "www example");
    EXPECT_FALSE(web.accept());
    ASSERT_EQ(home.ui().messages().size(), 2u);
    EXPECT_EQ(home.ui().messages()[1].title, "If You Want to Open a Local Web Page");
    web.state.entry.Link = "@http://www.example.com";
    EXPECT_TRUE(web.accept());
    EXPECT_EQ(web.result().Link, "@http://www.example.com");

    home.ui().clear();
    project.ButtonStyle = 6;  // Bitmap Button
    ButtonEditorRules picture = open("Run Program", "\\a.exe");
    picture.state.entry.Bmp = "c:\\b.bmp";
    EXPECT_FALSE(picture.accept());
    EXPECT_EQ(home.ui().messages().at(0).title, "Error");
    picture.takePictureFile("C:\\Pics\\Knob.BMP");
    EXPECT_EQ(picture.state.entry.Bmp, "c:\\pics\\knob.bmp");
    EXPECT_TRUE(picture.accept());
    picture.state.entry.BmpFolder = "D:@art\\knob.BMP";
    picture.folderLeft();  // warned about, kept without drive and "@"
    EXPECT_EQ(picture.state.entry.BmpFolder, "art\\knob.BMP");
    EXPECT_EQ(home.ui().messages().back().title, "Incorrect Data");

    home.ui().clear();
    bool focus = false;
    ButtonEditorRules drive = open("Run Program", "%SRCDRV\\a.exe");
    EXPECT_FALSE(drive.accept(&focus));
    EXPECT_TRUE(focus);
    EXPECT_EQ(home.ui().messages().at(0).title, "Warning");
}

TEST_F(ButtonEditorTest, HeadingConfirmsTheCommandBelowIt)
{
    ButtonEditorRules rules = open("Run Program");
    rules.selectRow(13);
    ASSERT_TRUE(rules.accept());
    EXPECT_EQ(rules.result().Cmd, "Open New Menu");
    rules.selectRow(17);
    ASSERT_TRUE(rules.accept());
    EXPECT_EQ(rules.result().Cmd, "Exit");
}

TEST_F(ButtonEditorTest, NewEntryTakesThePositionTypeEveryRowShares)
{
    MenuButton four = NewButtonEntry(project, Options().CopyLinkedButtonFiles), five = four;
    four.DeltaType = "4";
    five.DeltaType = "5";
    const struct { std::vector<MenuButton> rows; bool isNew; const char* type; } cases[] = {
        {{four, four}, true, "4"},
        {{five}, true, "5"},
        {{four, MakeTitleRow("Tools")}, true, "1"},
        {{}, true, "1"},
        {{five, five}, false, "1"},
    };
    for (const auto& c : cases) {
        project.Buttons = c.rows;
        ButtonEditorRules rules = open("Run Program", "", c.isNew);
        ASSERT_TRUE(rules.accept());
        EXPECT_EQ(rules.result().DeltaType, c.type) << c.rows.size();
    }
}

TEST_F(ButtonEditorTest, DialogEditsTheEntryAndTakesTheOptions)
{
    test::ensureApplication();
    DialogLauncher dialogs;
    MenuButton entry = NewButtonEntry(project, Options().CopyLinkedButtonFiles);
    entry.Text = "Setup";
    entry.Link = "\\setup.exe";
    ButtonEditRequest request{project, entry, false, 1};
    {
        ButtonEditorDialog dialog(request, dialogs);
        EXPECT_EQ(dialog.windowTitle(), "Edit Button");
        EXPECT_TRUE(test::namedChild<QPushButton>(dialog, "cmdOptions")->isHidden());
    }

    dialogs.setButtonOptionsEditor([](const ButtonEditRequest& r, QWidget*) {
        ButtonOptionsOutcome out{r.entry, r.project, true};
        out.entry.DeltaType = "3";
        return std::optional(out);
    });
    ButtonEditorDialog dialog(request, dialogs);
    auto* command = test::namedChild<QComboBox>(dialog, "cmbCommand");
    command->setCurrentIndex(5);
    emit command->activated(5);  // Play Music
    EXPECT_FALSE(test::namedChild<QLineEdit>(dialog, "tAppParam")->isEnabled());
    test::namedChild<QPushButton>(dialog, "cmdOptions")->click();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

    const ButtonEditOutcome out = dialog.outcome();
    ASSERT_TRUE(out.confirmed);
    EXPECT_EQ(out.entry.Cmd, "Play Music");
    EXPECT_EQ(out.entry.Text, "Setup");
    EXPECT_EQ(out.entry.DeltaType, "3");
    EXPECT_TRUE(out.applyPositionTypeToAll);
    EXPECT_TRUE(out.gallery.has_value());
}

}  // namespace
}  // namespace orv::editor
