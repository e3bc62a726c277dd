// The two dialogs of a new project made from a basic style, on the offscreen platform: what
// they open with, what a double click, the keyboard and Cancel give, the sample-picture box,
// and New Project run through both of them into a project.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "editor/dialogs/basic_style_dialog.h"
#include "editor/dialogs/placement_dialog.h"
#include "editor/dialogs/preview_option.h"
#include "editor/dialogs/project_type_dialog.h"
#include "editor/main_window.h"
#include "editor/project_document.h"
#include "main_window_test_support.h"
#include "model/editor_options.h"
#include "model/session_state.h"
#include "support/test_home.h"
#include "templates/basic_styles.h"

namespace orv::editor {
namespace {

void doubleClick(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget* widget) { test::leftClick(widget, QPoint(widget->width() / 2, widget->height() / 2)); }

class BasicStyleDialogsTest : public test::HomeTest {
protected:
    void SetUp() override { ResetSession(); }
    void TearDown() override { ResetSession(); }
    test::ApplicationReady app;
};

TEST_F(BasicStyleDialogsTest, StyleDialogOpensOnTheChosenFamilyAndLayoutAndConfirmsWhatIsDoubleClicked)
{
    BasicStyleDialog dialog(1, 3, 6, true, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Choose Basic Style For Menu");
    EXPECT_EQ(dialog.tabs()->currentIndex(), 2);
    EXPECT_EQ(dialog.checkedOption(2), 5);
    EXPECT_TRUE(dialog.option(2, 5)->isSelected());
    EXPECT_FALSE(dialog.option(2, 4)->isSelected());
    EXPECT_EQ(dialog.option(2, 5)->radio()->text(), "3-dimensional buttons");
    EXPECT_TRUE(dialog.underlineBox()->isChecked());

    // The arrows move the check within the family; Down goes to the next row of four.
    test::keyClick(dialog.option(2, 5)->radio(), Qt::Key_Right);
    EXPECT_EQ(dialog.checkedOption(2), 6);
    test::keyClick(dialog.option(2, 6)->radio(), Qt::Key_Up);
    EXPECT_EQ(dialog.checkedOption(2), 2);
    EXPECT_FALSE(dialog.option(2, 5)->isSelected());

    // Another family starts at the same position.
    dialog.tabs()->setCurrentIndex(4);
    EXPECT_EQ(dialog.checkedOption(4), 2);
    doubleClick(dialog.option(4, 7)->picture());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenColor(), 5);
    EXPECT_EQ(dialog.chosenLayout(), 8);

    BasicStyleDialog white(2, 7, 1, false, nullptr);
    EXPECT_EQ(white.option(6, 0)->radio()->text(), "Windows buttons");
    auto* empty = test::namedChild<QRadioButton>(white, "OptionEmptyProject2");
    EXPECT_EQ(empty->text(), "Empty project (without buttons)");
    doubleClick(empty);
    EXPECT_EQ(white.chosenColor(), 7);
    EXPECT_EQ(white.chosenLayout(), 8);
    EXPECT_FALSE(white.underlineTitle());

    BasicStyleDialog cancelled(1, 1, 1, false, nullptr);
    cancelled.reject();
    EXPECT_EQ(cancelled.chosenColor(), 0);
}

TEST_F(BasicStyleDialogsTest, PlacementDialogOpensRightAndDisablesThePictureBoxWhereNoMenuPictureFits)
{
    PlacementDialog dialog(1, 0, 3, false, {1, 2}, nullptr);
    EXPECT_EQ(dialog.checkedPlacement(), 3);
    EXPECT_EQ(dialog.option(3)->radio()->text(), "Buttons to the right");
    EXPECT_TRUE(dialog.option(3)->isSelected());
    EXPECT_TRUE(dialog.option(1)->titleCentred());
    EXPECT_FALSE(dialog.option(1)->titleUnderlined());
    dialog.underlineBox()->setChecked(true);
    dialog.centerTitleBox()->setChecked(false);
    EXPECT_TRUE(dialog.option(4)->titleUnderlined());
    EXPECT_FALSE(dialog.option(4)->titleCentred());

    EXPECT_TRUE(dialog.addPictureBox()->isEnabled());
    click(dialog.option(2)->picture());
    EXPECT_EQ(dialog.checkedPlacement(), 2);
    EXPECT_FALSE(dialog.option(3)->isSelected());
    EXPECT_FALSE(dialog.addPictureBox()->isEnabled());
    EXPECT_TRUE(dialog.addPictureBox()->isChecked());
    click(dialog.option(4)->picture());
    EXPECT_FALSE(dialog.addPictureBox()->isEnabled());
    click(dialog.option(1)->picture());
    EXPECT_TRUE(dialog.addPictureBox()->isEnabled());
    dialog.reject();
    EXPECT_EQ(dialog.chosenPlacement(), 0);

    // White2 with a background picture keeps the box for every placement.
    PlacementDialog background(2, 4, 1, true, {7, 2}, nullptr);
    EXPECT_EQ(background.checkedPlacement(), 4);
    EXPECT_TRUE(background.addPictureBox()->isEnabled());
    doubleClick(background.option(2)->picture());
    EXPECT_EQ(background.chosenPlacement(), 2);
    EXPECT_EQ(background.titleAlignment(), 1);
    EXPECT_TRUE(background.underlineTitle());
}

TEST_F(BasicStyleDialogsTest, ChoosingWithBothDialogsKeepsTheChoicesAndCancelKeepsNothing)
{
    Session().newProject.placement = 4;
    test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) {
        EXPECT_EQ(d->tabs()->currentIndex(), 0);
        EXPECT_EQ(d->checkedOption(0), 1);
        test::whenModalOpens<PlacementDialog>([](PlacementDialog* p) {
            EXPECT_EQ(p->checkedPlacement(), 3);  // two columns are not offered again for this style
            EXPECT_TRUE(p->addButtonsBox()->isChecked());
            p->addPictureBox()->setChecked(false);
            p->centerTitleBox()->setChecked(true);
            p->confirmButton()->click();
        });
        d->tabs()->setCurrentIndex(1);
        doubleClick(d->option(1, 6)->picture());
    });
    EXPECT_TRUE(ChooseBasicStyleAndPlacement(1));
    NewProjectPreselection c = CurrentNewProjectChoices();
    EXPECT_EQ(c.color, 2);
    EXPECT_EQ(c.layout, 7);
    EXPECT_EQ(c.placement, 3);
    EXPECT_EQ(c.titleAlignment, 3);
    EXPECT_TRUE(c.addButtons);
    EXPECT_FALSE(c.addPicture);

    // Cancel in the placement dialog ends the choice.
    test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) {
        test::whenModalOpens<PlacementDialog>([](PlacementDialog* p) { p->reject(); });
        d->confirmButton()->click();
    });
    EXPECT_FALSE(ChooseBasicStyleAndPlacement(1));

    // An empty project needs no placement.
    test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) {
        d->tabs()->setCurrentIndex(6);
        doubleClick(test::namedChild<QRadioButton>(*d, "OptionEmptyProject1"));
    });
    EXPECT_TRUE(ChooseBasicStyleAndPlacement(2));
    c = CurrentNewProjectChoices();
    EXPECT_EQ(c.color, 7);
    EXPECT_EQ(c.layout, 7);
    EXPECT_TRUE(c.addButtons);

    test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) { d->reject(); });
    EXPECT_FALSE(ChooseBasicStyleAndPlacement(1));
    EXPECT_EQ(CurrentNewProjectChoices().layout, 7);
}

TEST_F(BasicStyleDialogsTest, NewProjectFromABasicStyleGetsTheStyleAndTheSampleButtons)
{
    MainWindow window;
    test::whenModalOpens<ProjectTypeDialog>([](ProjectTypeDialog* type) {
        EXPECT_EQ(type->confirmButton()->text(), "Continue  >");
        test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) {
            test::whenModalOpens<PlacementDialog>([](PlacementDialog* p) {
                click(p->option(1)->picture());
                p->underlineBox()->setChecked(true);
                p->confirmButton()->click();
            });
            d->tabs()->setCurrentIndex(2);
            doubleClick(d->option(2, 5)->picture());
        });
        type->usbOption()->setChecked(true);
        type->confirmButton()->click();
    });
    ASSERT_TRUE(window.newProject(true));
    const MenuProject& p = window.document().project();
    EXPECT_EQ(p.ProjectType, 2);
    EXPECT_EQ(p.BackColor, RgbColour(204, 0, 0));
    EXPECT_EQ(p.ButtonFrameColor, RgbColour(255, 0, 0));
    EXPECT_EQ(p.ButtonAlignment, 1);
    EXPECT_EQ(p.UnderlineType, 1);
    ASSERT_EQ(p.Buttons.size(), 3u);
    EXPECT_EQ(p.Buttons[0].Text, "Button 1");
    EXPECT_EQ(p.Buttons[1].Cmd, "Show Document");
    EXPECT_EQ(p.Buttons[2].Text, "Exit");

    Options().DontAskProjectType = true;
    test::whenModalOpens<BasicStyleDialog>([](BasicStyleDialog* d) { d->reject(); });
    EXPECT_FALSE(window.newProject(true));
    EXPECT_EQ(window.document().project().BackColor, RgbColour(204, 0, 0));
}

}  // namespace
}  // namespace orv::editor
