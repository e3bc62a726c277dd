// The windows of the interactive start: the start window's choices and recent list, the
// project-folder question and the project-type question with its captions.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editor/dialogs/app_tour_dialog.h"
#include "editor/dialogs/clickable_label.h"
#include "editor/dialogs/project_folder_dialog.h"
#include "editor/dialogs/project_type_dialog.h"
#include "editor/dialogs/start_window.h"
#include "editor/startup/interactive_startup.h"
#include "model/editor_options.h"
#include "model/recent_list.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class StartupWindowsTest : public test::HomeTest {
protected:
    void SetUp() override { test::ensureApplication(); }

    static QListWidget* recentProjects(const StartWindow& window)
    {
        return test::namedChild<QListWidget>(window, "recentProjects");
    }
    static QStringList lines(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
};

TEST_F(StartupWindowsTest, StartWindowListsUpToFourRecentProjectsByFileName)
{
    auto& recent = Options().RecentFiles;
    recent = {"C:\\Menus\\alpha.mnp", "C:", "...\\My Documents\\beta.mnp", "C:\\Menus\\gamma.mnp",
              "C:\\Menus\\delta.mnp", "C:\\Menus\\epsilon.mnp"};
    StartWindow window;
    // Entry 2 is too short to be a project; entries 5 and 6 are beyond the list's four.
    EXPECT_EQ(lines(recentProjects(window)), (QStringList{"alpha.mnp", "beta.mnp", "gamma.mnp"}));

    // A click on a line chooses its entry in the recent list, which counts the skipped one.
    window.show();
    QListWidget* list = recentProjects(window);
    test::leftClick(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(window.choice().code, StartOpenRecentProject);
    EXPECT_EQ(window.choice().entry, 3);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(StartupWindowsTest, ContextMenuOpensOrRemovesARecentProject)
{
    Options().RecentFiles = {"C:\\a.mnp", "C:\\b.mnp", "C:\\c.mnp", "", "", ""};
    StartWindow window;
    int changes = 0;
    QObject::connect(&window, &StartWindow::recentFilesChanged, [&] { ++changes; });

    QMenu* menu = window.contextMenuFor(recentProjects(window)->item(0));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "open");
    EXPECT_EQ(menu->actions()[1]->text(), "remove");

    menu->actions()[1]->trigger();  // remove "a.mnp"
    EXPECT_EQ(lines(recentProjects(window)), (QStringList{"b.mnp", "c.mnp"}));
    EXPECT_EQ(Options().RecentFiles[0], "C:\\b.mnp");
    EXPECT_EQ(Options().RecentFiles[2], "");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(window.choice().code, StartClosed);

    window.contextMenuFor(recentProjects(window)->item(1))->actions()[0]->trigger();  // open "c.mnp"
    EXPECT_EQ(window.choice().code, StartOpenRecentProject);
    EXPECT_EQ(window.choice().entry, 2);
}

TEST_F(StartupWindowsTest, EachActionLabelReturnsItsCode)
{
    for (int code : {StartNewProject, StartNewProjectFromTemplate, StartOpenProject, StartUserGuide,
                     StartHelpContents}) {
        StartWindow window;
        ClickableLabel* label = window.actionLabel(code);
        ASSERT_NE(label, nullptr) << code;
        emit label->clicked();
        EXPECT_EQ(window.choice().code, code);
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    StartWindow window;
    EXPECT_EQ(window.actionLabel(StartOpenRecentProject), nullptr);
    test::whenModalOpens<StartWindow>([](StartWindow* w) { w->reject(); });
    EXPECT_EQ(StartWindow::chooseProject().code, StartClosed);
}

TEST_F(StartupWindowsTest, ProjectFolderQuestionShowsItsTextsAndAnswers)
{
    ProjectFolderDialog dialog("/home/ann/Documents/Orvanto");
    QStringList texts;
    for (auto* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("/home/ann/Documents/Orvanto")) << "the folder is named";

    test::whenModalOpens<ProjectFolderDialog>([](ProjectFolderDialog* d) { d->yesButton()->click(); });
    EXPECT_TRUE(ProjectFolderDialog::ask("x"));
    test::whenModalOpens<ProjectFolderDialog>([](ProjectFolderDialog* d) { d->noButton()->click(); });
    EXPECT_FALSE(ProjectFolderDialog::ask("x"));
}

TEST_F(StartupWindowsTest, NewProjectTypeFollowsTheAnswerOrTheOption)
{
    test::whenModalOpens<ProjectTypeDialog>([](ProjectTypeDialog* d) {
        d->usbOption()->setChecked(true);
        d->confirmButton()->click();
    });
    EXPECT_EQ(ProjectTypeDialog::chooseNewProjectType(false), std::optional<std::int16_t>(2));

    test::whenModalOpens<ProjectTypeDialog>([](ProjectTypeDialog* d) { d->confirmButton()->click(); });
    EXPECT_EQ(ProjectTypeDialog::chooseNewProjectType(true), std::optional<std::int16_t>(1));

    test::whenModalOpens<ProjectTypeDialog>([](ProjectTypeDialog* d) { d->reject(); });
    EXPECT_EQ(ProjectTypeDialog::chooseNewProjectType(false), std::nullopt);

    // With the option on no window opens: the project is a CD/DVD project.
    Options().DontAskProjectType = true;
    EXPECT_EQ(ProjectTypeDialog::chooseNewProjectType(false), std::optional<std::int16_t>(1));
}

TEST_F(StartupWindowsTest, AppTourPagesAndItsStartOption)
{
    AppTourDialog tour;
    ASSERT_GT(tour.pageCount(), 1);
    EXPECT_FALSE(tour.backButton()->isEnabled());
    tour.nextButton()->click();
    EXPECT_EQ(tour.currentPage(), 1);
    EXPECT_TRUE(tour.backButton()->isEnabled());
    tour.showPage(tour.pageCount() - 1);
    EXPECT_EQ(tour.nextButton()->text(), "&Finish");
    tour.showPage(99);  // ignored
    EXPECT_EQ(tour.currentPage(), tour.pageCount() - 1);

    test::whenModalOpens<AppTourDialog>([](AppTourDialog* d) {
        d->showAtStartBox()->setChecked(false);
        d->reject();
    });
    AppTourDialog::showTour();
    EXPECT_FALSE(Options().ShowAppTour);
}

TEST_F(StartupWindowsTest, WindowsOfTheStartLeadToTheMainWindowsCommands)
{
    Options().MyProjectsFolderAutoCreateDone = true;
    std::vector<std::string> commands;
    StartupCommands c;
    c.newProject = [&](bool fromTemplate) { commands.push_back(fromTemplate ? "template" : "new"); };
    c.openProject = [&] { commands.push_back("open"); };
    c.openRecentProject = [&](int entry) { commands.push_back("recent " + std::to_string(entry)); };
    c.recentFilesChanged = [&] { commands.push_back("recent list changed"); };
    DialogStartupHost host(nullptr, c);

    test::whenModalOpens<AppTourDialog>([](AppTourDialog* tour) {
        test::whenModalOpens<StartWindow>([](StartWindow* w) {
            emit w->actionLabel(StartNewProjectFromTemplate)->clicked();
        });
        tour->reject();
    });
    InteractiveStartup(host).run({});
    EXPECT_EQ(commands, std::vector<std::string>{"template"});
}

}  // namespace
}  // namespace orv::editor
