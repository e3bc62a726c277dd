// New projects from the basic styles: every family and layout against the catalogue as
// spelled in tests/data/golden/basic_styles.txt, and the rules around the dialogs' choices
// and the sample buttons.
#include "templates/basic_styles.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "model/button_list.h"
#include "model/editor_options.h"
#include "model/session_state.h"
#include "model/sibling_products.h"
#include "support/test_home.h"
#include "templates/basic_style_catalogue.h"

namespace orv {
namespace {

const std::string Program = "P";  // the editor's folder, as the sample paths start

std::string rgb(Colour c)
{
    return std::to_string(c & 0xFF) + "," + std::to_string(c >> 8 & 0xFF) + "," + std::to_string(c >> 16 & 0xFF);
}

std::string describe(const MenuProject& p)
{
    const auto file = [](const std::string& path, const std::string& folder) {
        return path.empty() ? std::string("-") : path + " " + folder;
    };
    std::ostringstream s;
    s << "back " << rgb(p.BackColor) << " " << rgb(p.BackColor2) << " tone " << p.ToneDirection << " | title "
      << rgb(p.TitleForeColor) << " " << p.TitleFontName << (p.TitleFontItalic ? " italic" : "") << " | underline "
      << p.UnderlineType << " " << rgb(p.UnderlineColor1) << " " << rgb(p.UnderlineColor2) << " shadow "
      << p.TitleShadow << " | align " << p.ButtonAlignment << " style " << p.ButtonStyle << " " << p.ButtonFontName << " "
      << p.ButtonFontSize << (p.ButtonFontBold ? " bold" : "") << (p.ButtonFontItalic ? " italic" : "") << " | colours "
      << rgb(p.ButtonForeColor) << " " << rgb(p.ButtonFrameColor) << " " << rgb(p.ButtonBackColor) << " | surface "
      << p.ButtonUseLightEffect * p.ButtonRoundedSurface << " | width " << p.ButtonWidth << " active "
      << rgb(p.ActiveButtonFrameColor) << " | picture " << file(p.MenuPictureSrc, p.MenuPicture_CDFolder)
      << " | background " << file(p.BackgroundPictureSrc, p.BackgroundPicture_CDFolder) << " | window " << p.Width
      << "x" << p.Height;
    return s.str();
}

class BasicStylesTest : public test::HomeTest {
protected:
    MenuProject create(std::int16_t type = ProjectTypeCD)
    {
        MenuProject p;
        CreateProjectFromBasicStyle(p, type, Program);
        return p;
    }
    std::vector<std::string> texts(const MenuProject& p)
    {
        std::vector<std::string> t;
        for (const MenuButton& b : p.Buttons)
            t.push_back(b.Text + "/" + b.Cmd);
        return t;
    }
};

// Buttons on the right, the title on the left and underlined, no sample buttons.
TEST_F(BasicStylesTest, EveryFamilyAndLayoutGivesTheCataloguesValues)
{
    std::ifstream golden(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/basic_styles.txt");
    std::string line;
    int rows = 0;
    while (std::getline(golden, line)) {
        const std::string name = line.substr(0, line.find(':'));
        const auto blank = name.rfind(' ');
        int family = 0;
        for (int f = 1; f <= BasicStyleFamilies; ++f)
            if (name.substr(0, blank) == (f == StyleWhite1 ? "White1" : f == StyleWhite2 ? "White2" : BasicStyleFamilyName(f)))
                family = f;
        const auto layout = static_cast<std::int16_t>(std::stoi(name.substr(blank + 1)));
        ResetSession();
        ASSERT_TRUE(TakeStyleChoice(static_cast<std::int16_t>(family), layout, true)) << name;
        TakePlacementChoice(3, 1, true, false, true);
        EXPECT_EQ(name + ": " + describe(create()), line);
        ++rows;
    }
    EXPECT_EQ(rows, 54);
}

TEST_F(BasicStylesTest, EmptyProjectsAndTheChoicesOfTheDialogs)
{
    // Without the chooser and without sample buttons: no style, no buttons.
    Options().Add3Buttons_WhenNewProject = false;
    ChooseEmptyProject();
    MenuProject empty = create();
    MenuProject fresh;
    ResetParameters(fresh);
    EXPECT_EQ(describe(empty), describe(fresh));
    EXPECT_TRUE(empty.Buttons.empty());
    EXPECT_EQ(CurrentNewProjectChoices().color, StyleBlue);  // the dialog offers Blue 2 next
    EXPECT_EQ(CurrentNewProjectChoices().layout, 2);

    // "Empty project (with buttons)" skips the placement dialog and turns both samples on.
    EXPECT_FALSE(TakeStyleChoice(StyleWhite2, 7, false));
    EXPECT_TRUE(Options().Add3Buttons_WhenNewProject && Options().AddSampleMenuPicture_WhenNewProject);
    EXPECT_EQ(texts(create()), (std::vector<std::string>{"Button 1/Run Program", "Button 2/Show Document", "Exit/Exit"}));

    // Double columns become right before the placement dialog, except for the White2
    // layouts made for two columns; the dialog always starts with both samples checked.
    Session().newProject.placement = 4;
    Options().AddSampleMenuPicture_WhenNewProject = false;
    EXPECT_TRUE(TakeStyleChoice(StyleRed, 3, true));
    EXPECT_EQ(CurrentNewProjectChoices().placement, 3);
    EXPECT_TRUE(CurrentNewProjectChoices().addPicture);
    EXPECT_TRUE(TakeStyleChoice(StyleWhite2, 4, true));
    EXPECT_EQ(CurrentNewProjectChoices().placement, 4);
}

TEST_F(BasicStylesTest, SampleButtonsAndPicturesByPlacementAndProjectType)
{
    TakeStyleChoice(StyleGreen, 2, true);
    TakePlacementChoice(4, 3, false, true, true);
    MenuProject columns = create();
    EXPECT_EQ(texts(columns), (std::vector<std::string>{"Button 1/Run Program", "Button 2/Run Program",
                                                        "Button 3/Run Program", "Button 4/Show Document",
                                                        "Button 5/Show Document", "Exit/Exit"}));
    EXPECT_TRUE(columns.MenuPictureSrc.empty());  // no free side for it
    EXPECT_EQ(columns.TitleAlignment, 3);
    EXPECT_EQ(columns.UnderlineType, 0);

    // A USB project with the sibling product: the StickGuard button before Exit.
    Siblings().PortavoInstalled = true;
    MenuProject usb = create(ProjectTypeUSB);
    EXPECT_EQ(usb.AppIconIndex, 2);
    EXPECT_TRUE(usb.CoOperateWithPortavoLink);
    EXPECT_EQ(texts(usb), (std::vector<std::string>{"Button 1/Run Program", "Button 2/Run Program",
                                                    "Button 3/Run Program", "Button 4/Run Program",
                                                    "Activate AutoRun/Install StickGuard", "Exit/Exit"}));
    Siblings() = SiblingProducts{};

    // "Windows 8 style": placement left, no picture, six picture buttons at the next free place.
    TakeStyleChoice(StyleWhite2, 6, true);
    TakePlacementChoice(2, 1, true, true, true);
    const MenuProject metro = create();
    ASSERT_EQ(metro.Buttons.size(), 6u);
    EXPECT_EQ(metro.ButtonAlignment, 1);
    EXPECT_EQ(metro.Buttons[5].Bmp, "P\\templates\\objects\\metroicon-uninstall.bmp");
    EXPECT_EQ(metro.Buttons[5].Tip, "Exit");
    EXPECT_EQ(metro.Buttons[0].DeltaType + metro.Buttons[0].UseBmpSize + metro.Buttons[0].BmpFolder, "41orvndata\\buttons");
}

}  // namespace
}  // namespace orv
