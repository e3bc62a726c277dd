// The project commands driven through the scripted user interface: the save question with
// its three answers, New, Open, Save, Save As, the recent lists and Exit, including saves
// that fail (the project must never be lost).
#include <filesystem>

#include <gtest/gtest.h>

#include "editor/project_document.h"
#include "editor/rules/project_commands.h"
#include "editor/rules/window_title.h"
#include "main_window_test_support.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/my_documents_path.h"
#include "model/path_helpers.h"
#include "model/project_file.h"
#include "model/project_folders.h"
#include "model/recent_list.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class ProjectCommandsTest : public test::HomeTest {
protected:
    // A saved project file with the given title text.
    std::string savedProject(const std::string& name, const std::string& title)
    {
        MenuProject p;
        ResetParameters(p);
        p.TitleText = title;
        const std::string path = home.win(name);
        std::filesystem::create_directories(home.path(name).parent_path());
        EXPECT_TRUE(SaveProjectFileAs(p, path));
        return path;
    }

    const std::vector<test::RecordedMessage>& messages() { return home.ui().messages(); }
    const MenuProject& project() const { return document.project(); }
    // The user edits the title: the project is modified.
    void edit(const std::string& title = "Edited")
    {
        document.edit(QStringLiteral("Title"), [&](MenuProject& p) { p.TitleText = title; });
    }

    test::ChooserScript log{home.ui()};
    ProjectDocument document;
    ProjectCommands commands{document};
};

TEST_F(ProjectCommandsTest, SaveQuestionAndItsAnswers)
{
    EXPECT_EQ(commands.askToSaveModified(), SaveQuestionAnswer::NotAsked);
    EXPECT_TRUE(messages().empty()) << "an unmodified project is not asked about";

    ASSERT_TRUE(commands.openProjectPath(savedProject("a.mnp", "Old")));
    edit("New title");
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_EQ(commands.askToSaveModified(), SaveQuestionAnswer::Discarded);
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{
        "Veltrona Orvanto|35|Some options have been changed. Do you want to save them on disk?"});
    EXPECT_TRUE(document.isModified());
    home.ui().answerNext(platform::AnswerCancel);
    EXPECT_EQ(commands.askToSaveModified(), SaveQuestionAnswer::Cancelled);
    EXPECT_NE(home.readFile("a.mnp").find("TitleText = Old"), std::string::npos) << "nothing was saved";

    home.ui().answerNext(platform::AnswerYes);
    EXPECT_EQ(commands.askToSaveModified(), SaveQuestionAnswer::Saved);
    EXPECT_FALSE(document.isModified());
    EXPECT_NE(home.readFile("a.mnp").find("TitleText = New title"), std::string::npos);

    // Yes on an unsaved project whose Save As is cancelled cancels.
    ASSERT_TRUE(commands.newProject());
    edit();
    home.ui().answerNext(platform::AnswerYes);
    home.ui().pickNextFile(std::nullopt);
    EXPECT_EQ(commands.askToSaveModified(), SaveQuestionAnswer::Cancelled);
    EXPECT_TRUE(document.isModified());
}

TEST_F(ProjectCommandsTest, OpenAsksFirstThenOpensTheChosenFile)
{
    const std::string file = savedProject("projects/menu.mnp", "Opened");
    Folders().ProjectFolder = home.win("start");
    edit("Mine");
    home.ui().answerNext(platform::AnswerCancel);
    EXPECT_FALSE(commands.openProject());
    EXPECT_TRUE(log.picks.empty()) << "the dialog is not shown after Cancel";

    home.ui().answerNext(platform::AnswerNo);
    home.ui().pickNextFile(std::nullopt);
    EXPECT_FALSE(commands.openProject());
    EXPECT_EQ(project().TitleText, "Mine") << "a cancelled dialog changes nothing";
    EXPECT_EQ(log.picks.back().folder, home.win("start")) << "an unsaved project starts in the projects folder";

    home.ui().answerNext(platform::AnswerNo);
    home.ui().pickNextFile(file);
    EXPECT_TRUE(commands.openProject());
    EXPECT_EQ(project().TitleText, "Opened");
    EXPECT_EQ(project().ProjectFilePath, file);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.undoStack().count(), 0) << "the old project's steps are gone";
    EXPECT_EQ(EditorWindowTitle(project()), "Veltrona Orvanto - [CD/DVD] - [menu.mnp]");
    EXPECT_EQ(log.picks.back().title, "Open Project");
    EXPECT_EQ(log.picks.back().filter, "Project Files (*.mnp)|*.mnp");
    EXPECT_EQ(RecentFilesList().target(1), file);
    EXPECT_EQ(RecentFoldersList().target(1), PathDirectoryPart(file));
    home.ui().pickNextFile(std::nullopt);
    commands.openProject();
    EXPECT_EQ(log.picks.back().folder, home.win("projects")) << "a saved project starts in its own folder";
}

TEST_F(ProjectCommandsTest, MissingOrUnreadableFilesAreReportedAndTheProjectKept)
{
    edit("Kept");
    const std::string missing = home.win("gone.mnp");
    std::filesystem::create_directories(home.path("folder.mnp"));
    const std::string text = home.writeFile("readme.mnp", "Not a menu.\r\n");
    for (const std::string& path : {missing, home.win("folder.mnp"), text})
        EXPECT_FALSE(commands.openProjectPath(path)) << path;
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(test::shown(home.ui())[0], "Error|16|Can't open '" + missing + "'!");
    EXPECT_EQ(test::shown(home.ui())[2], "Error|16|" + text + " is not a project file");
    EXPECT_EQ(project().TitleText, "Kept");
    EXPECT_EQ(project().ProjectFilePath, NoProjectFile);
}

TEST_F(ProjectCommandsTest, SaveOfAnUnsavedProjectGoesThroughSaveAs)
{
    std::filesystem::create_directories(home.path("out"));
    home.ui().pickNextFile(home.win("out/newmenu"));
    edit();
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(log.picks.at(0).title, "Save Project As");
    EXPECT_EQ(project().ProjectFilePath, home.win("out/newmenu.mnp")) << "the extension is added";
    EXPECT_TRUE(FileExists(project().ProjectFilePath));
    EXPECT_FALSE(document.isModified());
}

TEST_F(ProjectCommandsTest, WriteProtectedFileIsReportedAndTheProjectStaysModified)
{
    const std::string file = savedProject("locked.mnp", "On disk");
    ASSERT_TRUE(commands.openProjectPath(file));
    std::filesystem::permissions(home.path("locked.mnp"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::group_read |
                                                              std::filesystem::perms::others_read);
    edit();
    EXPECT_FALSE(commands.save());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"Error|16|Can't save the project! The file '" + file +
                                                               "' is write-protected. Use Save As to save the "
                                                               "project under another name."});
    EXPECT_NE(home.readFile("locked.mnp").find("TitleText = On disk"), std::string::npos);

    // Save As under another name fails into a missing folder and keeps the old name; a
    // good name rescues the work.
    const std::string impossible = home.win("no/such/folder/p.mnp");
    home.ui().pickNextFile(impossible);
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(project().ProjectFilePath, file);
    EXPECT_EQ(EditorWindowTitle(project()), "Veltrona Orvanto - [CD/DVD] - [locked.mnp]");
    EXPECT_NE(messages().back().text.find(impossible), std::string::npos);
    EXPECT_TRUE(document.isModified());
    home.ui().pickNextFile(home.win("rescued.mnp"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_NE(home.readFile("rescued.mnp").find("TitleText = Edited"), std::string::npos);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ProjectCommandsTest, NewProjectAsksTheTypeBeforeResettingUnlessTheOptionSaysCd)
{
    edit("Old work");
    std::optional<std::int16_t> answer;
    int asked = 0;
    NewProjectHooks hooks;
    hooks.askProjectType = [&](bool) { return ++asked, answer; };
    commands.setNewProjectHooks(hooks);
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_FALSE(commands.newProject());
    EXPECT_EQ(project().TitleText, "Old work") << "Cancel keeps the open project";

    answer = ProjectTypeUSB;
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_TRUE(commands.newProject());
    EXPECT_EQ(project().TitleText, "Title");
    EXPECT_EQ(project().FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_EQ(EditorWindowTitle(project()), "Veltrona Orvanto - [USB flash drive] - [noname]");
    EXPECT_FALSE(document.isModified());

    Options().DontAskProjectType = true;
    std::int16_t built = 0;
    hooks.createProject = [&](MenuProject& p, std::int16_t type, bool) {
        ResetParameters(p);
        p.TitleText = "From a style";
        built = type;
        return true;
    };
    commands.setNewProjectHooks(hooks);
    EXPECT_TRUE(commands.newProject());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(built, ProjectTypeCD);
    EXPECT_EQ(project().TitleText, "From a style");
    EXPECT_EQ(project().ProjectType, ProjectTypeCD);
}

TEST_F(ProjectCommandsTest, RecentFilesAndFolders)
{
    const std::string first = savedProject("one/first.mnp", "First");
    const std::string second = savedProject("two/second.mnp", "Second");
    EXPECT_EQ(RecentFilesList().target(1), second);
    EXPECT_TRUE(commands.openRecentFile(2));
    EXPECT_EQ(project().TitleText, "First");
    EXPECT_EQ(RecentFilesList().target(1), first) << "the opened project moves to the top";
    EXPECT_EQ(RecentFilesList().target(2), second);
    EXPECT_TRUE(RecentFilesList().target(3).empty()) << "no duplicate";

    home.ui().pickNextFile(std::nullopt);
    commands.openRecentFolder(2);
    EXPECT_EQ(log.picks.back().title, "Open Project");
    EXPECT_EQ(log.picks.back().folder, PathDirectoryPart(second));

    std::filesystem::remove(home.path("two/second.mnp"));
    EXPECT_FALSE(commands.openRecentFile(2));
    EXPECT_EQ(messages().back().text, "Can't open '" + second + "'!");
    EXPECT_EQ(project().TitleText, "First");
    EXPECT_FALSE(commands.openRecentFile(6)) << "an empty entry does nothing";
}

TEST_F(ProjectCommandsTest, ExitWritesOptionsAndAsksForAModifiedProject)
{
    EXPECT_TRUE(commands.exitEditor());
    EXPECT_TRUE(FileExists(OptionsFilePath()));
    EXPECT_TRUE(messages().empty());

    edit();
    home.ui().answerNext(platform::AnswerCancel);
    EXPECT_FALSE(commands.exitEditor()) << "Cancel keeps the editor open";
    home.ui().answerNext(platform::AnswerNo);
    EXPECT_TRUE(commands.exitEditor());

    // Yes saves, and the options written after it remember the project.
    std::filesystem::create_directories(home.path("p"));
    home.ui().answerNext(platform::AnswerYes);
    home.ui().pickNextFile(home.win("p/last.mnp"));
    EXPECT_TRUE(commands.exitEditor());
    EXPECT_TRUE(FileExists(home.win("p/last.mnp")));
    EditorOptions written;
    ReadEditorOptionsFrom(OptionsFilePath(), written);
    EXPECT_EQ(ExpandMyDocumentsPath(written.RecentFiles[0]), home.win("p/last.mnp"));

    // A save that fails keeps the editor open.
    std::filesystem::remove_all(home.path("p"));
    edit("Again");
    home.ui().answerNext(platform::AnswerYes);
    EXPECT_FALSE(commands.exitEditor());
    EXPECT_TRUE(document.isModified());
}

TEST_F(ProjectCommandsTest, OptionsFileThatCannotBeWrittenIsReported)
{
    const std::string optionsFile = OptionsFilePath();
    std::filesystem::create_directories(platform::services().files->hostPath(optionsFile));
    EXPECT_TRUE(commands.exitEditor()) << "the editor still closes";
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"Warning|48|Can't save the editor's options to '" +
                                                               optionsFile + "'! Your settings and recent projects "
                                                               "of this session will not be remembered."});
}

}  // namespace
}  // namespace orv::editor
