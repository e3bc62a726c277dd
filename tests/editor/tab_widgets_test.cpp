// The tabs' rules as the user meets them in the widgets: numbers corrected when a field is
// left, folder fields checked, the caption and movie options, the style list's headings,
// colour buttons, the window size buttons and the linked files' select and delete buttons.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

#include "editor/main_window.h"
#include "editor/media/media_playback.h"
#include "editor/project_document.h"
#include "editor/tabs/buttons_text_tab.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/media_file_row.h"
#include "editor/tabs/media_tab.h"
#include "main_window_test_support.h"
#include "model/editor_options.h"
#include "support/test_home.h"
#include "tab_test_files.h"

namespace orv::editor {
namespace {

class TabWidgetsTest : public test::HomeTest {
protected:
    template <typename T>
    T* child(const char* name) { return test::namedChild<T>(window, name); }
    const MenuProject& project() { return window.document().project(); }
    MediaTab* mediaTab(MainTab tab) { return static_cast<MediaTab*>(window.tab(tab)); }
    int steps() { return window.document().undoStack().count(); }

    test::ApplicationReady app;
    test::ChooserScript choosers{home.ui()};
    MainWindow window;
};

// The clamping and stepping rules are tested without widgets; here: the wiring and the steps.
TEST_F(TabWidgetsTest, NumbersAreClampedWhenTheFieldIsLeftAndSpacingButtonsStep)
{
    QLineEdit* width = child<QLineEdit>("tMainWidth");
    test::typeInto(width, QStringLiteral("5000"));
    EXPECT_EQ(width->text(), QStringLiteral("1280"));
    EXPECT_EQ(project().Width, "1280");
    EXPECT_EQ(steps(), 1) << "the typing and its correction are one step";
    test::typeInto(child<QLineEdit>("tMainHeight"), QStringLiteral("4x5y0"));
    EXPECT_EQ(project().Height, "450") << "letters never reach a number field";
    for (const char* button : {"IncCharInterSpace", "DecCharInterSpace", "DecCharInterSpace"})
        child<QToolButton>(button)->click();
    EXPECT_EQ(child<QLineEdit>("tTitleCharInterSpace")->text(), QStringLiteral("-1"));
    EXPECT_EQ(steps(), 5) << "each click is a step";
}

TEST_F(TabWidgetsTest, FolderFieldWarnsAboutAFileName)
{
    Options().ShowCDFolders = true;
    window.tab(MainTab::Pictures)->applyOptions();
    QLineEdit* folder = child<QLineEdit>("tBackgroundFolder");
    EXPECT_FALSE(folder->isHidden());
    test::typeInto(folder, QStringLiteral("E:\\menu\\back.jpg"));
    EXPECT_EQ(folder->text(), QStringLiteral("\\menu\\back.jpg"));
    EXPECT_EQ(project().BackgroundPicture_CDFolder, "\\menu\\back.jpg");
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"Wrong Contents|48|The contents in 'Folder' seems to "
                                                               "be a filename! You must specify a valid folder in "
                                                               "the 'Folder' field."});
    test::leaveField(folder);
    test::typeInto(child<QLineEdit>("tLogotypeFolder"), QStringLiteral("orvndata"));
    EXPECT_EQ(home.ui().messages().size(), 1u) << "an unchanged field or a plain folder does not warn";
}

TEST_F(TabWidgetsTest, CaptionOptionsEnableEachOtherAndUndoRestoresTheEnabling)
{
    auto* caption = child<QCheckBox>("cShowCaption");
    auto* border = child<QCheckBox>("cShowBorder");
    caption->click();
    EXPECT_TRUE(border->isEnabled());
    EXPECT_EQ(project().ShowCaption, 0);
    window.document().undoStack().undo();
    EXPECT_TRUE(caption->isChecked());
    EXPECT_FALSE(border->isEnabled());
}

TEST_F(TabWidgetsTest, StyleHeadingGivesWayAndTheBitmapColumnFollowsTheStyle)
{
    auto* styles = child<QComboBox>("ComboButStyle");
    styles->setCurrentIndex(9);
    test::leaveField(styles);
    EXPECT_EQ(project().ButtonStyle, 11) << "a heading gives way when the list is left";

    QTableView* list = window.buttonListTab()->list();
    window.show();
    window.showTab(MainTab::ButtonsText);
    EXPECT_TRUE(list->isColumnHidden(4));
    window.showTab(MainTab::Buttons);
    styles->setCurrentIndex(5);
    emit styles->activated(5);  // "Bitmap Button", as chosen by the user
    window.showTab(MainTab::ButtonsText);
    EXPECT_FALSE(list->isColumnHidden(4)) << "the list follows the style when it is shown";
    window.hide();
}

TEST_F(TabWidgetsTest, ColourAndFontButtonsPresetAndTakeTheChoice)
{
    auto* back = child<ColourButton>("CmdBackColor");
    choosers.nextColour = RgbColour(10, 20, 30);
    back->click();
    EXPECT_EQ(choosers.lastColourOffered, RgbColour(0, 0, 255));
    EXPECT_EQ(back->colour(), RgbColour(10, 20, 30));
    back->click();
    EXPECT_EQ(project().BackColor, RgbColour(10, 20, 30)) << "cancel changes nothing";
    EXPECT_EQ(steps(), 1);

    choosers.nextFont = platform::FontChoice{"DejaVu Serif", 30, false, true};
    child<QPushButton>("CmdTitleFont")->click();
    EXPECT_EQ(project().TitleFontName, "DejaVu Serif");
    EXPECT_EQ(project().TitleFontSize, 30);
    EXPECT_FALSE(project().TitleFontBold);
    EXPECT_TRUE(project().TitleFontItalic);
}

// The size arithmetic is tested without widgets.
TEST_F(TabWidgetsTest, WindowSizeButtonsAndFitToTheBackgroundPicture)
{
    child<QPushButton>("CmdIncreaseWinSize")->click();
    EXPECT_EQ(child<QLineEdit>("tMainHeight")->text(), QStringLiteral("404"));
    child<QPushButton>("CmdDecreaseWinSize")->click();
    EXPECT_EQ(project().Width, "500");

    auto* fit = child<QPushButton>("CmdAdjustMenuSize");
    EXPECT_FALSE(fit->isEnabled()) << "nothing to fit without a background";
    home.ui().pickNextFile(home.writeFile("back.bmp", test::bmpFile(320, 200)));
    mediaTab(MainTab::Pictures)->selectFile(MediaObject::Background);
    ASSERT_TRUE(fit->isEnabled()) << "the Window tab follows a picture chosen on another tab";
    fit->click();
    EXPECT_EQ(project().Width, "330");
}

TEST_F(TabWidgetsTest, SelectingAndDeletingAPicture)
{
    const std::string file = home.writeFile("pics/logo.jpg", test::jpegFile(false));
    home.ui().pickNextFile(file);
    window.showTab(MainTab::Window);
    child<QPushButton>("CmdSelectLogotype")->click();
    MediaFileRow* row = mediaTab(MainTab::Pictures)->row(MediaObject::Logotype);
    EXPECT_EQ(row->label()->path(), QString::fromStdString(home.path("pics/logo.jpg").string()));
    EXPECT_TRUE(row->label()->toolTip().contains(QStringLiteral("Double click to show picture")));
    EXPECT_EQ(window.tabs()->currentIndex(), static_cast<int>(MainTab::Pictures));
    EXPECT_TRUE(window.isWindowModified());
    ASSERT_NE(row->preview(), nullptr);
    EXPECT_FALSE(row->preview()->pixmap().isNull()) << "the picture is previewed";

    child<QPushButton>("CmdDelLogotype")->click();
    EXPECT_EQ(steps(), 2);
    EXPECT_TRUE(row->preview()->pixmap().isNull());
    EXPECT_TRUE(row->label()->path().isEmpty());
    EXPECT_TRUE(row->label()->toolTip().isEmpty());
    EXPECT_EQ(project().LogotypePictureSrc, "");
    EXPECT_EQ(project().LogotypePicture_CDFolder, "");
}

TEST_F(TabWidgetsTest, SoundsTheDeleteButtonsAndPlaying)
{
    const std::string sound = home.writeFile("music/intro.wav", "RIFF");
    home.ui().pickNextFile(sound);
    child<QPushButton>("CmdSelectBackSound")->click();
    MediaFileRow* row = mediaTab(MainTab::Sound)->row(MediaObject::BackgroundSound);
    EXPECT_EQ(row->label()->path(), QString::fromStdString(home.path("music/intro.wav").string()));
    EXPECT_TRUE(row->label()->toolTip().contains(QStringLiteral("Double click to play sound")));
    EXPECT_EQ(window.tabs()->currentIndex(), static_cast<int>(MainTab::Sound));

    row->label()->setHighlighted(true);  // as while it plays
    child<QPushButton>("CmdDelBackSound")->click();
    EXPECT_FALSE(row->label()->isHighlighted()) << "the label returns to its normal colour";
    EXPECT_EQ(project().BackgroundSoundSrc, "");
    EXPECT_FALSE(window.media().isPlaying());

    // A double click plays a sound until a test run stops it.
    home.ui().pickNextFile(home.writeFile("music/click.wav", "RIFF"));
    child<QPushButton>("CmdSelectButSound")->click();
    row = mediaTab(MainTab::Sound)->row(MediaObject::ButtonSound);
    emit row->label()->doubleClicked();
    EXPECT_TRUE(row->label()->isHighlighted());
    EXPECT_EQ(window.media().currentFile().toStdString(), home.path("music/click.wav").string());
    window.stopPlayback();  // what Test and Run do first
    EXPECT_FALSE(row->label()->isHighlighted());
    EXPECT_FALSE(window.media().isPlaying());
}

TEST_F(TabWidgetsTest, MenuMovieDeleteResetsItsSize)
{
    test::typeInto(child<QLineEdit>("tMenuMovieWidth"), QStringLiteral("400"));
    home.ui().pickNextFile(home.writeFile("m.mp4", "movie"));
    child<QPushButton>("CmdSelectMenuMovie")->click();
    EXPECT_EQ(window.tabs()->currentIndex(), static_cast<int>(MainTab::Movies));
    child<QPushButton>("CmdDelMenuMovie")->click();
    EXPECT_EQ(child<QLineEdit>("tMenuMovieWidth")->text(), QStringLiteral("150"));
    EXPECT_EQ(project().MenuMovieHeight, "150");
}

TEST_F(TabWidgetsTest, VersionCommentTakesNoLineBreaks)
{
    auto* comments = window.findChild<QPlainTextEdit*>(QStringLiteral("tVerComments"));
    ASSERT_NE(comments, nullptr);
    test::typeText(comments, QStringLiteral("one"));
    test::keyClick(comments, Qt::Key_Return);
    test::typeText(comments, QStringLiteral("two"));
    EXPECT_EQ(project().Comments, "onetwo");
    comments->setPlainText(QStringLiteral("a\nb") + QString(500, QLatin1Char('c')));
    EXPECT_EQ(project().Comments.find('\n'), std::string::npos);
    EXPECT_EQ(project().Comments.size(), 199u);
}

}  // namespace
}  // namespace orv::editor
