// The create dialog and the creation's windows: captions, info text and enabling after the
// project, the label colour, the folder chooser's buttons, the Portavo settings, the
// StickGuard offer, the report with its timers and explore button, the detailed copy
// error and the progress window.
#include <filesystem>
#include <tuple>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "create/create_menu.h"
#include "create/usb_cooperation.h"
#include "dialog_test_support.h"
#include "editor/dialogs/create_menu_dialog.h"
#include "editor/dialogs/editor_creation_observer.h"
#include "editor/dialogs/menu_created_dialog.h"
#include "editor/dialogs/portavo_info_dialogs.h"
#include "editor/dialogs/portavo_link_settings_dialog.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/dialogs/stickguard_offer_dialog.h"
#include "model/project_folders.h"
#include "model/sibling_products.h"
#include "platform/user_interface.h"
#include "support/recording_shell.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

class CreateDialogTest : public test::HomeTest {
protected:
    void SetUp() override
    {
        test::ensureApplication();
        Siblings() = SiblingProducts{};
    }
    void TearDown() override { Siblings() = SiblingProducts{}; }

    CreateMenuDialog* open()
    {
        state = LoadCreateDialog(project);
        dialog = std::make_unique<CreateMenuDialog>(project, state, DefaultCreationObserver());
        return dialog.get();
    }

    // A control of the dialog open(), found by its name.
    template <typename T>
    T* control(const char* name)
    {
        return test::namedChild<T>(*dialog, name);
    }

    MenuProject project;
    CreateDialogState state;
    std::unique_ptr<CreateMenuDialog> dialog;
};

TEST_F(CreateDialogTest, AutorunControlsAndInfoFollowTheProject)
{
    for (const bool autorun : {false, true}) {
        project.UseAutorun = autorun ? 1 : 0;
        CreateMenuDialog* d = open();
        EXPECT_EQ(control<QGroupBox>("frPortavoLink")->isHidden(), !autorun);
        for (const char* name : {"tIconSource", "tLabel", "tActionText"})
            EXPECT_EQ(control<QLineEdit>(name)->isEnabled(), autorun) << name;
        EXPECT_TRUE(control<QPushButton>("CmdUSBsettings")->isEnabled());  // in the hidden frame without autorun
        EXPECT_TRUE(d->destinationField()->isEnabled());
        EXPECT_EQ(control<QLabel>("labInfo")->text().toStdString(),
                  autorun ? CreateInfoTextWithAutorun : CreateInfoTextWithoutAutorun);
    }
}

TEST_F(CreateDialogTest, ValuesComeFromTheProjectAndGoBackIntoTheState)
{
    project.CreateDestDir = "E:\\Menu";
    project.DiscActionText = "Start the menu";
    project.CoOperateWithPortavoLink = true;
    CreateMenuDialog* d = open();
    EXPECT_EQ(d->destinationField()->text(), "E:\\Menu");
    EXPECT_EQ(control<QLineEdit>("tActionText")->text(), "Start the menu");
    EXPECT_TRUE(control<QCheckBox>("cCoOperateWithPortavoLink")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("cCopyObjects")->isChecked());
    EXPECT_EQ(control<QComboBox>("ComboScrResDataFiles")->currentIndex(), 0);

    d->destinationField()->setText("  E:\\Out  ");
    control<QComboBox>("ComboScrResDataFiles")->setCurrentIndex(2);
    control<QCheckBox>("cCopyObjects")->setChecked(false);
    control<QCheckBox>("cCoOperateWithPortavoLink")->setChecked(false);
    d->storeState();
    EXPECT_EQ(state.destination, "E:\\Out");
    EXPECT_EQ(state.descriptionFileIndex, 2);
    EXPECT_FALSE(state.copyObjects);
    EXPECT_FALSE(state.coOperateWithPortavoLink);
}

TEST_F(CreateDialogTest, TypingADestinationMarksTheProjectModified)
{
    CreateMenuDialog* d = open();
    int signals_ = 0;
    QObject::connect(d, &CreateMenuDialog::projectModified, [&] { ++signals_; });
    d->destinationField()->setText("E:\\Set");  // filled by the program: not an edit
    EXPECT_EQ(signals_, 0);
    test::typeText(d->destinationField(), "x");
    EXPECT_EQ(signals_, 1);
}

TEST_F(CreateDialogTest, CreateWithoutDestinationIsRefusedAndTheDialogStaysOpen)
{
    CreateMenuDialog* d = open();
    d->show();
    d->destinationField()->clear();
    EXPECT_FALSE(d->createMenu());
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"Error|16|No destination folder is specified!"});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(control<QPushButton>("CmdCreate")->isEnabled());
}

// The order of the checks is tested with the creation; here: the tab is brought to the front.
TEST_F(CreateDialogTest, CreateActionBringsTheTabOfTheFirstProblemToTheFront)
{
    project.BackgroundPictureSrc = "C:\\pics\\back.jpg";
    EditorCreationObserver observer(nullptr);
    std::vector<MainTab> tabs;
    observer.onShowMainTab = [&](MainTab tab) { tabs.push_back(tab); };
    EXPECT_FALSE(CreateAction(project, observer));
    EXPECT_EQ(tabs, std::vector<MainTab>{MainTab::Pictures});
}

TEST_F(CreateDialogTest, ClosingTheDialogCopiesItsValuesBackUnlessTheDestinationIsEmpty)
{
    // Typed destination and label; what the project holds after the dialog closes; changes.
    const std::tuple<QString, std::string, std::string, int> cases[] = {
        {"E:\\NewMenu", "E:\\NewMenu", "New label", 1},
        {"", "E:\\Old", "Old label", 0},
        {"E:\\Old", "E:\\Old", "Old label", 0},  // opened and closed untouched: no change
    };
    for (const auto& [typed, destination, label, changesSeen] : cases) {
        project.CreateDestDir = "E:\\Old";
        project.DiscLabel = "Old label";
        EditorCreationObserver observer(nullptr);
        int changes = 0;
        observer.onProjectChanged = [&] { ++changes; };
        test::whenModalOpens<CreateMenuDialog>([typed = typed](CreateMenuDialog* d) {
            if (typed == QStringLiteral("E:\\Old"))
                return d->reject();
            d->destinationField()->setText(typed);
            test::namedChild<QLineEdit>(*d, "tLabel")->setText("New label");
            d->reject();
        });
        EXPECT_FALSE(CreateAction(project, observer));
        EXPECT_EQ(project.CreateDestDir, destination);
        EXPECT_EQ(project.DiscLabel, label);
        EXPECT_EQ(changes, changesSeen) << "the values the dialog gives back are the creation's change";
        EXPECT_FALSE(observer.isBusy());
    }
}

// A project without a destination is offered one in "My Created Menus", named after it; left
// untouched in a dialog that is closed, it does not become the project's.
TEST_F(CreateDialogTest, ProposedDestinationIsOfferedButNotForcedOnTheProject)
{
    std::filesystem::create_directories(home.path("Documents/Orvanto/My Created Menus"));
    project.ProjectFilePath = home.win("Documents/Orvanto/My Projects/Holiday.mnp");
    const std::string proposal = home.win("Documents/Orvanto/My Created Menus/Holiday");
    EXPECT_EQ(LoadCreateDialog(project).destination, proposal);
    EditorCreationObserver observer(nullptr);
    int changes = 0;
    observer.onProjectChanged = [&] { ++changes; };
    bool shown = false;
    test::whenModalOpens<CreateMenuDialog>([&](CreateMenuDialog* d) {
        shown = true;
        EXPECT_EQ(d->destinationField()->text().toStdString(),
                  home.path("Documents/Orvanto/My Created Menus/Holiday").string());
        d->reject();
    });
    EXPECT_FALSE(CreateAction(project, observer));
    EXPECT_TRUE(shown);
    EXPECT_EQ(project.CreateDestDir, "");
    EXPECT_EQ(changes, 0);
}

TEST_F(CreateDialogTest, FolderChooserStartsInTheGivenFolderAndButtonsMoveToTheirFolders)
{
    std::filesystem::create_directories(home.path("Menus/First"));
    SelectDirDialog missing(home.win("no/such/folder"));
    EXPECT_EQ(missing.folder(), home.win("Documents"));
    SelectDirDialog chooser(home.win("Menus/First"));
    EXPECT_EQ(chooser.folder(), home.win("Menus/First"));

    chooser.press(SelectDirButton::MyDocuments);
    EXPECT_EQ(chooser.folder(), home.win("Documents"));

    Folders().CreatedMenusFolder = home.win("Menus");
    chooser.press(SelectDirButton::MyMenus);
    EXPECT_EQ(chooser.folder(), home.win("Menus"));
    Folders().CreatedMenusFolder.clear();

    const std::string drive = chooser.folder().substr(0, 3);
    chooser.press(SelectDirButton::RootFolder);
    EXPECT_EQ(chooser.folder(), drive);
    EXPECT_EQ(chooser.driveList()->currentData().toString(), QString(drive[0]));

    // The chosen folder, or nothing when cancelled.
    test::whenModalOpens<SelectDirDialog>([](SelectDirDialog* d) { d->accept(); });
    EXPECT_EQ(SelectDirDialog::chooseFolder(home.win("Menus/First")), home.win("Menus/First"));
    test::whenModalOpens<SelectDirDialog>([](SelectDirDialog* d) { d->reject(); });
    EXPECT_EQ(SelectDirDialog::chooseFolder(home.win("Menus/First")), std::nullopt);
}

TEST_F(CreateDialogTest, PortavoSettingsFolderFieldResetAndOk)
{
    project.StickGuard_CopySetupFileToSubFolder = false;
    PortavoLinkSettingsDialog d(project);
    auto* file = test::namedChild<QLineEdit>(d, "tStickGuardFilename");
    auto* folder = test::namedChild<QLineEdit>(d, "tStickGuardFoldername");
    auto* root = test::namedChild<QRadioButton>(d, "oCopyToRootFolder");
    auto* sub = test::namedChild<QRadioButton>(d, "oCopyToSubFolder");
    EXPECT_TRUE(root->isChecked());
    EXPECT_FALSE(folder->isEnabled());
    sub->setChecked(true);
    EXPECT_TRUE(folder->isEnabled());

    file->setText("x.exe");
    folder->setText("Other");
    d.reset();
    EXPECT_EQ(file->text(), "SETUP-StickGuard.exe");
    EXPECT_EQ(folder->text(), "SETUP-StickGuard");
    EXPECT_TRUE(root->isChecked());
    EXPECT_FALSE(folder->isEnabled());

    // "startApp" is refused and the dialog stays open; OK stores the names without slashes.
    d.show();
    sub->setChecked(true);
    folder->setText("startApp");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"Veltrona Orvanto|64|Invalid folder name!"});
    file->setText("Setup.exe");
    folder->setText("\\Install/");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(project.StickGuardSetupFilename, "Setup.exe");
    EXPECT_EQ(project.StickGuardSetupFoldername, "Install");
    EXPECT_TRUE(project.StickGuard_CopySetupFileToSubFolder);
}

class CreationWindowsTest : public CreateDialogTest {};

TEST_F(CreationWindowsTest, StickGuardQuestionsAnswerWithTheirButtons)
{
    test::whenModalOpens<StickGuardOfferDialog>([](StickGuardOfferDialog* d) {
        d->dontShowBox()->setChecked(true);
        d->yesButton()->click();
    });
    StickGuardOfferAnswer yes = StickGuardOfferDialog::ask(false);
    EXPECT_EQ(yes.answer, platform::AnswerYes);
    EXPECT_TRUE(yes.dontShowAgain);

    // No, or closing the window, which is Cancel: the creation stops rather than going on unasked.
    test::whenModalOpens<StickGuardOfferDialog>([](StickGuardOfferDialog* d) { d->noButton()->click(); });
    EXPECT_EQ(StickGuardOfferDialog::ask(false).answer, platform::AnswerNo);
    test::whenModalOpens<StickGuardOfferDialog>([](StickGuardOfferDialog* d) { d->reject(); });
    EXPECT_EQ(StickGuardOfferDialog::ask(false).answer, platform::AnswerCancel);
    // Once the button is added: edit it, or (also when closed) go on with the creation.
    test::whenModalOpens<StickGuardAddedDialog>([](StickGuardAddedDialog* d) { d->editButton()->click(); });
    EXPECT_EQ(StickGuardAddedDialog::ask(), platform::AnswerYes);
    test::whenModalOpens<StickGuardAddedDialog>([](StickGuardAddedDialog* d) { d->reject(); });
    EXPECT_EQ(StickGuardAddedDialog::ask(), platform::AnswerNo);
}

TEST_F(CreationWindowsTest, ReportExploresTheDestinationWhenThereIsOne)
{
    test::ScopedRecordingShell shell;
    CreationReport report;
    report.destination = "E:\\Menu";
    MenuCreatedDialog d(report, project);
    test::namedChild<QPushButton>(d, "CmdExploreCreatFolder")->click();
    report.destination.clear();
    MenuCreatedDialog(report, project).exploreCreatedFolder();
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].kind, test::ShellCall::Explore);
    EXPECT_EQ(shell->calls()[0].target, "E:\\Menu");
}

TEST_F(CreationWindowsTest, OnlyTheEnabledTimerRunsAndShowsTheBoxForTheMenusButton)
{
    Siblings().PortavoInstalled = true;
    project.StickGuardSetupFilename = "SETUP-StickGuard.exe";
    AddStickGuardButton(project);
    CreationReport report;
    report.enableStickGuardInfoTimer = true;
    MenuCreatedDialog d(report, project);
    test::namedChild<QTimer>(d, "TimerShowInfoBox")->setInterval(0);
    QString shown;
    test::whenModalOpens<StickGuardInformationDialog>([&](StickGuardInformationDialog* box) {
        shown = box->objectName();
        box->dontShowBox()->setChecked(true);
        box->accept();
    });
    test::whenModalOpens<MenuCreatedDialog>([](MenuCreatedDialog* report) {
        EXPECT_FALSE(test::namedChild<QTimer>(*report, "TimerShowPTVProductPageInfo")->isActive());
        QTimer::singleShot(300, report, &QDialog::accept);
    });
    d.exec();
    EXPECT_EQ(shown, "DlgPTVInformation2");
    EXPECT_TRUE(PortavoSwitchIsOn(DontShowStickGuardInfo));
}

TEST_F(CreationWindowsTest, CtrlIShowsTheStickGuardBoxOnlyWithPortavo)
{
    CreationReport report;
    MenuCreatedDialog d(report, project);
    int boxes = 0;
    // Without Portavo nothing opens (a box would block the test).
    test::keyClick(&d, Qt::Key_I, Qt::ControlModifier);
    Siblings().PortavoInstalled = true;
    test::whenModalOpens<StickGuardInformationDialog>([&](StickGuardInformationDialog* box) {
        ++boxes;
        EXPECT_EQ(box->objectName(), "DlgPTVInformation");
        box->accept();
    });
    test::keyClick(&d, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(boxes, 1);
}

TEST_F(CreationWindowsTest, ProductBoxOpensThePortavoPageAndKeepsItsSwitch)
{
    test::ScopedRecordingShell shell;
    PortavoProductDialog box;
    box.moreInformationButton()->click();
    ASSERT_EQ(shell->calls().size(), 1u);
    EXPECT_EQ(shell->calls()[0].target, PortavoProductPage);
    box.dontShowBox()->setChecked(true);
    box.reject();
    EXPECT_TRUE(PortavoSwitchIsOn(DontShowProductInfo));
}

TEST_F(CreationWindowsTest, ObserverKeepsThePointerBalanced)
{
    EditorCreationObserver observer(nullptr);
    for (const bool busy : {true, true, false, false}) {
        observer.busy(busy);
        EXPECT_EQ(observer.isBusy(), busy);
        EXPECT_EQ(QApplication::overrideCursor() != nullptr, busy);
    }
}

}  // namespace
}  // namespace orv::editor
