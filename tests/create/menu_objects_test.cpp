// Pictures, sounds, the movie, button pictures, fonts, the icon and AUTORUN.INF.
#include <gmock/gmock.h>

#include "create/autorun.h"
#include "create/create_menu.h"
#include "create/preflight.h"
#include "create_fixture.h"
#include "model/profile.h"
#include "platform/fonts.h"
#include "platform/services.h"

namespace orv::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::_;

class MenuObjectsTest : public CreateTest {};

TEST_F(MenuObjectsTest, ObjectsAreCopiedAndReportedInOrder)
{
    project.BackgroundPictureSrc = source("b.png");
    project.BackgroundPicture_CDFolder = "\xC2\xA4\\pics";  // every marker form means the same folder
    project.MenuPictureSrc = source("m.png");
    project.MenuPicture_CDFolder = "*\\pics";
    project.LogotypePictureSrc = home.win("MENU/PICS/LOGO.PNG");  // already at its target: not reported
    project.LogotypePicture_CDFolder = "pics";
    home.writeFile("menu/pics/logo.png", "in place");
    project.ButtonSoundSrc = source("click.wav");
    project.ButtonSound_CDFolder = "\xC2\xA4sounds";
    project.MenuMovieFilename = source("intro.avi");
    project.MenuMovie_CDFolder = "movie";
    MenuButton button = LinkedButton("B", "Exit", "", "", "1");
    button.HoverSound = source("hover.wav");
    button.HoverSoundFolder = "sounds\\hover";
    project.Buttons.push_back(button);
    ASSERT_TRUE(create());
    EXPECT_THAT(observer.reports[0].lines,
                ElementsAre(_, _, _, _, "", "Following pictures have been copied:", "  " + dest() + "\\pics\\b.png",
                            "  " + dest() + "\\pics\\m.png", "", "Following sound files have been copied:",
                            "  " + dest() + "\\sounds\\click.wav", "  All hoover button sound files", "",
                            "The movie INTRO.AVI was copied to specified folder"));
    EXPECT_EQ(read("pics/logo.png"), "in place");
    EXPECT_TRUE(exists("sounds/hover/hover.wav"));
    EXPECT_TRUE(exists("movie/intro.avi"));

    // Nothing is copied when the dialog says so.
    std::filesystem::remove_all(out(""));
    ASSERT_TRUE(create([](CreateDialogState& d) { d.copyObjects = false; }));
    EXPECT_FALSE(exists("movie"));
    EXPECT_EQ(observer.reports[1].lines.size(), 4u);
}

TEST_F(MenuObjectsTest, ObjectCopyFailuresNameTheFileOrFolder)
{
    std::filesystem::create_directories(home.path("src"));
    const struct {
        std::string source;
        std::string message;
    } cases[] = {
        {home.win("src/missing.wav"), "Can't find the file 'missing.wav' at specified path! Can't create the menu!"},
        {home.win("gone/missing.wav"),
         "Can't copy the file 'missing.wav'! The source folder '" + home.win("gone") + "' doesn't exists!"},
        {"song.wav", "Can't copy the file 'song.wav'! Source folder is missing!"},
        {source("here.wav"),
         "Can't copy the file 'here.wav'! The destination folder '" + dest() + "\\sounds' doesn't exists!"},
    };
    home.writeFile("menu/sounds", "a file where the folder should be");
    project.BackgroundSound_CDFolder = "sounds";
    for (const auto& c : cases) {
        project.BackgroundSoundSrc = c.source;
        EXPECT_FALSE(create()) << c.source;
        expectMessage(c.message, "Error (Picture/Sound)");
    }
}

// The creation stops at a folder value that leads out, before anything is copied there; the
// check names it the same way.
TEST_F(MenuObjectsTest, FolderValuesLeadingOutOfTheDestinationAreRefused)
{
    const std::string outside = home.win("elsewhere");
    std::filesystem::create_directories(home.path("elsewhere"));
    project.LogotypePictureSrc = source("logo.png");
    project.LogotypePicture_CDFolder = "pics";
    project.MenuMovieFilename = source("m.avi");
    project.MenuMovie_CDFolder = "movie";
    project.ButtonStyle = 28;  // Image / Hotspot: the button's picture is copied too
    project.Buttons = {LinkedButton("B", "Show Document", "", "", "1")};
    project.Buttons[0].HoverSound = source("hover.wav");
    project.Buttons[0].Bmp = source("b.png");
    project.Buttons[0].BmpFolder = "buttons";
    const struct {
        std::string* value;
        std::string set;
        std::string sentence;
        std::string title;
    } cases[] = {
        {&project.LogotypePicture_CDFolder, "pics\\..\\..", "The CD folder of the logotype ('pics\\..\\..')",
         "Error (Picture/Sound)"},
        {&project.MenuMovie_CDFolder, outside, "The CD folder of the menu movie ('" + outside + "')",
         "Error (Picture/Sound)"},
        {&project.Buttons[0].HoverSoundFolder, "\\..\\elsewhere",
         "The hover sound folder of button #1 ('\\..\\elsewhere')", "Error (Picture/Sound)"},
        {&project.Buttons[0].BmpFolder, outside, "The picture folder of button #1 ('" + outside + "')", "Error"},
    };
    for (const auto& c : cases) {
        const std::string saved = *c.value;
        *c.value = c.set;
        const std::string sentence = c.sentence + " leads out of the destination folder '" + dest() + "'.";
        EXPECT_THAT(PreflightCreateMenu(project), ElementsAre(sentence));
        EXPECT_FALSE(create()) << c.sentence;
        *c.value = saved;
        expectMessage(sentence + " A file that is copied to the menu must stay inside the menu folder. Change the "
                                 "folder and try again. Can't create the menu!", c.title);
        EXPECT_TRUE(std::filesystem::is_empty(home.path("elsewhere")));
        EXPECT_FALSE(std::filesystem::exists(home.path("logo.png")));
    }
}

TEST_F(MenuObjectsTest, ButtonPicturesOnlyForPictureStyles)
{
    MenuButton button = LinkedButton("B", "Exit", "", "", "1");
    button.Bmp = source("buttons/exit.bmp", "bmp");
    button.BmpFolder = "*\\buttons";
    project.Buttons.push_back(button);
    project.ButtonStyle = 3;
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("buttons/exit.bmp"));

    project.ButtonStyle = 28;  // Image / Hotspot
    ASSERT_TRUE(create());
    EXPECT_EQ(read("buttons/exit.bmp"), "bmp");
    EXPECT_THAT(observer.reports.back().lines, Contains("Bitmaps to buttons have also been copied to specified folders"));

    project.Buttons[0].Bmp = home.win("src/buttons/none.bmp");
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't copy a bitmap to a bitmap button! Can't find the bitmap file at the specified path!");
}

// Fonts as a system with one installed font outside the basic set lists them, installed
// for the object's lifetime.
class OneFont : public platform::Fonts {
public:
    OneFont()
    {
        platform::Services s = platform::services();
        s.fonts = this;
        previous_ = platform::installServices(s);
    }
    ~OneFont() override { platform::installServices(previous_); }
    int IsWindowsBasicFont(const std::string& name) const override { return name == "Fancy Script" ? 0 : -1; }
    bool GetFontFamilyInformation(const std::string& family, int index, std::string& face) const override
    {
        face = family;
        return family == "Fancy Script" && index == 0;
    }
    bool GetFontInformation(int index, std::string& display, std::string& file) const override
    {
        display = "Fancy Script (TrueType)";
        file = "fancy.ttf";
        return index == 0;
    }
    std::string locateFontFile(const std::string& name) const override { return name == "fancy.ttf" ? file : ""; }
    std::string file;

private:
    platform::Services previous_;
};

TEST_F(MenuObjectsTest, ListedFontFilesGoToOrvndataFontsOrAreSaidToBeMissing)
{
    OneFont font;
    font.file = source("fonts/fancy.ttf", "glyphs");
    project.TitleFontName = "Fancy Script";
    ASSERT_TRUE(create());
    EXPECT_EQ(*CachedProfile(dest() + "\\orvnmenu.mni").find("Fonts", "TF_File1"), "fancy.ttf");
    EXPECT_EQ(read("orvndata/fonts/fancy.ttf"), "glyphs");
    EXPECT_EQ(observer.reports[0].lines.back(), "Fonts where copied to folder 'orvndata\\fonts'");

    font.file.clear();
    EXPECT_FALSE(create());
    EXPECT_THAT(onlyMessage(), HasSubstr("An error occurred when a font file was copied to 'ORVNDATA\\Fonts'. The source "
                                         "file '"));
    EXPECT_THAT(onlyMessage(), HasSubstr("fancy.ttf' is not found. This font is probably not installed"));
}

TEST_F(MenuObjectsTest, AutorunWithIconLabelAndActionAndNoneWhenOff)
{
    project.CDIconSrc = source("art/Disc.ico", "icon");
    project.DiscLabel = "  My Label  ";
    project.DiscActionText = "Open the menu";
    ASSERT_TRUE(create());
    EXPECT_FALSE(exists("AUTORUN.INF"));
    EXPECT_FALSE(exists("DISC.ICO"));

    project.UseAutorun = 1;
    ASSERT_TRUE(create());
    EXPECT_EQ(read("DISC.ICO"), "icon");
    EXPECT_EQ(read("AUTORUN.INF"),
              "[AutoRun]\r\nOPEN=ORVNMENU.EXE\r\nICON=DISC.ICO\r\nLABEL=My Label\r\nACTION=Open the menu\r\n");
    EXPECT_THAT(observer.reports[1].lines, Contains("  AUTORUN.INF"));
    EXPECT_THAT(observer.reports[1].lines, Contains("  DISC.ICO"));

    project.CDIconSrc = home.win("src/none.ico");
    EXPECT_FALSE(create());
    expectMessage("Can't copy the icon file! Can't find the icon file at the specified path!");
    project.CDIconSrc = home.win("nowhere/none.ico");
    EXPECT_FALSE(create());
    EXPECT_EQ(onlyMessage(), "Can't copy the icon file! Can't find the icon file at the specified folder!");
}

// ICON= names the program when there is an action but no icon; the label is trimmed and cut
// after 32 characters (not bytes); a Portavo stick without a label gets a dated one.
TEST(AutorunText, LinesAppearOnlyWhenTheirValueIsThere)
{
    EXPECT_EQ(AutorunInfText("MENU.EXE", "", "", ""), "[AutoRun]\r\nOPEN=MENU.EXE\r\n");
    EXPECT_EQ(AutorunInfText("MENU.EXE", "", "", "Start"), "[AutoRun]\r\nOPEN=MENU.EXE\r\nICON=MENU.EXE\r\nACTION=Start\r\n");
    EXPECT_EQ(AutorunInfText("M.EXE", "", "0123456789012345678901234567890123456789", ""),
              "[AutoRun]\r\nOPEN=M.EXE\r\nLABEL=01234567890123456789012345678901\r\n");
    std::string umlauts;
    for (int i = 0; i < 40; ++i)
        umlauts += "\xC3\xBC";
    EXPECT_EQ(AutorunInfText("M.EXE", "", umlauts, ""), "[AutoRun]\r\nOPEN=M.EXE\r\nLABEL=" + umlauts.substr(0, 64) + "\r\n");
    EXPECT_EQ(PortavoDriveLabel("", {2026, 12, 4}), "- USB Flash Drive 261204 -");
    EXPECT_EQ(PortavoDriveLabel("   ", {2030, 1, 9}), "- USB Flash Drive 300109 -");
    EXPECT_EQ(PortavoDriveLabel(" Stick ", {2026, 12, 4}), "Stick");
}

}  // namespace
}  // namespace orv::test
