// The button list: where rows land, the limit, the questions and their wording, the
// defaults of new rows, undo of whole-list changes, and the tab's keys and context menu.
#include <memory>

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

#include <gtest/gtest.h>

#include "editor/dialogs/move_button_dialog.h"
#include "editor/main_window.h"
#include "editor/project_document.h"
#include "editor/rules/button_list_rules.h"
#include "editor/tabs/button_list_model.h"
#include "editor/tabs/buttons_text_tab.h"
#include "main_window_test_support.h"
#include "model/button_list.h"
#include "model/editor_options.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

MenuButton row(const std::string& text, const std::string& cmd = "Run Program")
{
    MenuButton b = ButtonWithMissingValues();
    b.Text = text;
    b.Cmd = cmd;
    b.Link = text + ".exe";
    b.Psw = "secret " + text;
    return b;
}

std::string texts(const std::vector<MenuButton>& rows)
{
    std::string out;
    for (const MenuButton& b : rows)
        out += (out.empty() ? "" : ",") + b.Text;
    return out;
}

TEST(ButtonListRows, AddGoesBeforeAFinalExitAndAStickGuardRightBeforeIt)
{
    const struct {
        std::vector<std::string> commands;
        size_t position;
    } cases[] = {{{}, 0},
                 {{"Run Program", "Exit"}, 1},
                 {{"Run Program", "Install StickGuard", "Exit"}, 1},
                 {{"Install StickGuard", "Exit"}, 0},
                 {{"Exit", "Run Program"}, 2},
                 {{"Install StickGuard", "Run Program", "Exit"}, 2}};
    for (const auto& c : cases) {
        std::vector<MenuButton> rows;
        for (const std::string& cmd : c.commands)
            rows.push_back(row(cmd, cmd));
        EXPECT_EQ(AddInsertPosition(rows), c.position) << texts(rows);
    }
}

TEST(ButtonListRows, PositionTypesOfTheOtherRows)
{
    MenuProject p;
    EXPECT_FALSE(AllOtherButtonsHave_NextFreePosOption_On(p.Buttons)) << "an empty list passes nothing on";
    p.Buttons = {row("a"), row("b")};
    p.Buttons[0].DeltaType = p.Buttons[1].DeltaType = "4";
    EXPECT_TRUE(AllOtherButtonsHave_NextFreePosOption_On(p.Buttons));
    p.Buttons[1].DeltaType = "5";
    EXPECT_FALSE(SomeButtonsDontHave_NextFreePosOption_On(p.Buttons, 2)) << "the edited row does not count";
    EXPECT_TRUE(SomeButtonsDontHave_NoDistanceOption_On(p.Buttons, 2));
    p.Buttons = {row("a"), MakeTitleRow("T")};
    p.Buttons[0].DeltaType = "5";
    EXPECT_FALSE(AllOtherButtonsHave_NoDistanceOption_On(p.Buttons)) << "a title row has no position type";
}

class ButtonListTest : public test::HomeTest {
protected:
    // Fake dialogs that record what they were shown and answer as the test set them.
    ButtonListDialogs fakeDialogs()
    {
        ButtonListDialogs dialogs;
        dialogs.editButton = [this](const ButtonEditRequest& r) {
            requests.push_back({r.entry, r.rowNumber});
            return editorAnswer ? editorAnswer(r) : ButtonEditOutcome{};
        };
        dialogs.chooseMoveLine = [this](const MoveDialogTexts& t) { return moveTexts = t, moveLine; };
        dialogs.editTitle = [this](const TitleValues& v, bool) -> std::optional<TitleValues> {
            titleShown = v;
            return titleAnswer ? std::optional(TitleValues{*titleAnswer, "Verdana"}) : std::nullopt;
        };
        return dialogs;
    }
    void setRows(std::vector<MenuButton> rows)
    {
        document.edit(QStringLiteral("Rows"), [&](MenuProject& p) { p.Buttons = std::move(rows); }, ChangeScope::Buttons);
    }
    const std::vector<MenuButton>& rows() { return document.project().Buttons; }
    std::vector<std::string> messages() { return test::shown(home.ui()); }

    std::vector<std::pair<MenuButton, int>> requests;  // entry and row number
    std::function<ButtonEditOutcome(const ButtonEditRequest&)> editorAnswer;
    std::optional<int> moveLine;
    MoveDialogTexts moveTexts;
    std::optional<std::string> titleAnswer;
    TitleValues titleShown;
    ProjectDocument document;
    ButtonListOperations ops{document, fakeDialogs()};
};

ButtonEditOutcome confirmedAs(const ButtonEditRequest& r, const std::string& text)
{
    ButtonEditOutcome out;
    out.confirmed = true;
    out.entry = r.entry;
    out.entry.Text = text;
    return out;
}

TEST_F(ButtonListTest, FortyThreeRowsTakeOneMoreAndFortyFourReportAFullList)
{
    editorAnswer = [](const ButtonEditRequest& r) { return confirmedAs(r, "New"); };
    titleAnswer = "Group";
    const struct {
        const char* name;
        std::function<std::optional<int>()> op;
        const char* full;
    } cases[] = {
        {"add", [&] { return ops.add(); }, "Info|64|The button list is full! You can't add more buttons!"},
        {"copy button", [&] { return ops.copy(0); }, "Info|64|The button list is full! You can't add more buttons!"},
        {"copy title", [&] { return ops.copy(42); }, "Info|64|The list is full! You can't add more titles!"},
        {"insert title", [&] { return ops.insertTitle(0); },
         "Info|64|The list is full! You can't add more objects to the list!"},
    };
    for (const auto& c : cases) {
        std::vector<MenuButton> full(42, row("B"));
        full.push_back(MakeTitleRow("Last"));
        setRows(full);
        EXPECT_TRUE(c.op()) << c.name;
        EXPECT_EQ(rows().size(), 44u) << c.name;
        home.ui().clear();
        EXPECT_FALSE(c.op()) << c.name;
        EXPECT_EQ(messages(), std::vector<std::string>{c.full}) << c.name;
    }
}

TEST_F(ButtonListTest, AddStartsFromTheDefaultsAndRemembersThePictureFolderOnlyForBitmapButtons)
{
    setRows({row("A"), row("Guard", "Install StickGuard"), row("Exit", "Exit")});
    document.edit(QStringLiteral("Style"), [](MenuProject& p) { p.ButtonStyle = 6; p.ButtonBackColor = 42; });
    Options().CopyLinkedButtonFiles = true;
    editorAnswer = [](const ButtonEditRequest& r) {
        auto out = confirmedAs(r, "New");
        out.entry.BmpFolder = "orvndata\\buttons";
        return out;
    };
    EXPECT_EQ(ops.add(), 1);
    EXPECT_EQ(texts(rows()), "A,New,Guard,Exit");
    ASSERT_EQ(requests.size(), 1u);
    const MenuButton& fresh = requests[0].first;
    EXPECT_EQ(requests[0].second, 4);
    EXPECT_EQ(fresh.Cmd + fresh.CSF + fresh.BC4 + fresh.BmpFolder, "Run Program242");
    EXPECT_EQ(document.undoStack().undoText(), QStringLiteral("Add Button"));

    ops.add();
    EXPECT_EQ(requests[1].first.BmpFolder, "orvndata\\buttons") << "Bitmap Button keeps the last folder";

    // The primitives of templates and the wizard; the style is not "Bitmap Button".
    MenuProject wizard;
    AppendDefaultButton(wizard, "Wizard", "Show Document");
    EXPECT_FALSE(ListHasExitButton(wizard));
    AppendExitButton(wizard);
    EXPECT_TRUE(ListHasExitButton(wizard));
    const MenuButton& appended = wizard.Buttons.end()[-2];
    EXPECT_EQ(appended.BmpFolder, "") << "another style forgets the folder";
    EXPECT_EQ(appended.CSF + appended.BCUse + appended.WinWidth, "2");
    EXPECT_EQ(wizard.Buttons.back().CSF, "1") << "Exit";
}

TEST_F(ButtonListTest, EditWritesTheEntryBackAndCanSpreadItsPositionType)
{
    setRows({row("A"), MakeTitleRow("T"), row("B")});
    editorAnswer = [](const ButtonEditRequest& r) {
        auto out = confirmedAs(r, "B2");
        out.entry.DeltaType = "4";
        out.applyPositionTypeToAll = true;
        MenuProject gallery;
        gallery.PGTitle = "Photos";
        out.gallery = gallery;
        return out;
    };
    EXPECT_EQ(ops.edit(2), 2);
    EXPECT_EQ(requests[0].second, 3);
    EXPECT_EQ(texts(rows()), "A,- T -,B2");
    for (const MenuButton& b : rows())
        EXPECT_EQ(b.DeltaType, "4") << b.Text << ": title rows too";
    EXPECT_EQ(document.project().PGTitle, "Photos");

    titleAnswer = "Group";
    EXPECT_EQ(ops.edit(1), 1) << "a title row opens the title dialog";
    EXPECT_EQ(titleShown.title, "T");
    EXPECT_EQ(rows()[1], MakeTitleRow("Group"));
    EXPECT_EQ(document.project().ButtonTitle_FontName, "Verdana");
}

TEST_F(ButtonListTest, AStickGuardRowIsNotEditedInACdProject)
{
    setRows({row("Guard", "Install StickGuard")});
    const MenuButton before = rows()[0];
    EXPECT_FALSE(ops.edit(0));
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(messages(), std::vector<std::string>{"Can't Edit|64|Can't edit this button! This button can only be "
                                                   "edited if project type is set to USB flash drive."});
    document.edit(QStringLiteral("Type"), [](MenuProject& p) { p.ProjectType = ProjectTypeUSB; });
    ops.edit(0);
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(rows()[0], before) << "a cancelled editor changes nothing";
}

TEST_F(ButtonListTest, CopyAppendsAtTheEndAfterItsQuestion)
{
    setRows({row("A"), MakeTitleRow("T"), row("C")});
    EXPECT_EQ(ops.copy(0), 3);
    EXPECT_EQ(texts(rows()), "A,- T -,C,A");
    EXPECT_EQ(rows()[3], rows()[0]);
    Options().UseUnicodeEncoding = true;
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(ops.copy(1));
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "Copy Button|36|Do you want to create a copy of the button 'A'?",
                              "Copy Title|36|Do you want to create a copy of the title?"}));
    EXPECT_EQ(rows().size(), 4u);
}

TEST_F(ButtonListTest, MoveShowsTheOtherRowsAndPutsTheRowBeforeTheChosenOne)
{
    setRows({row("1"), MakeTitleRow("Two"), row("3"), row("4"), row("5")});
    moveLine = 3;
    EXPECT_EQ(ops.move(1), 2);
    EXPECT_EQ(texts(rows()), "1,3,- Two -,4,5");
    EXPECT_EQ(moveTexts.caption, "Move Title");
    EXPECT_EQ(moveTexts.heading, "''Two''      (object no: 2)");
    EXPECT_EQ(moveTexts.listCaption, "&Current objects and their positions");
    EXPECT_EQ(moveTexts.lines,
              (std::vector<std::string>{"''1''", "''3''", "''4''", "''5''", "< Insert Last >"}));
    EXPECT_EQ(document.undoStack().undoText(), QStringLiteral("Move Title"));
    moveLine = 5;
    EXPECT_EQ(ops.move(0), 4) << "< Insert Last >";
    EXPECT_EQ(texts(rows()), "3,- Two -,4,5,1");
    // A row dropped before another takes the line of that row.
    EXPECT_EQ(MoveLineForDrop(5, 3, 1), 2);
    EXPECT_EQ(MoveLineForDrop(5, 1, 2), 0) << "dropped where it is";
}

TEST_F(ButtonListTest, DeleteAndClearAskWithTheRightWordsAndUndoBringsEveryFieldBack)
{
    const std::vector<MenuButton> original{row("A"), MakeTitleRow("T"), row("C")};
    setRows(original);
    EXPECT_EQ(ops.remove(1), 1);
    EXPECT_EQ(texts(rows()), "A,C");
    EXPECT_TRUE(ops.clear());
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "Delete Title|36|Do you want to remove the selected title from the list?",
                              "Remove Buttons|36|Do you want to remove all buttons from the button list?"}));
    document.undoStack().undo();
    document.undoStack().undo();
    EXPECT_EQ(rows(), original);

    home.ui().clear();
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(ops.clear());
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Remove Items|36|Do you want to remove all items from the button list?"});
    EXPECT_EQ(rows(), original);
}

TEST_F(ButtonListTest, MoveDialogWantsALine)
{
    test::ensureApplication();
    MoveButtonDialog dialog({"Move Button", "", "", "", "", {"''A''", "< Insert Last >"}});
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Info|64|No button is selected!"});
    dialog.lines()->setCurrentRow(1);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenLine(), 2);
}

class ButtonListTabTest : public test::HomeTest {
protected:
    ButtonListTabTest()
    {
        window.document().edit(QStringLiteral("Rows"), [](MenuProject& p) {
            p.Buttons = {row("A"), MakeTitleRow("T"), row("C")};
        }, ChangeScope::Buttons);
        tab()->list()->selectRow(0);
    }
    ButtonsTextTab* tab() { return window.buttonListTab(); }
    // The first four captions of the context menu, and whether the first is enabled.
    std::string captions()
    {
        const auto actions = tab()->contextMenu()->actions();
        std::string out = actions[0]->isEnabled() ? "" : "(off)";
        for (int i = 0; i < 4; ++i)
            out += actions[i]->text().toStdString() + ";";
        return out;
    }
    const std::vector<MenuButton>& rows() { return window.document().project().Buttons; }

    test::ApplicationReady app;
    MainWindow window;
};

TEST_F(ButtonListTabTest, ContextMenuCaptionsFollowTheRow)
{
    const std::string buttonRow = "&Edit Button...;&Delete Button...;&Move Button...;&Copy Button...;";
    EXPECT_EQ(captions(), buttonRow);
    tab()->list()->selectRow(1);
    EXPECT_EQ(captions(), "&Edit Title...;&Delete Title...;&Move Title...;&Copy Title...;");
    QAction* removeAll = tab()->contextMenu()->actions().back();
    EXPECT_EQ(removeAll->text(), QStringLiteral("&Remove All Items..."));
    removeAll->trigger();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(captions(), "(off)" + buttonRow);
    EXPECT_FALSE(test::namedChild<QPushButton>(*tab(), "cmdEditButton")->isEnabled());
}

TEST_F(ButtonListTabTest, KeysAndDraggingChangeTheSelectedRow)
{
    QTableView* list = tab()->list();
    test::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(texts(rows()), "- T -,A,C");
    EXPECT_EQ(tab()->selectedRow(), 1) << "the moved row stays selected";
    test::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    test::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(texts(rows()), "A,- T -,C") << "the first row stays first";
    test::keyClick(list, Qt::Key_Down, Qt::ControlModifier);

    home.ui().answerNext(platform::AnswerYes);
    test::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(texts(rows()), "- T -,C");
    EXPECT_EQ(tab()->selectedRow(), 1);
    EXPECT_EQ(window.document().undoStack().undoText(), QStringLiteral("Delete Button"));

    // A row dragged below the last row moves last, as "< Insert Last >" would.
    ButtonListModel* model = tab()->model();
    std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(0, ButtonListModel::TextColumn)}));
    model->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, {});
    QApplication::processEvents();
    EXPECT_EQ(texts(rows()), "C,- T -");
    EXPECT_EQ(tab()->selectedRow(), 1);
}

}  // namespace
}  // namespace orv::editor
