// The effect and option dialogs: their corrections and the choices that set other controls,
// the font chooser keeping a family that is not installed, and OK, Cancel and Test through
// real dialogs.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editor/dialogs/dialog_openers.h"
#include "editor/dialogs/effects/button_effects_dialogs.h"
#include "editor/dialogs/effects/movie_options_dialog.h"
#include "editor/dialogs/effects/picture_option_dialogs.h"
#include "editor/dialogs/effects/title_effect_dialogs.h"
#include "editor/dialogs/effects/window_dialogs.h"
#include "editor/project_document.h"
#include "editor/rules/effect_rules.h"
#include "editor/tabs/dialog_launcher.h"
#include "platform/user_interface.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

TEST(EffectRules, FieldsAreCorrectedToTheirDefaultsAndRanges)
{
    struct Case {
        std::string corrected, expected;
    };
    const Case cases[] = {
        {CorrectHorizLinesWidth("300", 220), "218"},
        {CorrectHorizLinesWidth("219", 220), "218"},
        {CorrectHorizLinesWidth("218", 220), "218"},
        {CorrectHorizLinesWidth("0", 220), "80"},
        {CorrectHorizLinesWidth("8O", 220), "80"},
        {CorrectHorizLinesWidth("", 50), "48"},  // the default is still bounded by the button
        {CorrectUnderlineHeight("5", UnderlineMisty), "10"},
        {CorrectUnderlineHeight("5", UnderlineSimple), "5"},
        {CorrectUnderlineHeight("60", UnderlineMisty), "50"},
        {CorrectUnderlineHeight("60", UnderlineSimple), "50"},
        {CorrectUnderlineHeight(" ", UnderlineBlend), "3"},
        {CorrectTitleLinesAdjust("-21"), "-20"},
        {CorrectTitleLinesAdjust("31"), "30"},
        {CorrectTitleLinesAdjust("1.5"), "0"},
        {CorrectSubTitleCharInterSpace("-11"), "-10"},
        {CorrectSubTitleCharInterSpace("99999999999"), "100"},
        {CorrectSubTitleCharInterSpace("x"), "0"},
        {std::to_string(CorrectBackPicturePosition("2500")), "0"},
        {std::to_string(CorrectBackPicturePosition("2000")), "2000"},
        {std::to_string(CorrectBackPicturePosition("-1")), "0"},
        {CorrectLogotypeSize("401", 400), "100"},
        {CorrectLogotypeSize("400", 400), "400"},
        {CorrectLogotypeSize("0", 400), "100"},
        {CorrectLogotypeSize("", 400), "100"},
    };
    for (size_t n = 0; n < std::size(cases); ++n)
        EXPECT_EQ(cases[n].corrected, cases[n].expected) << "case " << n;
}

TEST(EffectRules, ChoicesSetTheirControls)
{
    // Button style list position -> dialog.
    const std::pair<int, ButtonEffectsKind> styles[] = {
        {13, ButtonEffectsKind::Shadow}, {14, ButtonEffectsKind::Light},   {21, ButtonEffectsKind::Light},
        {22, ButtonEffectsKind::Shadow}, {24, ButtonEffectsKind::Light},   {25, ButtonEffectsKind::Light},
        {26, ButtonEffectsKind::Plastic}, {27, ButtonEffectsKind::Shadow},
    };
    for (const auto& [index, kind] : styles)
        EXPECT_EQ(ButtonEffectsKindFor(index), kind) << index;

    EXPECT_EQ(AdjustedHorizLinesWidth(221), 111);
    EXPECT_EQ(AdjustedHorizLinesWidth(220), 110);
    EXPECT_EQ(TransparencyCaption(45), "Transparency: 45%");
    EXPECT_EQ(UnderlineOptionFor(4), UnderlineNone);
    EXPECT_EQ(UnderlineOptionFor(UnderlineBlend), UnderlineBlend);
    EXPECT_EQ(UnderlineHeightForType(UnderlineMisty), 10);
    EXPECT_EQ(UnderlineHeightForType(UnderlineBlend), 3);
    EXPECT_EQ(UnderlineHeightForType(UnderlineSimple), std::nullopt);
    EXPECT_EQ(GlassColourListIndex(0), 0);
    EXPECT_EQ(GlassColourListIndex(5), 4);
    EXPECT_EQ(WithoutLeadingBackslash("\\\\Software\\Firm"), "\\Software\\Firm");
    EXPECT_TRUE(ShowsLogotypeSizeButton("Z:\\logos\\FIRM.WMF"));
    EXPECT_FALSE(ShowsLogotypeSizeButton("Z:\\logos\\firm.bmp"));

    const BackPicturePlacement all{true, true, true, false};
    EXPECT_EQ(ChooseBackPicture(all, BackPictureChoice::Stretch), (BackPicturePlacement{false, true, false, false}));
    EXPECT_EQ(ChooseBackPicture(all, BackPictureChoice::UserCoordinates),
              (BackPicturePlacement{false, false, false, true}));

    MenuProject project;
    project.DrawTitleBkgLines = 1;
    project.DrawTitleMetalPlate = 1;  // a damaged file's two effects
    ApplyTitleEffect(project, TitleEffect::MetalPlate, RgbColour(1, 2, 3), -7);
    EXPECT_EQ(project.DrawTitleBkgLines, 0);
    EXPECT_EQ(project.DrawTitleMetalPlate, 1);
    EXPECT_EQ(project.TitleBkgLinesColor, RgbColour(1, 2, 3));
    EXPECT_EQ(project.TitleBkgLinesAdjust, -7);
}

TEST(FontChoiceResolution, AFamilyThatIsNotInstalledKeepsItsNameAndStyleUnlessChanged)
{
    using platform::FontChoice;
    const FontChoice stored{"Times New Roman", 12, true, true};
    const FontChoice standIn{"Sans Serif", 12, false, false};  // what the chooser showed
    struct Case {
        FontChoice shown, chosen, expected;
    };
    const Case cases[] = {
        {standIn, {"Sans Serif", 14, false, false}, {"Times New Roman", 14, true, true}},
        {standIn, {"sans serif", 12, true, false}, {"Times New Roman", 12, true, false}},  // style changed
        {standIn, {"DejaVu Serif", 12, false, false}, {"DejaVu Serif", 12, false, false}},
        {{"Times New Roman", 12, true, true}, {"Times New Roman", 12, false, false},
         {"Times New Roman", 12, false, false}},  // installed: the answer as it is
    };
    for (const Case& c : cases) {
        const FontChoice got = platform::ResolveFontChoice(stored, c.shown, c.chosen);
        EXPECT_EQ(got.name, c.expected.name) << c.chosen.name;
        EXPECT_EQ(got.size, c.expected.size) << c.chosen.name;
        EXPECT_EQ(got.bold, c.expected.bold) << c.chosen.name;
        EXPECT_EQ(got.italic, c.expected.italic) << c.chosen.name;
    }
}

class EffectDialogTest : public test::HomeTest {
protected:
    void SetUp() override
    {
        test::ensureApplication();
        RegisterProjectDialogs(launcher, document);
        launcher.setTestRunner([this](const MenuProject& p) { tested.push_back(p); });
    }

    ProjectDocument document;
    DialogLauncher launcher;
    std::vector<MenuProject> tested;
};

// Every dialog shows what the project holds and, confirmed unchanged, writes the same back.
TEST_F(EffectDialogTest, EveryDialogWritesBackWhatItShowed)
{
    MenuProject p;
    p.ButtonShadowSize = 3, p.ButtonShadowIntensity = 9, p.ButtonUseShadowEffect = 1;
    p.ButtonGlasTransparency = 2, p.ButtonUseGlasEffect = 1, p.ButtonGlasColorIndex = 5;
    p.ButtonUseHorizEffectLines = 1, p.ButtonHorizEffectLinesWidth = "100";
    p.ButtonUseLightEffect = 1, p.ButtonRoundedSurface = 1;
    p.UnderlineType = UnderlineMisty, p.UnderlineColor1 = 0x123456, p.UnderlineColor2 = 0x654321;
    p.UnderlineHeight = 12, p.UnderlineTextOnly = 0;
    p.DrawTitleMetalPlate = 1, p.TitleBkgLinesColor = 0x010203, p.TitleBkgLinesAdjust = -5;
    p.UseWinEffects = 1, p.WinFadingSpeed = 1, p.WinTransparencyLevel = 70;
    p.SubTitleText = "Sub", p.SubTitleFontName = "Courier New", p.SubTitleFontSize = 9;
    p.SubTitleFontItalic = true, p.SubTitleColor = 0x0a0b0c, p.SubTitleCharInterSpace = -3;
    p.Registry_HKEY = "HKEY_USERS", p.Registry_UseHKCUInVista = false;
    p.Registry_SubKey = "Software\\Firm", p.Registry_ValueName = "Done", p.Registry_Value = "1";
    p.PlaceBackPictureBehindTitle = 1, p.BkPic_UseUserCoordinates = 1, p.BkPic_UserPosX = 40, p.BkPic_UserPosY = 7;
    p.DrawTransparentLogotype = true, p.TransparentColorI = true, p.LogotypeURL = "https://example.com";
    p.LogotypeTipText = "Tip", p.LogotypeWMFWidth = "120", p.LogotypeWMFHeight = "90";
    p.MovieWinUseUserBkgColor = 1, p.MovieWinBackColor = 0x111111, p.MovieWinTitle = "Film";
    p.MovieWinUseCloseButton = 1, p.MovieWinCloseCrossLineColor = 0x222222;
    p.MovieWinCloseCrossBkgColor = 0x333333, p.MovieWinUseGrayStdButton = 1;

    std::vector<std::unique_ptr<EffectDialog>> dialogs;
    dialogs.push_back(std::make_unique<DlgButEffects>(p));
    dialogs.push_back(std::make_unique<DlgButEffects2>(p));
    dialogs.push_back(std::make_unique<DlgButEffects3>(p));
    dialogs.push_back(std::make_unique<DlgUnderline>(p));
    dialogs.push_back(std::make_unique<DlgTitleEffects>(p));
    dialogs.push_back(std::make_unique<DlgWinEffects>(p));
    dialogs.push_back(std::make_unique<SubTitle>(p));
    dialogs.push_back(std::make_unique<DlgTab1Adv>(p));
    dialogs.push_back(std::make_unique<DlgBackPictureOptions>(p));
    dialogs.push_back(std::make_unique<DlgLogotypeOptions>(p));
    dialogs.push_back(std::make_unique<DlgMovieMoreOptions>(p));
    for (const auto& dialog : dialogs) {
        EXPECT_EQ(dialog->withValues(p), p) << dialog->objectName().toStdString();
        EXPECT_NE(dialog->withValues(MenuProject()), MenuProject()) << dialog->objectName().toStdString();
    }
}

TEST_F(EffectDialogTest, OkMakesOneStepAndCancelNone)
{
    test::whenModalOpens<DlgUnderline>([](DlgUnderline* dialog) {
        test::namedChild<QRadioButton>(*dialog, "oMistyUnderline")->click();
        auto* height = test::namedChild<QLineEdit>(*dialog, "tUnderlineHeight");
        EXPECT_EQ(height->text(), "10");
        height->setText("60");
        emit height->editingFinished();
        EXPECT_EQ(height->text(), "50");
        dialog->accept();
    });
    EXPECT_TRUE(launcher.open(ProjectDialog::Underline, nullptr));
    EXPECT_EQ(document.project().UnderlineType, UnderlineMisty);
    EXPECT_EQ(document.project().UnderlineHeight, 50);
    EXPECT_EQ(document.undoStack().count(), 1);
    document.undoStack().undo();
    EXPECT_EQ(document.project().UnderlineType, MenuProject().UnderlineType);

    test::whenModalOpens<DlgUnderline>([](DlgUnderline* dialog) {
        test::namedChild<QRadioButton>(*dialog, "oBlendUnderline")->click();
        dialog->reject();
    });
    EXPECT_FALSE(launcher.open(ProjectDialog::Underline, nullptr));
    EXPECT_EQ(document.project(), MenuProject());
    EXPECT_EQ(document.undoStack().index(), 0);
}

TEST_F(EffectDialogTest, TestRunsACopyWithTheDialogsValuesAndLeavesTheProject)
{
    test::whenModalOpens<DlgWinEffects>([](DlgWinEffects* dialog) {
        test::namedChild<QSlider>(*dialog, "SliderTransparencyLevel")->setValue(45);
        EXPECT_EQ(test::namedChild<QLabel>(*dialog, "sTransparency")->text(), "Transparency: 45%");
        dialog->testButton()->click();
        dialog->reject();
    });
    launcher.open(ProjectDialog::WindowEffects, nullptr);
    ASSERT_EQ(tested.size(), 1u);
    EXPECT_EQ(tested[0].WinTransparencyLevel, 45);
    EXPECT_EQ(document.project(), MenuProject());
    EXPECT_EQ(document.undoStack().count(), 0);
}

TEST_F(EffectDialogTest, ButtonEffectsOpenTheDialogOfTheStyle)
{
    const std::pair<int, const char*> styles[] = {{4, "DlgButEffects"}, {15, "DlgButEffects2"}, {27, "DlgButEffects3"}};
    for (const auto& [style, name] : styles) {
        document.edit(QString("style"), [style](MenuProject& p) { p.ButtonStyle = static_cast<std::int16_t>(style); });
        QString opened;
        test::whenModalOpens<QDialog>([&opened](QDialog* dialog) {
            opened = dialog->objectName();
            dialog->reject();
        });
        launcher.open(ProjectDialog::ButtonEffects, nullptr);
        EXPECT_EQ(opened, name) << style;
    }
}

}  // namespace
}  // namespace orv::editor
