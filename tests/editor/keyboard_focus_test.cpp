// The keyboard in the main window: Tab goes down one column of a tab before the next, and
// the focus comes back to where it was when a dialog closes.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "editor/dialogs/options_dialog.h"
#include "editor/main_window.h"
#include "main_window_test_support.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class KeyboardFocusTest : public test::HomeTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }
    // The focused widget's name (its text when it has none) after each press of Tab.
    std::vector<QString> tabThrough(int presses)
    {
        std::vector<QString> names;
        for (int i = 0; i < presses; ++i) {
            test::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            const auto* button = qobject_cast<QAbstractButton*>(w);
            names.push_back(!w ? QString() : !w->objectName().isEmpty() ? w->objectName() : button ? button->text() : QString());
        }
        return names;
    }

    test::ApplicationReady app;
    MainWindow window;
};

// The Window tab has two columns: size and background colour on the left, caption and
// medium on the right.
TEST_F(KeyboardFocusTest, TabGoesDownTheLeftColumnThenTheRight)
{
    window.tabs()->setCurrentIndex(0);
    window.findChild<QLineEdit*>(QStringLiteral("tMainWidth"))->setFocus(Qt::TabFocusReason);
    // Fit to Background waits for a picture and Show border for a hidden caption.
    const std::vector<QString> expected = {
        "tMainHeight",  "CmdIncreaseWinSize", "CmdDecreaseWinSize", "CmdResizeMenuWin",
        "CmdBackColor", "CmdBackColor2",      "ComboToneDirection", "tBlendDepth",
        "tCaptionText", "cShowCaption",       "cShowMinimizeButton", "cWindowAlwaysTopmost",
        "cIncludeSocialMediaLogos", "cUseAutorun", "Win&dow Effects...", "Start Cond&ition..."};
    EXPECT_EQ(tabThrough(int(expected.size())), expected);
}

// Closing a dialog, with or without a parent, gives the focus back to the field that had it.
TEST_F(KeyboardFocusTest, FocusReturnsToTheFieldAfterADialogCloses)
{
    window.tabs()->setCurrentIndex(0);
    auto* caption = window.findChild<QLineEdit*>(QStringLiteral("tCaptionText"));
    caption->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    test::whenModalOpens<OptionsDialog>([](OptionsDialog* dialog) { dialog->reject(); });
    window.findChild<QAction*>(QStringLiteral("mOptions"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), caption);

    test::whenModalOpens<QMessageBox>([](QMessageBox* box) { box->close(); });
    QMessageBox::information(nullptr, QStringLiteral("Note"), QStringLiteral("Parentless"));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), caption);
}

}  // namespace
}  // namespace orv::editor
