#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "model/editor_options.h"
#include "model/project_folders.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class ProjectFoldersTest : public test::HomeTest {
protected:
    std::string documents() const { return platform::services().folders->GetMyDocumentsDir(); }
    std::string programProjects() const { return platform::services().folders->ProgramFolder() + "\\Projects"; }

    void makeDir(const std::string& relative) { fs::create_directories(home.path(relative)); }
    bool isDir(const std::string& relative) const { return fs::is_directory(home.path(relative)); }
};

TEST_F(ProjectFoldersTest, FoldersFollowTheFirstRuleThatHolds)
{
    EXPECT_EQ(ProjectFolderRule(), programProjects());
    EXPECT_EQ(CreatedMenusFolderRule(), "");

    makeDir("Documents/Orvanto/My Projects");
    EXPECT_EQ(ProjectFolderRule(), documents() + "\\Orvanto\\My Projects");
    Options().UserProjectDir = home.win("Elsewhere");  // set, but missing
    EXPECT_EQ(ProjectFolderRule(), documents() + "\\Orvanto\\My Projects");
    DetermineEditorFolders();
    EXPECT_EQ(Folders().CreatedMenusFolder, "");

    makeDir("Elsewhere");
    makeDir("Documents/Orvanto/My Created Menus");
    DetermineEditorFolders();
    EXPECT_EQ(Folders().ProjectFolder, home.win("Elsewhere"));
    EXPECT_EQ(Folders().CreatedMenusFolder, documents() + "\\Orvanto\\My Created Menus");
}

TEST_F(ProjectFoldersTest, QuestionIsAskedOnceAndNotWhenTheFolderExists)
{
    EXPECT_TRUE(ProjectFolderQuestionNeeded());
    EXPECT_FALSE(Options().MyProjectsFolderAutoCreateDone);

    makeDir("Documents/Orvanto/My Projects");
    EXPECT_FALSE(ProjectFolderQuestionNeeded());
    EXPECT_TRUE(Options().MyProjectsFolderAutoCreateDone);

    fs::remove_all(home.path("Documents/Orvanto"));
    EXPECT_FALSE(ProjectFolderQuestionNeeded());  // answered before
}

TEST_F(ProjectFoldersTest, AnsweringMarksTheQuestionAndYesCreatesTheFolders)
{
    AnswerProjectFolderQuestion(false);
    EXPECT_TRUE(Options().MyProjectsFolderAutoCreateDone);
    EXPECT_FALSE(isDir("Documents/Orvanto"));
    EXPECT_EQ(Folders().ProjectFolder, "");

    AnswerProjectFolderQuestion(true);
    EXPECT_TRUE(isDir("Documents/Orvanto/My Projects"));
    EXPECT_EQ(Folders().ProjectFolder, documents() + "\\Orvanto\\My Projects");
    EXPECT_EQ(Folders().CreatedMenusFolder, documents() + "\\Orvanto\\My Created Menus");
}

TEST_F(ProjectFoldersTest, CreationStopsAtTheFirstFolderThatCannotBeMade)
{
    home.writeFile("Documents/Orvanto", "a file where the folder belongs");
    Folders().CreatedMenusFolder = "kept";
    CreateOrvnDocFolders();
    EXPECT_EQ(Folders().ProjectFolder, programProjects());
    EXPECT_EQ(Folders().CreatedMenusFolder, "kept");

    fs::remove(home.path("Documents/Orvanto"));
    home.writeFile("Documents/Orvanto/My Projects", "a file again");
    CreateOrvnDocFolders();
    EXPECT_EQ(Folders().ProjectFolder, programProjects());
    EXPECT_FALSE(isDir("Documents/Orvanto/My Created Menus"));
}

TEST_F(ProjectFoldersTest, FollowUpMakesTheCreatedMenusFolderNextToMyProjects)
{
    PrepareCreatedMenusFolder();
    EXPECT_FALSE(isDir("Documents/Orvanto/My Created Menus"));
    EXPECT_EQ(Folders().CreatedMenusFolder, "");

    makeDir("Documents/Orvanto/My Projects");
    PrepareCreatedMenusFolder();
    EXPECT_TRUE(isDir("Documents/Orvanto/My Created Menus"));
    EXPECT_EQ(Folders().CreatedMenusFolder, documents() + "\\Orvanto\\My Created Menus");
}

}  // namespace
}  // namespace orv
