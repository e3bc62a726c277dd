// The main window on the offscreen platform: its tabs, menus and shortcuts, the title with
// the modified mark, the project commands as the user reaches them, closing the window,
// and opening a full 44-button project.
#include <chrono>
#include <filesystem>
#include <optional>

#include <QAction>
#include <QKeyEvent>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QTableView>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <map>
#include <gtest/gtest.h>

#include "editor/main_window.h"
#include "editor/project_document.h"
#include "editor/tabs/button_list_model.h"
#include "editor/tabs/buttons_text_tab.h"
#include "main_window_test_support.h"
#include "model/editor_options.h"
#include "model/project_file.h"
#include "model/recent_list.h"
#include "create/test_run.h"
#include "platform/registry.h"
#include "support/recording_shell.h"
#include "support/stand_in_program_folder.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class MainWindowTest : public test::HomeTest {
protected:

    // A saved project with the given number of buttons, the last one "Exit".
    std::string projectWithButtons(const std::string& name, int count)
    {
        MenuProject p;
        ResetParameters(p);
        p.TitleText = "Opened";
        for (int i = 1; i <= count; ++i) {
            MenuButton b = ButtonWithMissingValues();
            b.Text = i == count ? "Exit" : "Button " + std::to_string(i);
            b.Cmd = i == count ? "Exit" : "Show Document";
            b.Link = "docs\\file" + std::to_string(i) + ".pdf";
            b.Tip = "Tip " + std::to_string(i);
            p.Buttons.push_back(b);
        }
        p.Buttons.at(1) = MakeTitleRow("Section");
        std::filesystem::create_directories(home.path(name).parent_path());
        EXPECT_TRUE(SaveProjectFileAs(p, home.win(name)));
        return home.win(name);
    }

    template <typename T>
    T* child(const char* name) { return test::namedChild<T>(window, name); }
    void modify()
    {
        window.document().edit(QStringLiteral("Title"), [](MenuProject& p) { p.TitleText = "Changed"; });
    }

    test::ApplicationReady app;
    MainWindow window;
};

// The letter after "&" in a text, upper-cased; none for "&&" or no mark.
QChar mnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return text[i + 1].toUpper();
        }
    return {};
}

// Alt and a letter reach one thing on each tab: the menus' letters are the tabs' too, and
// no two controls of a tab share a letter.
TEST_F(MainWindowTest, EveryTabsMnemonicsAreItsOwnAndLeaveTheMenusTheirs)
{
    std::map<QChar, QString> menus;
    for (QAction* menu : window.menuBar()->actions())
        menus[mnemonicOf(menu->text())] = menu->text();
    for (int t = 0; t < window.tabs()->count(); ++t) {
        QWidget* tab = window.tabs()->widget(t);
        std::map<QChar, QString> seen = menus;
        std::vector<std::pair<QString, QString>> texts;
        for (QAbstractButton* b : tab->findChildren<QAbstractButton*>())
            texts.emplace_back(b->text(), b->objectName());
        for (QLabel* l : tab->findChildren<QLabel*>())
            if (l->buddy())
                texts.emplace_back(l->text(), l->objectName());
        for (QGroupBox* g : tab->findChildren<QGroupBox*>())
            if (g->isCheckable())
                texts.emplace_back(g->title(), g->objectName());
        for (const auto& [text, name] : texts) {
            const QChar m = mnemonicOf(text);
            if (m.isNull())
                continue;
            const auto [it, added] = seen.emplace(m, text);
            EXPECT_TRUE(added) << window.tabs()->tabText(t).toStdString() << ": \"" << text.toStdString()
                               << "\" and \"" << it->second.toStdString() << "\" share Alt+" << QString(m).toStdString();
        }
    }
    // The options have a key of their own.
    const QAction* options = window.findChild<QAction*>(QStringLiteral("mOptions"));
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    // F10 opens the menu bar at "File".
    window.show();
    for (QShortcut* key : window.findChildren<QShortcut*>())
        if (key->key() == QKeySequence(Qt::Key_F10))
            emit key->activated();
    ASSERT_NE(window.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(window.menuBar()->activeAction()->text(), "&File");
    window.menuBar()->setActiveAction(nullptr);
}

// The next editor opens where this one was closed, at the same tab.
// The editor's start builds only the page it shows; another page is built when first shown,
// with the values of the project opened meanwhile.
TEST_F(MainWindowTest, PagesBuiltWhenShownShowTheOpenProject)
{
    MainWindow lazy(nullptr, MainWindow::TabPages::WhenShown);
    EXPECT_EQ(lazy.findChild<QLineEdit*>(QStringLiteral("tTitleText")), nullptr);
    lazy.document().edit(QStringLiteral("Title"), [](MenuProject& p) { p.TitleText = "Holiday"; });
    lazy.showTab(MainTab::Title);
    auto* title = test::namedChild<QLineEdit>(lazy, "tTitleText");
    EXPECT_EQ(title->text(), QStringLiteral("Holiday"));
    EXPECT_TRUE(lazy.tabs()->currentWidget()->isAncestorOf(title));
}

TEST_F(MainWindowTest, SizePositionAndTabAreThoseOfTheLastClose)
{
    window.show();
    window.resize(window.minimumSizeHint().width() + 40, 760);
    window.tabs()->setCurrentIndex(4);
    const QSize closed = window.size();
    ASSERT_TRUE(window.close());
    MainWindow next;
    EXPECT_EQ(next.tabs()->currentIndex(), 4);
    EXPECT_NEAR(next.width(), closed.width(), 2);  // the frame may be reckoned a pixel apart
    EXPECT_NEAR(next.height(), closed.height(), 2);
    EXPECT_NE(next.size(), QSize(980, 700));
}

TEST_F(MainWindowTest, TitleShowsTypeFileAndTheModifiedMark)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrona Orvanto - [CD/DVD] - [noname][*]"));
    EXPECT_FALSE(window.isWindowModified());
    QLineEdit* caption = child<QLineEdit>("tCaptionText");
    test::typeInto(caption, QStringLiteral("My Menu"));
    EXPECT_EQ(window.document().project().CaptionText, "My Menu");
    EXPECT_TRUE(window.isWindowModified()) << "every edit sets the modified flag";
    EXPECT_EQ(window.document().undoStack().undoText(), QStringLiteral("Caption"));

    // Ctrl+Z in the field is left to the window's Undo, which names the step.
    QKeyEvent ctrlZ(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    ctrlZ.ignore();
    QApplication::sendEvent(caption, &ctrlZ);
    EXPECT_FALSE(ctrlZ.isAccepted()) << "the field's own undo would leave the project holding the text";
    QAction* undo = window.findChild<QAction*>(QStringLiteral("mUndo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Caption"));
    undo->trigger();
    EXPECT_EQ(caption->text(), QStringLiteral("Window Title")) << "the field shows what undo restored";
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(undo->isEnabled());
    window.findChild<QAction*>(QStringLiteral("mRedo"))->trigger();
    EXPECT_EQ(caption->text(), QStringLiteral("My Menu"));
}

TEST_F(MainWindowTest, OpeningFortyFourButtonsFillsTheTabsAndTheRecentMenu)
{
    const std::string file = projectWithButtons("menus/big.mnp", ButtonListLimit);
    ASSERT_TRUE(window.openProjectPath(file));
    window.showTab(MainTab::ButtonsText);
    window.buttonListTab()->list()->resize(800, 600);
    QApplication::processEvents();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrona Orvanto - [CD/DVD] - [big.mnp][*]"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(child<QLineEdit>("tTitleText")->text(), QStringLiteral("Opened"));
    auto* model = window.buttonListTab()->model();
    ASSERT_EQ(model->rowCount(), 44);
    auto cell = [&](int row, int column) { return model->data(model->index(row, column)).toString(); };
    EXPECT_EQ(cell(0, ButtonListModel::TextColumn), QStringLiteral("Button 1"));
    EXPECT_EQ(cell(1, ButtonListModel::TextColumn), QStringLiteral("Section"));
    EXPECT_EQ(cell(1, ButtonListModel::CommandColumn), QStringLiteral("(Title)"));
    EXPECT_EQ(cell(43, ButtonListModel::TextColumn), QStringLiteral("Exit"));
    EXPECT_EQ(window.action("mRecentFile1")->text(),
              QStringLiteral("&1  ") + QString::fromStdString(home.path("menus/big.mnp").string()));
    EXPECT_TRUE(window.action("mRecentFile1")->isEnabled());
    EXPECT_FALSE(window.action("mRecentFile2")->isVisible());
}

TEST_F(MainWindowTest, ProjectTypeChangesTheColumnHeading)
{
    auto* model = window.buttonListTab()->model();
    window.document().edit(QStringLiteral("Type"), [](MenuProject& p) { p.ProjectType = ProjectTypeUSB; });
    EXPECT_EQ(model->headerData(ButtonListModel::FileNameColumn, Qt::Horizontal).toString(),
              QStringLiteral("Filename (USB flash drive)"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrona Orvanto - [USB flash drive] - [noname][*]"));
}

TEST_F(MainWindowTest, SaveCommitsTheFieldBeingEditedAndSaveAsUpdatesTheTitle)
{
    std::filesystem::create_directories(home.path("out"));
    QLineEdit* width = child<QLineEdit>("tMainWidth");
    window.show();
    width->setFocus();
    width->selectAll();
    width->del();
    test::typeText(width, QStringLiteral("9999"));
    home.ui().pickNextFile(home.win("out/first.mnp"));
    ASSERT_TRUE(window.saveProject());
    EXPECT_NE(home.readFile("out/first.mnp").find("Width = 1280"), std::string::npos)
        << "the value is clamped before it is written";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrona Orvanto - [CD/DVD] - [first.mnp][*]"));
    EXPECT_FALSE(window.isWindowModified());
    window.hide();

    home.ui().pickNextFile(home.win("out/second.mnp"));
    EXPECT_TRUE(window.saveProjectAs());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrona Orvanto - [CD/DVD] - [second.mnp][*]"));
    EXPECT_TRUE(window.action("mRecentFile2")->isVisible());
}

TEST_F(MainWindowTest, ClosingAskesForAModifiedProject)
{
    modify();
    home.ui().answerNext(platform::AnswerCancel);
    QCloseEvent cancel;
    QApplication::sendEvent(&window, &cancel);
    EXPECT_FALSE(cancel.isAccepted());
    home.ui().answerNext(platform::AnswerNo);
    QCloseEvent no;
    QApplication::sendEvent(&window, &no);
    EXPECT_TRUE(no.isAccepted());
    EXPECT_EQ(home.ui().messages().size(), 2u) << "the save question each time";
}

TEST_F(MainWindowTest, DroppedProjectFileIsOpenedAfterTheQuestion)
{
    const std::string file = projectWithButtons("dropped/menu.mnp", 3);
    QMimeData data, text;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(home.path("dropped/menu.mnp").string()))});
    text.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/notes.txt"))});
    // Drags the data over the window and, when it is taken and an answer is given, drops it.
    auto drag = [&](QMimeData& what, std::optional<int> answer) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &what, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (enter.isAccepted() && answer) {
            home.ui().answerNext(*answer);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &what, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&window, &drop);
        }
        return enter.isAccepted();
    };
    modify();
    EXPECT_FALSE(drag(text, std::nullopt)) << "only project files are taken";
    EXPECT_TRUE(drag(data, platform::AnswerCancel));
    EXPECT_EQ(window.buttonListTab()->model()->rowCount(), 0) << "Cancel keeps the open project";
    EXPECT_TRUE(drag(data, platform::AnswerNo));
    EXPECT_EQ(window.document().project().ProjectFilePath, file);
    EXPECT_EQ(window.buttonListTab()->model()->rowCount(), 3);
}

// The resize command runs the menu program of a program folder of the test's own, whose
// answer arrives in the registry.
class ResizeModeWindowTest : public test::HomeTest {
protected:
    test::StandInProgramFolder program{home, {"Test/ORVNMENU.EXE", "Test/ORVNMENU.EXE.manifest"}};
    test::ScopedRecordingShell shell;
    test::ApplicationReady app;
    MainWindow window;
};

TEST_F(ResizeModeWindowTest, SizeChosenInTheMenuProgramComesBack)
{
    window.resizeInMenuProgram();
    ASSERT_EQ(shell->calls().size(), 1u) << (home.ui().messages().empty() ? "" : home.ui().messages()[0].text);
    EXPECT_EQ(shell->calls()[0].parameters, "/RESIZE-ENG");
    EXPECT_FALSE(ResizeMode()) << "resize mode lasts only for the start";

    auto* registry = platform::services().registry;
    registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Width", 720);
    registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Height", 540);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (window.document().project().Width != "720" && std::chrono::steady_clock::now() < deadline)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(window.document().project().Width, "720");
    EXPECT_EQ(window.document().project().Height, "540");
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("tMainHeight"))->text(), QStringLiteral("540"));
    EXPECT_EQ(registry->GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Width", -1), 0);

    window.testMenu();
    EXPECT_EQ(shell->calls().back().parameters, "/TEST");
}

}  // namespace
}  // namespace orv::editor
