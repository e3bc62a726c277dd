// Characters outside the code page: the verdict per kind of field, the Unicode question of
// the title field (once per opened project, Yes as one undo step), and a password field and
// the comments box that do not take such a character.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>

#include <gtest/gtest.h>

#include "editor/dialogs/button_options_dialog.h"
#include "editor/main_window.h"
#include "editor/project_document.h"
#include "editor/rules/code_page_rules.h"
#include "editor/rules/file_selection.h"
#include "main_window_test_support.h"
#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/project_file.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

using V = CodePageVerdict;

TEST(CodePageRules, VerdictPerKindAndTheCharactersNamed)
{
    struct Row {
        const char* typed;
        TextKind kind;
        bool unicode;
        V verdict;
        const char* misfits;
    };
    const Row rows[] = {
        {"Menu", TextKind::Text, false, V::Fits, ""},
        {"Café", TextKind::Text, false, V::Fits, ""},
        {"Café", TextKind::Path, false, V::Fits, ""},
        {"Меню", TextKind::Text, false, V::OfferUnicode, "М (U+041C), е (U+0435), н (U+043D), ю (U+044E)"},
        {"Меню", TextKind::Text, true, V::Fits, ""},
        {"a€Ж", TextKind::Path, true, V::Refuse, "Ж (U+0416)"},
        {"Ж", TextKind::Password, false, V::Refuse, "Ж (U+0416)"},
        {"Ж", TextKind::CodePageText, true, V::Refuse, "Ж (U+0416)"},
        {"ЖЖЯабвгд", TextKind::Text, false, V::OfferUnicode,
         "Ж (U+0416), Я (U+042F), а (U+0430), б (U+0431), в (U+0432), …"},
    };
    for (const Row& r : rows) {
        const CodePageCheck check = CheckCodePage(r.typed, r.kind, r.unicode);
        EXPECT_EQ(check.verdict, r.verdict) << r.typed;
        EXPECT_EQ(check.misfits, r.misfits) << r.typed;
    }

    ASSERT_TRUE(SetAnsiCodePage(1251));
    EXPECT_EQ(CheckCodePage("Меню", TextKind::Password, false).verdict, V::Fits);
    EXPECT_EQ(CheckCodePage("é", TextKind::Text, false).verdict, V::OfferUnicode);
    SetAnsiCodePage(1252);

    EXPECT_EQ(RefusalText(TextKind::Password, CheckCodePage("Ж", TextKind::Password, false)),
              "A password is always stored in the code page of this computer (Windows-1252), even with Unicode, "
              "and cannot hold these characters: Ж (U+0416).\n\nThey were not taken.");
    EXPECT_EQ(ProjectFieldTextKind(&MenuProject::TitleText), TextKind::Text);
    EXPECT_EQ(ProjectFieldTextKind(&MenuProject::CaptionText), TextKind::CodePageText);
    EXPECT_EQ(ProjectFieldTextKind(&MenuProject::BackgroundPictureSrc), TextKind::Path);
    EXPECT_EQ(ProjectFieldTextKind(&MenuProject::BackgroundPicture_CDFolder), TextKind::Path);
}

class CodePageWidgetTest : public test::HomeTest {
protected:
    test::ApplicationReady app;
};

TEST_F(CodePageWidgetTest, TitleFieldAsksOncePerProjectAndYesIsOneUndoStep)
{
    MainWindow window;
    auto* title = test::namedChild<QLineEdit>(window, "tTitleText");
    title->clear();
    home.ui().answerNext(platform::AnswerNo);
    test::typeText(title, QStringLiteral("AЖЯ"));
    EXPECT_EQ(title->text(), QStringLiteral("AЖЯ")) << "typing goes on after the answer";
    ASSERT_EQ(home.ui().messages().size(), 1u);
    EXPECT_EQ(home.ui().messages()[0].title, "Use Unicode?");
    EXPECT_NE(home.ui().messages()[0].text.find("cannot store: Ж (U+0416)."), std::string::npos);
    EXPECT_FALSE(window.document().project().UseUnicode);

    // Another project asks again; Yes is a step of its own before the typed letter's.
    window.document().replace([](MenuProject& p) {
        ResetParameters(p);
        return true;
    });
    title->clear();
    test::typeText(title, QStringLiteral("Ж"));
    EXPECT_EQ(home.ui().messages().size(), 2u);
    EXPECT_TRUE(window.document().project().UseUnicode);
    EXPECT_TRUE(Options().UseUnicodeEncoding);
    QUndoStack& steps = window.document().undoStack();
    steps.undo();
    EXPECT_EQ(steps.undoText(), QStringLiteral("Use Unicode"));
    steps.undo();
    EXPECT_FALSE(window.document().project().UseUnicode);
}

TEST_F(CodePageWidgetTest, PasswordFieldDoesNotTakeTheCharacter)
{
    MenuProject project;
    project.Buttons.assign(3, ButtonWithMissingValues());
    ButtonOptionsDialog dialog({project, project.Buttons[1], false, 2});
    auto* password = test::namedChild<QLineEdit>(dialog, "tPsw");
    test::namedChild<QCheckBox>(dialog, "cPswProtect")->setChecked(true);
    password->clear();
    test::typeText(password, QStringLiteral("abЖc"));
    EXPECT_EQ(password->text(), QStringLiteral("abc"));
    ASSERT_EQ(home.ui().messages().size(), 1u);
    EXPECT_EQ(home.ui().messages()[0].title, "Character Not Taken");

    // Paste from the context menu reaches the field without a key: the refused character is
    // taken out afterwards, the rest stays.
    password->setEchoMode(QLineEdit::Normal);
    QGuiApplication::clipboard()->setText(QStringLiteral("dЖe"));
    password->paste();
    EXPECT_EQ(password->text(), QStringLiteral("abcde"));
    EXPECT_EQ(home.ui().messages().size(), 2u);
}

TEST_F(CodePageWidgetTest, CommentsBoxTakesOnlyWhatItCanStoreOfAPaste)
{
    MainWindow window;
    auto* comments = test::namedChild<QPlainTextEdit>(window, "tVerComments");
    test::typeText(comments, QStringLiteral("Disc 1"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" Ж"));
    comments->paste();
    QCoreApplication::processEvents();
    EXPECT_EQ(comments->toPlainText(), QStringLiteral("Disc 1 "));
    EXPECT_EQ(window.document().project().Comments, "Disc 1 ");
    ASSERT_EQ(home.ui().messages().size(), 1u);
    EXPECT_EQ(home.ui().messages()[0].title, "Character Not Taken");
}

TEST_F(CodePageWidgetTest, ChosenFileWhosePathTheProjectCannotStoreIsRefused)
{
    home.ui().pickNextFile(std::string("Z:\\tmp\\Фото.png"));
    EXPECT_FALSE(ChooseMediaFile(Options(), MediaObject::Background));
    ASSERT_EQ(home.ui().messages().size(), 1u);
    EXPECT_NE(home.ui().messages()[0].text.find("Ф (U+0424)"), std::string::npos);
}

}  // namespace
}  // namespace orv::editor
