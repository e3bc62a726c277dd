// A whole creation driven through the editor's windows: the create dialog's Create button,
// the progress window, the report, and the detailed copy error for a file that vanished.
#include <filesystem>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "create/create_menu.h"
#include "dialog_test_support.h"
#include "editor/dialogs/create_menu_dialog.h"
#include "editor/dialogs/creation_progress_dialog.h"
#include "editor/dialogs/detailed_error_dialog.h"
#include "editor/dialogs/editor_creation_observer.h"
#include "editor/dialogs/menu_created_dialog.h"
#include "model/menu_button.h"
#include "model/sibling_products.h"
#include "support/stand_in_program_folder.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

// A program folder with stand-ins for the programs the creation copies.
class CreationRunTest : public ::testing::Test {
protected:
    CreationRunTest()
    {
        std::filesystem::create_directories(home.path("menu"));
        project.UseAutorun = 0;
        project.TitleFontName = "Arial";
        Siblings() = SiblingProducts{};
        test::ensureApplication();
    }

    test::TestHome home;
    test::StandInProgramFolder program{home};
    MenuProject project;
};

TEST_F(CreationRunTest, CreateButtonRunsTheCreationAndShowsTheReport)
{
    EditorCreationObserver observer(nullptr);
    int changes = 0;
    observer.onProjectChanged = [&] { ++changes; };
    QStringList reportLines;
    bool dialogOpenAfterCreation = false;
    int filesShown = 0;

    const QString destination = QString::fromStdString(home.win("menu"));
    test::whenModalOpens<CreateMenuDialog>([&](CreateMenuDialog* d) {
        d->destinationField()->setText(destination);
        test::whenModalOpens<MenuCreatedDialog>([&](MenuCreatedDialog* report) {
            for (int i = 0; i < test::namedChild<QListWidget>(*report, "ListCopiedFiles")->count(); ++i)
                reportLines << test::namedChild<QListWidget>(*report, "ListCopiedFiles")->item(i)->text();
            report->accept();
        });
        test::namedChild<QPushButton>(*d, "CmdCreate")->click();
        dialogOpenAfterCreation = d->isVisible();
        filesShown = observer.progress() ? observer.progress()->filesSoFar() : 0;
        d->reject();
    });
    EXPECT_TRUE(CreateAction(project, observer));

    ASSERT_FALSE(reportLines.isEmpty());
    // Typed in Windows form, shown in host form.
    EXPECT_EQ(reportLines[0], QStringLiteral("Following files have been copied to '%1':")
                                  .arg(QString::fromStdString(home.path("menu").string())));
    EXPECT_TRUE(reportLines.contains("  ORVNMENU.EXE  -  (program file)"));
    EXPECT_TRUE(dialogOpenAfterCreation);
    EXPECT_GE(filesShown, 2);
    EXPECT_EQ(project.CreateDestDir, destination.toStdString());
    EXPECT_GE(changes, 1) << "the creation reports its own changes of the project";
    EXPECT_FALSE(observer.isBusy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CreationRunTest, VanishedSourceFolderShowsTheDetailedErrorAndNoReport)
{
    MenuButton button = ButtonWithMissingValues();
    button.Text = "Plan";
    button.Cmd = "Show Document";
    button.Link = "docs\\plan.pdf";
    button.SourceFile = home.win("gone/plan.pdf");
    button.CSF = "2";
    project.Buttons.push_back(button);
    project.CreateDestDir = home.win("menu");

    EditorCreationObserver observer(nullptr);
    QString sourceFolderFact, message;
    bool reportShown = false;
    test::whenModalOpens<CreateMenuDialog>([&](CreateMenuDialog* d) {
        test::whenModalOpens<DetailedErrorDialog>([&](DetailedErrorDialog* error) {
            sourceFolderFact = error->factLabel(0)->text();
            error->accept();
        });
        test::whenModalOpens<MenuCreatedDialog>([&](MenuCreatedDialog* report) {
            reportShown = true;
            report->accept();
        });
        test::namedChild<QPushButton>(*d, "CmdCreate")->click();
        d->reject();
    });
    EXPECT_FALSE(CreateAction(project, observer));
    EXPECT_EQ(sourceFolderFact, "No");
    EXPECT_FALSE(reportShown);
    EXPECT_FALSE(observer.isBusy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The advice that follows the details arrives through the message interface.
    ASSERT_FALSE(home.ui().messages().empty());
    EXPECT_EQ(home.ui().messages().back().title, "Information");
}

}  // namespace
}  // namespace orv::editor
