// The user interface of the programs with windows: message box styles mapped to Qt's
// buttons, icons and answers, the file dialogs' filter form, and colour values.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "editor/editor_style.h"

#include "dialog_test_support.h"
#include "model/menu_project.h"
#include "platform/widgets/qt_user_interface.h"

namespace orv::editor {
namespace {

TEST(QtNameFiltersTest, WindowsFiltersBecomeQtFilters)
{
    EXPECT_EQ(platform::QtNameFilters("All Pictures|*.bmp;*.jpg|Bitmaps (*.bmp)|*.bmp|JPEG Files (*.jpg)|*.jpg"),
              QStringLiteral("All Pictures (*.bmp *.jpg);;Bitmaps (*.bmp);;JPEG Files (*.jpg)"));
    EXPECT_EQ(platform::QtNameFilters("Sound (*.wav;*.mid;*.mp3)|*.wav;*.mid;*.mp3"),
              QStringLiteral("Sound (*.wav *.mid *.mp3)"));
    EXPECT_EQ(platform::QtNameFilters("All Files (*.*)|*.*"), QStringLiteral("All Files (*)"));
    EXPECT_EQ(platform::QtNameFilters(""), QString());
}

TEST(ColourConversionTest, RedLivesInTheLowByte)
{
    const QColor c = platform::ColourToQColor(RgbColour(10, 20, 30));
    EXPECT_EQ(c.red(), 10);
    EXPECT_EQ(c.green(), 20);
    EXPECT_EQ(c.blue(), 30);
    EXPECT_EQ(platform::QColorToColour(QColor(255, 0, 0)), 255);
    EXPECT_EQ(platform::QColorToColour(QColor(0, 0, 255)), 16711680);
}

class MessageBoxTest : public ::testing::Test {
protected:
    MessageBoxTest() { test::ensureApplication(); }

    // Shows the message and lets inspect look at the box and press a button.
    int show(int style, const std::function<void(QMessageBox*)>& inspect)
    {
        test::whenModalOpens<QMessageBox>(inspect);
        return ui.Message("Some text", style, "Some title");
    }

    platform::QtUserInterface ui;
};

TEST_F(MessageBoxTest, StylesGiveButtonsIconDefaultAndAnswers)
{
    EXPECT_EQ(show(3 + 32, [](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Some title"));
        EXPECT_EQ(box->text(), QStringLiteral("Some text"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::No)->click();
    }), platform::AnswerNo);

    EXPECT_EQ(show(4 + 48 + 256, [](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));  // the second button
        box->reject();  // Escape
    }), platform::AnswerNo) << "Escape gives the last button of a Yes/No question";
}

// Help buttons show our own icon, not the broken picture Qt falls back to without a theme.
TEST(EditorStyleTest, HelpButtonsGetAQuestionMarkInABlueDisc)
{
    test::ensureApplication();
    EditorStyle style(QStringLiteral("Fusion"));
    const QImage icon = style.standardIcon(QStyle::SP_DialogHelpButton).pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixelColor(3, 8), QColor(0x2f, 0x5b, 0xc4));  // the disc, left of the mark
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
}

}  // namespace
}  // namespace orv::editor
