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
#include "model/session_state.h"
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
    } cases[] = {
        {{}, 0},
        {{"Run Program"}, 1},
        {{"Run Program", "Exit"}, 1},
        {{"Run Program", "Install StickGuard", "Exit"}, 1},
        {{"Install StickGuard", "Exit"}, 0},
        {{"Exit", "Run Program"}, 2},
        {{"Install StickGuard", "Run Program", "Exit"}, 2},
    };
    for (const auto& c : cases) {
        std::vector<MenuButton> rows;
        for (const std::string& cmd : c.commands)
            rows.push_back(row(cmd, cmd));
        EXPECT_EQ(AddInsertPosition(rows), c.position) << texts(rows);
    }
}

TEST(ButtonListRows, MoveLandsBeforeTheChosenLineAndDragsAgree)
{
    // Lines of the dialog for row 2 of 5: 1, 3, 4, 5, "< Insert Last >".
    const struct {
        size_t from;
        int line;
        std::string order;
    } moves[] = {{1, 3, "1,3,2,4,5"}, {1, 5, "1,3,4,5,2"}, {1, 1, "2,1,3,4,5"}, {3, 2, "1,4,2,3,5"}, {4, 1, "5,1,2,3,4"}};
    for (const auto& m : moves) {
        std::vector<MenuButton> rows{row("1"), row("2"), row("3"), row("4"), row("5")};
        const size_t landed = MoveButtonRow(rows, m.from, m.line);
        EXPECT_EQ(texts(rows), m.order) << m.from << "/" << m.line;
        EXPECT_EQ(rows[landed].Text, std::to_string(m.from + 1));
    }
    // A row dropped before destination (the row count: the end) takes the same line.
    EXPECT_EQ(MoveLineForDrop(5, 1, 3), 3);
    EXPECT_EQ(MoveLineForDrop(5, 1, 5), 5);
    EXPECT_EQ(MoveLineForDrop(5, 3, 1), 2);
    EXPECT_EQ(MoveLineForDrop(5, 1, 2), 0) << "dropped where it is";
    EXPECT_EQ(MoveLineForDrop(5, 1, 1), 0);
}

TEST(ButtonListRows, PositionTypesOfTheOtherRows)
{
    MenuProject p;
    EXPECT_FALSE(AllOtherButtonsHave_NextFreePosOption_On(p)) << "an empty list passes nothing on";
    p.Buttons = {row("a"), row("b")};
    p.Buttons[0].DeltaType = p.Buttons[1].DeltaType = "4";
    EXPECT_TRUE(AllOtherButtonsHave_NextFreePosOption_On(p));
    EXPECT_FALSE(AllOtherButtonsHave_NoDistanceOption_On(p));
    EXPECT_FALSE(SomeButtonsDontHave_NextFreePosOption_On(p, 1));
    p.Buttons[1].DeltaType = "5";
    EXPECT_FALSE(SomeButtonsDontHave_NextFreePosOption_On(p, 2)) << "the edited row does not count";
    EXPECT_TRUE(SomeButtonsDontHave_NextFreePosOption_On(p, 1));
    p.Buttons = {row("a"), MakeTitleRow("T")};
    p.Buttons[0].DeltaType = "5";
    EXPECT_FALSE(AllOtherButtonsHave_NoDistanceOption_On(p)) << "a title row has no position type";
    EXPECT_TRUE(SomeButtonsDontHave_NoDistanceOption_On(p, 1));
}

class ButtonListTest : public test::HomeTest {
protected:
    // Fake dialogs that record what they were shown and answer as the test set them.
    ButtonListDialogs fakeDialogs()
    {
        ButtonListDialogs dialogs;
        dialogs.editButton = [this](const ButtonEditRequest& r) {
            requests.push_back({r.entry, r.isNew, r.rowNumber});
            return editorAnswer ? editorAnswer(r) : ButtonEditOutcome{};
        };
        dialogs.chooseMoveLine = [this](const MoveDialogTexts& t) {
            moveTexts = t;
            return moveLine;
        };
        dialogs.editTitle = [this](const TitleValues& v, bool editing) -> std::optional<TitleValues> {
            titleShown = v;
            titleEditing = editing;
            if (!titleAnswer)
                return std::nullopt;
            TitleValues out = v;
            out.title = *titleAnswer;
            out.fontName = "Verdana";
            return out;
        };
        return dialogs;
    }
    void setRows(std::vector<MenuButton> rows)
    {
        document.edit(QStringLiteral("Rows"), [&](MenuProject& p) { p.Buttons = std::move(rows); }, ChangeScope::Buttons);
    }
    void fill(int count)
    {
        std::vector<MenuButton> rows;
        for (int i = 1; i <= count; ++i)
            rows.push_back(row("B" + std::to_string(i)));
        setRows(rows);
    }
    const std::vector<MenuButton>& rows() { return document.project().Buttons; }
    std::vector<std::string> messages() { return test::shown(home.ui()); }

    struct Request {
        MenuButton entry;
        bool isNew;
        int rowNumber;
    };
    std::vector<Request> requests;
    std::function<ButtonEditOutcome(const ButtonEditRequest&)> editorAnswer;
    std::optional<int> moveLine;
    MoveDialogTexts moveTexts;
    std::optional<std::string> titleAnswer;
    TitleValues titleShown;
    bool titleEditing = false;
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
        fill(43);
        setRows([&] { auto r = rows(); r[42] = MakeTitleRow("Last"); return r; }());
        home.ui().clear();
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
    const MenuButton& fresh = requests[0].entry;
    EXPECT_TRUE(requests[0].isNew);
    EXPECT_EQ(requests[0].rowNumber, 4);
    EXPECT_EQ(fresh.Cmd, "Run Program");
    EXPECT_EQ(fresh.CSF, "2");
    EXPECT_EQ(fresh.BC4, "42");
    EXPECT_EQ(fresh.PswDlgTitle, "Enter password");
    EXPECT_EQ(fresh.BmpFolder, "");
    EXPECT_EQ(document.undoStack().undoText(), QStringLiteral("Add Button"));

    ops.add();
    EXPECT_EQ(requests[1].entry.BmpFolder, "orvndata\\buttons") << "Bitmap Button keeps the last folder";
    document.edit(QStringLiteral("Style"), [](MenuProject& p) { p.ButtonStyle = 3; });
    MenuProject wizard = document.project();
    AppendDefaultButton(wizard, "Wizard", "Show Document");
    const MenuButton& appended = wizard.Buttons.back();
    EXPECT_EQ(appended.BmpFolder, "") << "another style forgets the folder";
    EXPECT_EQ(Session().rememberedButtonPictureFolder, "");
    EXPECT_EQ(appended.CSF, "2");
    EXPECT_EQ(appended.BCUse, "");
    EXPECT_EQ(appended.WinWidth, "");
}

TEST_F(ButtonListTest, ListPrimitives)
{
    MenuProject p;
    AppendDefaultButton(p, "Docs", "Show Document");
    EXPECT_FALSE(ListHasExitButton(p));
    AppendExitButton(p);
    EXPECT_TRUE(ListHasExitButton(p));
    EXPECT_EQ(p.Buttons[1].Text, "Exit");
    EXPECT_EQ(p.Buttons[1].CSF, "1");
    EXPECT_EQ(p.Buttons[1].ShowDialogBoxes, "1");
    ClearButtonList(p);
    EXPECT_TRUE(p.Buttons.empty());
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
    EXPECT_EQ(requests[0].rowNumber, 3);
    EXPECT_FALSE(requests[0].isNew);
    EXPECT_EQ(texts(rows()), "A,- T -,B2");
    for (const MenuButton& b : rows())
        EXPECT_EQ(b.DeltaType, "4") << b.Text << ": title rows too";
    EXPECT_EQ(document.project().PGTitle, "Photos");

    titleAnswer = "Group";
    EXPECT_EQ(ops.edit(1), 1) << "a title row opens the title dialog";
    EXPECT_TRUE(titleEditing);
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
    moveLine.reset();
    EXPECT_FALSE(ops.move(0));
    setRows({row("only")});
    moveLine = 1;
    EXPECT_FALSE(ops.move(0)) << "one row has nowhere to go";
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
    MenuProject p;
    p.Buttons = {row("A"), row("B"), row("C")};
    MoveButtonDialog dialog(MoveDialogTextsFor(p, 0));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Info|64|No button is selected!"});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.lines()->setCurrentRow(2);
    EXPECT_EQ(dialog.lines()->currentItem()->text(), QStringLiteral("< Insert Last >"));
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenLine(), 3);
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
    std::string captions()
    {
        std::string out;
        for (QAction* a : tab()->contextMenu()->actions())
            if (!a->isSeparator())
                out += a->text().toStdString() + (a->isEnabled() ? "" : "(off)") + ";";
        return out;
    }
    const std::vector<MenuButton>& rows() { return window.document().project().Buttons; }

    test::ApplicationReady app;
    MainWindow window;
};

TEST_F(ButtonListTabTest, ContextMenuCaptionsFollowTheRow)
{
    EXPECT_EQ(captions(), "&Edit Button...;&Delete Button...;&Move Button...;&Copy Button...;"
                          "&Insert Title...;&Remove All Items...;");
    tab()->list()->selectRow(1);
    EXPECT_EQ(captions(), "&Edit Title...;&Delete Title...;&Move Title...;&Copy Title...;"
                          "&Insert Title...;&Remove All Items...;");
    tab()->contextMenu()->actions().back()->trigger();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(captions(), "&Edit Button...(off);&Delete Button...(off);&Move Button...(off);&Copy Button...(off);"
                          "&Insert Title...;&Remove All Items...;");
    EXPECT_FALSE(test::namedChild<QPushButton>(*tab(), "cmdEditButton")->isEnabled());
}

TEST_F(ButtonListTabTest, KeysAndDraggingChangeTheSelectedRow)
{
    QTableView* list = tab()->list();
    test::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(texts(rows()), "- T -,A,C");
    EXPECT_EQ(tab()->selectedRow(), 1) << "the moved row stays selected";
    test::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    test::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(texts(rows()), "- T -,C,A");
    test::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(texts(rows()), "- T -,A,C");

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
