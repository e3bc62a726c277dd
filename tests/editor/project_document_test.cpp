// The one way the editor changes the project: named steps on the document's undo stack,
// the modified mark that follows the stack's clean state, and one notification per view.
#include <deque>

#include <gtest/gtest.h>

#include "editor/project_document.h"
#include "main_window_test_support.h"
#include "model/project_file.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class ProjectDocumentTest : public test::HomeTest {
protected:
    bool setTitle(const std::string& text, const void* typingKey = nullptr)
    {
        return document.edit(QStringLiteral("Title"), [&](MenuProject& p) { p.TitleText = text; },
                             ChangeScope::Fields, typingKey);
    }

    // How often a signal of the document fired.
    template <typename Signal>
    int& counted(Signal signal)
    {
        int& n = counts_.emplace_back(0);
        QObject::connect(&document, signal, [&n] { ++n; });
        return n;
    }

    test::ApplicationReady app;
    ProjectDocument document;
    std::deque<int> counts_;
    int& fields = counted(&ProjectDocument::fieldsChanged);
    int& buttons = counted(&ProjectDocument::buttonsChanged);
    int& modified = counted(&ProjectDocument::modifiedChanged);
};

TEST_F(ProjectDocumentTest, AnEditIsOneNamedStepThatUndoTakesBack)
{
    EXPECT_FALSE(setTitle(document.project().TitleText)) << "a change that changes nothing pushes nothing";
    EXPECT_EQ(document.undoStack().count(), 0);
    EXPECT_EQ(fields, 0);
    EXPECT_EQ(modified, 0);

    ASSERT_TRUE(setTitle("Spring"));
    EXPECT_EQ(document.project().TitleText, "Spring");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack().count(), 1);
    EXPECT_EQ(document.undoStack().undoText(), QStringLiteral("Title"));
    EXPECT_EQ(fields, 1);
    EXPECT_EQ(buttons, 0) << "only the views of what changed are told";
    ASSERT_EQ(modified, 1);

    document.undoStack().undo();
    EXPECT_EQ(document.project().TitleText, "Title");
    EXPECT_FALSE(document.isModified()) << "back at the clean state";
    EXPECT_EQ(modified, 2);
    document.undoStack().redo();
    EXPECT_EQ(document.project().TitleText, "Spring");
    EXPECT_TRUE(document.isModified());
}

TEST_F(ProjectDocumentTest, TypingIntoOneFieldIsOneStepUntilTheFieldIsLeft)
{
    const int field = 0;
    setTitle("S", &field);
    setTitle("Su", &field);
    setTitle("Sun", &field);
    EXPECT_EQ(document.undoStack().count(), 1);
    document.finishTyping();
    setTitle("Sunny", &field);
    EXPECT_EQ(document.undoStack().count(), 2);
    document.undoStack().undo();
    EXPECT_EQ(document.project().TitleText, "Sun");

    // Typing back to where it began leaves no step at all.
    document.undoStack().undo();
    setTitle("X", &field);
    setTitle("Title", &field);
    EXPECT_EQ(document.undoStack().count(), 0);
}

TEST_F(ProjectDocumentTest, SaveMarksTheStackCleanAndUndoAfterSaveModifiesAgain)
{
    setTitle("Saved");
    const std::string file = home.win("saved.mnp");
    ASSERT_TRUE(document.save([&](MenuProject& p) { return SaveProjectFileAs(p, file); }));
    EXPECT_FALSE(document.isModified());
    setTitle("After");
    EXPECT_EQ(document.undoStack().count(), 2) << "a step after Save is never merged into the saved one";

    document.undoStack().undo();
    EXPECT_FALSE(document.isModified());
    document.undoStack().undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.project().ProjectFilePath, file) << "undo restores content, not the file";

    EXPECT_FALSE(document.save([](MenuProject&) { return false; }));
    EXPECT_TRUE(document.isModified()) << "a failed save leaves the project modified";
}

TEST_F(ProjectDocumentTest, ReplacingClearsTheHistoryAndCancelKeepsTheProject)
{
    setTitle("Old");
    EXPECT_FALSE(document.replace([](MenuProject& p) {
        p.TitleText = "half built";
        return false;
    }));
    EXPECT_EQ(document.project().TitleText, "Old");
    EXPECT_TRUE(document.isModified());

    int& replaced = counted(&ProjectDocument::projectReplaced);
    ASSERT_TRUE(document.replace([](MenuProject& p) {
        ResetParameters(p);
        return true;
    }));
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(document.undoStack().count(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ProjectDocumentTest, TheCreationsOwnChangesMarkModifiedWithoutAStep)
{
    document.projectForCreation().LastCreationDate = "2026-12-06";
    document.changedByCreation();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack().count(), 0);
    EXPECT_EQ(buttons, 1) << "a StickGuard button may have been added";
    ASSERT_TRUE(document.save([](MenuProject&) { return true; }));
    EXPECT_FALSE(document.isModified());
}

TEST_F(ProjectDocumentTest, UndoPutsBackOnlyWhatTheStepChanged)
{
    setTitle("Mine");
    document.edit(QStringLiteral("Wizard"), [](MenuProject& p) { p.Wizard.TitleText = "Sub"; });
    document.projectForCreation().LastCreationDate = "2026-12-06";
    document.changedByCreation();

    document.undoStack().undo();
    document.undoStack().undo();
    EXPECT_EQ(document.project().TitleText, "Title");
    EXPECT_EQ(document.project().Wizard.TitleText, "") << "members outside the key table are steps too";
    EXPECT_EQ(document.project().LastCreationDate, "2026-12-06") << "the creation's own change stays";
    document.undoStack().redo();
    EXPECT_EQ(document.project().TitleText, "Mine");
    EXPECT_EQ(document.project().LastCreationDate, "2026-12-06");
}

TEST_F(ProjectDocumentTest, UndoTellsTheViewsOfWhatItRestores)
{
    document.edit(QStringLiteral("Add Button"), [](MenuProject& p) { p.Buttons.push_back(MakeTitleRow("Row")); },
                  ChangeScope::Buttons);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(fields, 0);
    document.undoStack().undo();
    EXPECT_TRUE(document.project().Buttons.empty());
    EXPECT_EQ(buttons, 2);
    EXPECT_EQ(fields, 0);
}

}  // namespace
}  // namespace orv::editor
