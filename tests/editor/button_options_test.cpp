// The button options: field corrections, the colour buttons per style, the password checks
// and the position questions of OK, the picture gallery fields, and the dialogs offscreen.
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editor/dialogs/active_frame_dialog.h"
#include "editor/dialogs/button_options_dialog.h"
#include "editor/dialogs/dialog_openers.h"
#include "editor/dialogs/picture_gallery_options_dialog.h"
#include "editor/dialogs/picture_size_dialog.h"
#include "editor/project_document.h"
#include "editor/rules/button_options_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "model/editor_options.h"
#include "platform/user_interface.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

TEST(ButtonOptionsFields, DeltaFlashAndGalleryTextsAreCorrected)
{
    const std::pair<const char*, const char*> deltas[] = {
        {"2001", "0"}, {"abc", "0"}, {"-2000", "-2000"}, {"2000", "2000"}, {"-2001", "0"}, {"", "0"}, {"12x", "0"}};
    for (const auto& [typed, kept] : deltas)
        EXPECT_EQ(CorrectDelta(typed), kept) << typed;

    const std::pair<const char*, const char*> flash[] = {
        {"10", "32"}, {"5000", "2000"}, {"x", ""}, {"", ""}, {"640", "640"}, {"-5", "32"}};
    for (const auto& [typed, kept] : flash)
        EXPECT_EQ(CorrectFlashSize(typed), kept) << typed;

    const std::pair<const char*, const char*> heights[] = {{"7", "15"}, {"301", "300"}, {"120", "120"}, {"x", ""}, {"", ""}};
    for (const auto& [typed, kept] : heights)
        EXPECT_EQ(ValidatePictureGalleryPictureHeight(typed), kept) << typed;

    std::string width = "abc", height = "400";
    ValidatePictureGallerySizeControls(width, height);
    EXPECT_EQ(width + "|" + height, "|");
    width = "", height = "400";
    ValidatePictureGallerySizeControls(width, height);
    EXPECT_EQ(width + "|" + height, "|400");

    EXPECT_EQ(ValidatePictureGalleryFNameExtensionField(".jpg"), "jpg");
    EXPECT_EQ(PictureSizeSliderStart(""), 150);
    EXPECT_EQ(PictureSizeSliderStart("7"), 15);
    EXPECT_EQ(PictureHeightFromSlider(3), "15");
    EXPECT_EQ(PicturePreviewWidth(150), 200);
}

TEST(ButtonOptionsColours, EachStyleEnablesAndNamesItsColourButtons)
{
    struct Case {
        int style;
        bool checkBoxUsable;
        std::array<bool, 4> enabled;  // text, tip, border, background
        const char* border;
        const char* back;
    };
    const Case cases[] = {
        {2, true, {1, 1, 0, 0}, "Border Color...", "Background Color..."},  // Text Only
        {3, true, {1, 1, 1, 0}, "Border Color...", "Background Color..."},  // Framed Text
        {4, true, {1, 1, 1, 1}, "Border Color...", "Background Color..."},  // Solid Rectangle
        {5, false, {0, 0, 0, 0}, "Border Color...", "Background Color..."}, // Windows Button
        {6, true, {1, 1, 0, 0}, "Border Color...", "Background Color..."},  // Bitmap Button
        {9, true, {1, 1, 1, 1}, "Border Color...", "Background Color..."},
        {11, true, {1, 1, 1, 1}, "Color 1...", "Color 2..."},
        {25, true, {1, 1, 1, 1}, "Color 1...", "Color 2..."},
        {26, true, {1, 1, 1, 0}, "Base color...", "Color 2..."},            // Metallic
        {27, true, {1, 1, 0, 1}, "Color 1...", "Base color..."},            // Plastic
        {28, true, {1, 1, 0, 0}, "Color 1...", "Color 2..."},               // Image / Hotspot
    };
    for (const Case& c : cases) {
        ColourButtonsState on;
        on.useColours = true;
        const ColourButtonsState s = HideShowColorButtons(on, c.style);
        EXPECT_EQ(s.useColours, c.style != 5) << c.style;
        EXPECT_EQ(s.useColoursEnabled, c.checkBoxUsable) << c.style;
        EXPECT_EQ(s.enabled, c.enabled) << c.style;
        EXPECT_EQ(s.borderCaption, c.border) << c.style;
        EXPECT_EQ(s.backCaption, c.back) << c.style;

        ColourButtonsState off = on;
        off.useColours = false;
        EXPECT_EQ(HideShowColorButtons(off, c.style).enabled, (std::array<bool, 4>{})) << c.style;
    }
    EXPECT_EQ(HandleColorButtons({}, 11).borderTip, "Selects color 1 for the color blend button style");
    EXPECT_EQ(HandleColorButtons({}, 26).borderTip, "Selects base color for the button");
    EXPECT_EQ(HandleColorButtons({}, 27).backTip, "Selects base color for the buttons");
    EXPECT_EQ(HandleColorButtons({}, 27).borderTip, "");

    // A heading disables the four buttons and leaves everything else as it was.
    ColourButtonsState metallic = HideShowColorButtons({true}, 26);
    ColourButtonsState heading = HandleColorButtons(metallic, 10);
    metallic.enabled = {};
    EXPECT_EQ(heading, metallic);
}

TEST(ButtonOptionsPassword, TextsShowDefaultsAndComeBackOnOneLine)
{
    const PasswordTexts shown = PasswordTextsShown({"", "Mine", "", ""});
    EXPECT_EQ(shown, (PasswordTexts{"Enter password", "Mine", "Invalid password",
                                    "The password you entered is not correct. Try again."}));
    EXPECT_EQ(PasswordTextsTaken({"T\nx", "line one\nline two", "W", "a\r\nb\rc"}),
              (PasswordTexts{"T\nx", "line one line two", "W", "a b c"}));

    EXPECT_FALSE(TypedPasswordRefusal(std::string(199, 'p'), true));
    EXPECT_FALSE(TypedPasswordRefusal("", false));
    EXPECT_STREQ(TypedPasswordRefusal(std::string(200, 'p'), false)->title, "Password too long");
    EXPECT_STREQ(TypedPasswordRefusal("", true)->title, "Password is missing");
}

TEST(ButtonOptionsValuesTest, EntryFieldsKeepTheirEncodings)
{
    MenuProject project;
    MenuButton entry = ButtonWithMissingValues();
    entry.DeltaX = "";
    entry.CSF = "12";
    entry.BC1 = "abc";
    entry.BC2 = "255";
    entry.NoHG = "1";
    entry.ShowDialogBoxes = "";
    const ButtonOptionsValues v = ReadButtonOptionsValues(entry, project);
    EXPECT_EQ(v.deltaX, "0");
    EXPECT_EQ(v.copyOption, 1);
    EXPECT_EQ(v.colours[0], 0);
    EXPECT_EQ(v.colours[1], 255);
    EXPECT_TRUE(v.showDialogBoxes);

    MenuButton back;
    MenuProject gallery;
    ApplyButtonOptionsValues(v, back, gallery);
    EXPECT_EQ(back.BCUse, "");
    EXPECT_EQ(back.NoHG, "1");
    EXPECT_EQ(back.ShowDialogBoxes, "1");
    EXPECT_EQ(back.Hide, "0");
    EXPECT_EQ(back.CSF, "1");
    EXPECT_EQ(back.BC1, "0");
}

class ButtonOptionsOkTest : public test::HomeTest {
protected:
    MenuProject project;
    std::optional<ButtonOptionsOutcome> confirm(ButtonOptionsValues v, bool isNew, int row, PositionClicks clicks = {})
    {
        ButtonEditRequest request{project, project.Buttons.empty() ? MenuButton{} : project.Buttons[0], isNew, row};
        return ConfirmButtonOptions(v, request, clicks);
    }
};

TEST_F(ButtonOptionsOkTest, PasswordChecksRefuseInOrder)
{
    struct Case {
        std::string password;
        bool encrypt;
        int copyOption;
        const char* title;  // of the refusal; empty when accepted
    };
    const Case cases[] = {
        {"", false, 2, "Password is missing"},
        {"a b", true, 1, "Space characters not allowed"},
        {std::string(200, 'p'), false, 1, "Password too long"},
        {"secret", true, 1, "Information"},
        {"secret", true, 3, "Information"},
        {"secret", true, 2, ""},
        {"secret", false, 1, ""},
    };
    for (const Case& c : cases) {
        home.ui().clear();
        ButtonOptionsValues v;
        v.passwordProtect = true;
        v.password = c.password;
        v.passwordEncrypt = c.encrypt;
        v.copyOption = c.copyOption;
        const auto outcome = confirm(v, true, 1);
        EXPECT_EQ(outcome.has_value(), *c.title == 0) << c.password.substr(0, 8);
        std::vector<std::string> titles;
        for (const auto& m : home.ui().messages())
            titles.push_back(m.title);
        EXPECT_EQ(titles, *c.title ? std::vector<std::string>{c.title} : std::vector<std::string>{});
    }
}

TEST_F(ButtonOptionsOkTest, PositionQuestionsOnlyWhenOtherRowsDiffer)
{
    struct Case {
        std::vector<std::string> rowTypes;  // DeltaType of each row; "" a title row
        bool isNew;
        int type;
        PositionClicks clicks;
        int answer;
        const char* question;  // start of the question asked; empty when none
        bool applyToAll;
    };
    const Case cases[] = {
        {{"1"}, false, 5, {true, false}, platform::AnswerYes, "", false},               // the only entry
        {{"5", "1", "5"}, false, 5, {true, false}, platform::AnswerYes, "", false},     // others already 5
        {{"1", "1", ""}, false, 5, {true, false}, platform::AnswerYes, "Do you want to update", true},
        {{"1", "5", "5"}, false, 5, {true, false}, platform::AnswerNo, "Do you want to update", false},
        {{"1", "1"}, false, 5, {false, false}, platform::AnswerYes, "", false},          // not clicked
        {{"1", "1"}, true, 5, {true, false}, platform::AnswerYes, "", false},            // a new entry
        {{"1", "1"}, false, 4, {false, true}, platform::AnswerYes, "Do you want to use the same", true},
        {{"4", "1"}, false, 4, {false, true}, platform::AnswerYes, "", false},            // others already 4
    };
    for (const Case& c : cases) {
        home.ui().clear();
        project.Buttons.clear();
        for (const std::string& type : c.rowTypes) {
            MenuButton row = type.empty() ? MakeTitleRow("T") : ButtonWithMissingValues();
            if (!type.empty())
                row.DeltaType = type;
            project.Buttons.push_back(row);
        }
        if (*c.question)
            home.ui().answerNext(c.answer);
        ButtonOptionsValues v;
        v.deltaType = c.type;
        const auto outcome = confirm(v, c.isNew, 2 - (c.rowTypes.size() == 1), c.clicks);
        ASSERT_TRUE(outcome);
        const auto& shown = home.ui().messages();
        ASSERT_EQ(shown.size(), *c.question ? 1u : 0u) << c.rowTypes.size() << " rows, type " << c.type;
        if (*c.question) {
            EXPECT_EQ(shown[0].text.rfind(c.question, 0), 0u) << shown[0].text;
            EXPECT_EQ(shown[0].title, "Update All Buttons?");
        }
        EXPECT_EQ(outcome->applyPositionTypeToAll, c.applyToAll) << c.question;
        EXPECT_EQ(outcome->entry.DeltaType, std::to_string(c.type));
    }
}

class ButtonOptionsDialogTest : public test::HomeTest {
protected:
    void SetUp() override { test::ensureApplication(); }
};

TEST_F(ButtonOptionsDialogTest, TabsColoursPasswordAndOk)
{
    MenuProject project;
    project.ButtonStyle = 26;  // Metallic
    project.Buttons.assign(3, ButtonWithMissingValues());
    MenuButton entry = project.Buttons[1];
    entry.BCUse = "1";
    ButtonOptionsDialog dialog({project, entry, false, 2});
    dialog.show();

    QStringList captions;
    for (int n = 0; n < dialog.tabs()->count(); ++n)
        captions << dialog.tabs()->tabText(n);
    EXPECT_EQ(captions.join(","), "Sound,Position,Colors,After Button Click,At Menu Creation,Flash,Password,"
                                  "Administrator,Special,Picture Gallery");
    EXPECT_TRUE(test::namedChild<QPushButton>(dialog, "CmdBC3")->isEnabled());
    EXPECT_EQ(test::namedChild<QPushButton>(dialog, "CmdBC3")->text(), "Base color...");
    EXPECT_FALSE(test::namedChild<QPushButton>(dialog, "CmdBC4")->isEnabled());
    test::namedChild<QCheckBox>(dialog, "cBCUse")->click();
    EXPECT_FALSE(test::namedChild<QPushButton>(dialog, "CmdBC1")->isEnabled());

    // An encrypted button's password emptied by typing is refused when the field is left;
    // typing past the longest password is refused at once, and the text stays whole.
    auto* password = test::namedChild<QLineEdit>(dialog, "tPsw");
    auto* encrypt = test::namedChild<QCheckBox>(dialog, "cPswEncrypt");
    test::namedChild<QCheckBox>(dialog, "cPswProtect")->setChecked(true);
    encrypt->setChecked(true);
    test::typeText(password, "x");
    test::keyClick(password, Qt::Key_Backspace);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(password, &leave);
    encrypt->setChecked(false);
    test::typeText(password, QString(200, 'p'));
    EXPECT_EQ(password->text().size(), 199);
    std::vector<std::string> titles;
    for (const auto& m : home.ui().messages())
        titles.push_back(m.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Password is missing", "Password too long"}));

    // A chosen sound is kept in lower case, in the buttons' folder; its folder is remembered.
    home.ui().pickNextFile("E:\\Sounds\\Click.WAV");
    test::namedChild<QPushButton>(dialog, "CmdBrowseSound")->click();
    EXPECT_EQ(Options().LastSoundDir, "E:\\Sounds");

    auto* deltaX = test::namedChild<QLineEdit>(dialog, "tDeltaX");
    test::namedChild<QRadioButton>(dialog, "oPosition_5")->click();
    EXPECT_FALSE(deltaX->isEnabled());
    test::namedChild<QLineEdit>(dialog, "tPGWidth")->setText("abc");
    test::namedChild<QLineEdit>(dialog, "tPGHeight")->setText("300");
    home.ui().clear();
    home.ui().answerNext(platform::AnswerYes);
    dialog.accept();
    ASSERT_TRUE(dialog.outcome());
    EXPECT_EQ(home.ui().messages().size(), 1u) << "the position question";
    EXPECT_TRUE(dialog.outcome()->applyPositionTypeToAll);
    EXPECT_EQ(dialog.outcome()->entry.DeltaType, "5");
    EXPECT_EQ(dialog.outcome()->entry.BCUse, "");
    EXPECT_EQ(dialog.outcome()->entry.HoverSound, "e:\\sounds\\click.wav");
    EXPECT_EQ(dialog.outcome()->entry.HoverSoundFolder, "orvndata\\buttons");
    EXPECT_EQ(dialog.outcome()->gallery.PGWidth + "|" + dialog.outcome()->gallery.PHeight, "|");
}

TEST_F(ButtonOptionsDialogTest, GalleryMoreOptionsStartTheSliderAt150AndCheckOnOk)
{
    PictureGalleryMoreOptions o;
    o.onClick = 3;
    o.onClickExtension = ".jpg";
    o.pictureSizeManual = true;
    PictureGalleryOptionsDialog dialog(o);
    auto* height = test::namedChild<QLineEdit>(dialog, "tPictureHeight");
    EXPECT_TRUE(height->isEnabled());
    EXPECT_TRUE(test::namedChild<QLineEdit>(dialog, "tOnClickExtension")->isEnabled());

    int sliderStart = 0;
    test::whenModalOpens<PictureSizeDialog>([&](PictureSizeDialog* d) {
        sliderStart = d->slider()->value();
        d->slider()->setValue(5);
        d->accept();
    });
    test::namedChild<QPushButton>(dialog, "CmdChangeSize")->click();
    EXPECT_EQ(sliderStart, 150);
    EXPECT_EQ(height->text(), "15");

    height->setText("301");
    dialog.accept();
    EXPECT_EQ(dialog.values().pictureSizeHeight, "300");
    EXPECT_EQ(dialog.values().onClickExtension, "jpg");
}

TEST_F(ButtonOptionsDialogTest, LauncherOpensTheOptionsAndTheActiveFrameAsOneStep)
{
    ProjectDocument document;
    DialogLauncher dialogs;
    RegisterProjectDialogs(dialogs, document);
    ASSERT_TRUE(dialogs.buttonOptionsEditor());
    ASSERT_TRUE(dialogs.hasOpener(ProjectDialog::ActiveFrame));

    test::whenModalOpens<ActiveFrameDialog>([](ActiveFrameDialog* d) {
        auto* colour = d->findChild<ColourButton*>("CmdFrameColor");
        d->findChild<QCheckBox*>("cUseActiveFrame")->setChecked(false);
        EXPECT_FALSE(colour->isEnabled());
        d->accept();
    });
    EXPECT_TRUE(dialogs.open(ProjectDialog::ActiveFrame, nullptr));
    EXPECT_EQ(document.project().UseActiveButtonFrame, 0);
    EXPECT_EQ(document.undoStack().count(), 1);
}

}  // namespace
}  // namespace orv::editor
