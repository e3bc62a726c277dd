// The tabs' field checks and enabling rules, driven without widgets.
#include <gtest/gtest.h>

#include "editor/rules/enabling_rules.h"
#include "editor/rules/field_rules.h"

namespace orv::editor {
namespace {

TEST(NumericFieldTest, BadInputIsCorrectedSilentlyAndBoundsFollowTheMenuWindow)
{
    const std::string digits(10000, '9');
    const struct {
        const char* text;
        NumericField field;
        const char* width;  // of the menu window
        const char* height;
        std::string kept;
    } cases[] = {
        {"5000", NumericField::MainWidth, "500", "400", "1280"},
        {"", NumericField::MainWidth, "500", "400", "200"},  // empty becomes the lower bound
        {"99", NumericField::MainHeight, "500", "400", "100"},
        {"1025", NumericField::MainHeight, "500", "400", "1024"},
        {"abc", NumericField::MainWidth, "500", "400", "200"},  // letters count as 0
        {"  700px", NumericField::MainWidth, "500", "400", "700"},  // the leading number counts
        {digits.c_str(), NumericField::MainWidth, "500", "400", "1280"},  // a pasted run of digits
        {"-9999999999999", NumericField::MovieXOffset, "500", "400", "-1000"},
        {"+12", NumericField::ButtonHeight, "500", "400", "12"},
        {"", NumericField::TitleCharInterSpace, "500", "400", "0"},  // 0 where 0 is in the range
        {"900", NumericField::ButtonWidth, "640", "480", "640"},
        {"5", NumericField::ButtonWidth, "640", "480", "20"},
        {"700", NumericField::MenuPictureWidth, "640", "480", "640"},
        {"500", NumericField::MenuPictureHeight, "640", "480", "480"},
        // A damaged window size still gives a usable range: it is read clamped.
        {"900", NumericField::ButtonWidth, "", "480", "200"},
        {"1500", NumericField::ButtonWidth, "99999", "480", "1280"},
        // An empty blend depth stays empty: the file reads it as 100.
        {"", NumericField::BlendDepth, "500", "400", ""},
        {"0", NumericField::BlendDepth, "500", "400", "1"},
    };
    for (const auto& c : cases) {
        MenuProject project;
        project.Width = c.width;
        project.Height = c.height;
        EXPECT_EQ(CorrectNumericField(c.field, c.text, project), c.kept) << std::string(c.text).substr(0, 20);
    }
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
