// The tabs' field checks and enabling rules, driven without widgets.
#include <gtest/gtest.h>

#include "editor/rules/enabling_rules.h"
#include "editor/rules/field_rules.h"
#include "support/test_home.h"

namespace orv::editor {
namespace {

std::string clamp(const std::string& text, NumericField field, const MenuProject& project = MenuProject{})
{
    return ClampNumericText(text, RangeOf(field, project));
}

TEST(NumericFieldTest, WindowSizeAndBadInputAreCorrectedSilently)
{
    EXPECT_EQ(clamp("5000", NumericField::MainWidth), "1280");
    EXPECT_EQ(clamp("", NumericField::MainWidth), "200") << "empty becomes the lower bound";
    EXPECT_EQ(clamp("99", NumericField::MainHeight), "100");
    EXPECT_EQ(clamp("1025", NumericField::MainHeight), "1024");
    EXPECT_EQ(clamp("abc", NumericField::MainWidth), "200") << "letters count as 0";
    EXPECT_EQ(clamp("  700px", NumericField::MainWidth), "700") << "the leading number counts";
    EXPECT_EQ(clamp(std::string(10000, '9'), NumericField::MainWidth), "1280") << "a pasted run of digits";
    EXPECT_EQ(clamp("-" + std::string(40, '9'), NumericField::MovieXOffset), "-1000");
    EXPECT_EQ(clamp("+12", NumericField::ButtonHeight), "12");
    EXPECT_EQ(clamp("", NumericField::TitleCharInterSpace), "0") << "empty is 0 where 0 is in the range";
}

TEST(NumericFieldTest, BoundsThatFollowTheMenuWindow)
{
    MenuProject project;
    project.Width = "640";
    project.Height = "480";
    EXPECT_EQ(clamp("900", NumericField::ButtonWidth, project), "640");
    EXPECT_EQ(clamp("5", NumericField::ButtonWidth, project), "20");
    EXPECT_EQ(clamp("700", NumericField::MenuPictureWidth, project), "640");
    EXPECT_EQ(clamp("500", NumericField::MenuPictureHeight, project), "480");

    // A damaged window size still gives a usable range: it is read clamped.
    project.Width = "";
    EXPECT_EQ(clamp("900", NumericField::ButtonWidth, project), "200");
    project.Width = "99999";
    EXPECT_EQ(clamp("1500", NumericField::ButtonWidth, project), "1280");
}

TEST(NumericFieldTest, CharacterSpacingStepsStayInRange)
{
    EXPECT_EQ(StepCharInterSpace("", 1), "1");
    EXPECT_EQ(StepCharInterSpace("", -1), "-1");
    EXPECT_EQ(StepCharInterSpace("100", 1), "100");
    EXPECT_EQ(StepCharInterSpace("-10", -1), "-10");
    EXPECT_EQ(StepCharInterSpace("500", -1), "100") << "an out-of-range value comes back into range";
}

TEST(FolderFieldTest, DrivePrefixGoesAndFileNamesDependOnTheKind)
{
    struct Case {
        const char* typed;
        FolderKind kind;
        const char* kept;
        bool looksLikeFile;
    };
    for (const Case& c : {Case{"C:\\pictures\\back.jpg", FolderKind::Background, "\\pictures\\back.jpg", true},
                          Case{"E:\\", FolderKind::Background, "", false},
                          Case{"orvndata\\pictures", FolderKind::Background, "orvndata\\pictures", false},
                          Case{"logo.wmf", FolderKind::Background, "logo.wmf", false},
                          Case{"logo.WMF", FolderKind::Logotype, "logo.WMF", true},
                          Case{"pic.bmp", FolderKind::MenuPicture, "pic.bmp", true},
                          Case{"music.mid", FolderKind::BackgroundSound, "music.mid", true},
                          Case{"click.wav", FolderKind::ButtonSound, "click.wav", true},
                          Case{"click.mp3", FolderKind::ButtonSound, "click.mp3", false},
                          Case{"movie.jpg", FolderKind::Other, "movie.jpg", false}}) {
        const FolderCheck check = CheckFolderField(c.typed, c.kind);
        EXPECT_EQ(check.text, c.kept) << c.typed;
        EXPECT_EQ(check.looksLikeFile, c.looksLikeFile) << c.typed;
    }
}

class FolderWarningTest : public test::HomeTest {};

TEST_F(FolderWarningTest, TheWarningIsShownAndTheTextKeptAsTyped)
{
    EXPECT_EQ(CheckFolderFieldAndWarn("D:\\Menu\\Back.JPG", FolderKind::Background), "\\Menu\\Back.JPG");
    ASSERT_EQ(home.ui().messages().size(), 1u);
    EXPECT_EQ(home.ui().messages()[0].text,
              "The contents in 'Folder' seems to be a filename! You must specify a valid folder in the "
              "'Folder' field.");
    EXPECT_EQ(home.ui().messages()[0].title, "Wrong Contents");
    EXPECT_EQ(home.ui().messages()[0].style, 48);

    EXPECT_EQ(CheckFolderFieldAndWarn("orvndata", FolderKind::Background), "orvndata");
    EXPECT_EQ(home.ui().messages().size(), 1u) << "a plain folder gives no message";
}

TEST(CaptionOptionsTest, NoCaptionClearsAndDisablesMinimize)
{
    // The minimize button was checked when the caption went off: it checked the border
    // first, then it is cleared itself.
    CaptionOptions o = ClickCaptionOption(false, true, false);
    EXPECT_FALSE(o.minimize);
    EXPECT_FALSE(o.minimizeEnabled);
    EXPECT_TRUE(o.border);
    EXPECT_FALSE(o.borderEnabled);

    o = ClickCaptionOption(false, false, false);
    EXPECT_FALSE(o.border);
    EXPECT_TRUE(o.borderEnabled);
    EXPECT_FALSE(o.minimizeEnabled);

    // Shown for a loaded project: the enabling follows, the values stay.
    CaptionOptions shown = CaptionOptionsShown(false, true, false);
    EXPECT_TRUE(shown.minimize);
    EXPECT_FALSE(shown.minimizeEnabled);
    EXPECT_FALSE(shown.borderEnabled);
}

TEST(ButtonStyleListTest, HeadingsAreNeverLeftSelected)
{
    const std::vector<std::string> entries = ButtonStyleListEntries();
    ASSERT_EQ(entries.size(), 28u);
    for (int heading : {0, 9, 23}) {
        EXPECT_EQ(entries[heading].front(), '-') << heading;
        EXPECT_EQ(AssureItsAStyle(heading), heading + 1);
    }
    EXPECT_EQ(AssureItsAStyle(5), 5);
    EXPECT_EQ(AssureItsAStyle(-1), StyleListIndex(3)) << "no selection falls back to the default style";
    EXPECT_EQ(AssureItsAStyle(28), StyleListIndex(3));
}

TEST(ButtonColourTest, FromWindowsButtonOnTheFrameKeepsItsColour)
{
    MenuProject project;
    project.ButtonStyle = 5;  // "Windows Button", list index 4
    const Colour frame = project.ButtonFrameColor;
    ChooseButtonTextColour(project, RgbColour(10, 20, 30));
    EXPECT_TRUE(project.SeparateFrameAndCharColor);
    EXPECT_EQ(project.ButtonFrameColor, frame);

    project = MenuProject{};
    project.ButtonStyle = 4;  // "Solid Rectangle", list index 3
    ChooseButtonTextColour(project, RgbColour(10, 20, 30));
    EXPECT_FALSE(project.SeparateFrameAndCharColor);
    EXPECT_EQ(project.ButtonForeColor, RgbColour(10, 20, 30));
    EXPECT_EQ(project.ButtonFrameColor, RgbColour(10, 20, 30));

    project.SeparateFrameAndCharColor = true;  // once separate, the frame keeps its colour
    ChooseButtonTextColour(project, RgbColour(9, 9, 9));
    EXPECT_EQ(project.ButtonFrameColor, RgbColour(10, 20, 30));
}

TEST(MenuPictureSizeTest, EnabledForStretchedPicturesAndMetafiles)
{
    MenuProject project;
    EXPECT_FALSE(MenuPictureSizeEnabled(project));
    project.MenuPictureSrc = "C:\\pics\\photo.jpg";
    EXPECT_FALSE(MenuPictureSizeEnabled(project));
    project.StretchMenuPicture = 1;
    EXPECT_TRUE(MenuPictureSizeEnabled(project));
    project.StretchMenuPicture = 0;
    project.MenuPictureSrc = "C:\\pics\\DRAWING.WMF";
    EXPECT_TRUE(MenuPictureSizeEnabled(project));
}

}  // namespace
}  // namespace orv::editor
