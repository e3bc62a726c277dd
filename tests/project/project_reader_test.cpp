// The project file reader on in-memory files: the version classes and every conversion of
// older or damaged files (the reader's defaults are the golden files' tests).
#include <gtest/gtest.h>

#include "model/project_reader.h"
#include "model/sibling_products.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/text_case.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

using ReaderTest = ProjectTest;

// Reads a file text (UTF-8, LF line ends) into a project that starts from new-project values.
MenuProject read(const std::string& text)
{
    MenuProject p;
    ResetParameters(p);
    LoadOptionsFromDocument(p, ProfileDocument::parse(text));
    return p;
}

std::string withVersion(const std::string& ver, const std::string& rest)
{
    return "[Origin]\nVer = " + ver + "\n\n" + rest;
}

TEST(ProjectVersionTest, ClassesFollowTheFirstThreeCharacters)
{
    struct Case {
        const char* ver;
        bool newStyle, old, runMax;
    };
    const Case cases[] = {
        {"", true, false, false},      {"2.5", false, true, false},  {"3.0", false, true, false},
        {"4.0", false, true, false},   {"4.1", false, true, false},  {"4.2", true, true, false},
        {"5.2", true, true, false},    {"6.0", true, false, false},  {"6.5", true, false, false},
        {"6.7", true, false, true},    {"6.7.1", true, false, true}, {"7.0", true, false, true},
        {"8.6.9", true, false, true},  {"10.2", true, false, true},  {"12.9", true, false, true},
        {"13.0", true, false, false},  {"1.0", true, false, false},  {"x", true, false, false},
    };
    for (const Case& c : cases) {
        const ProjectFileVersion v = ClassifyProjectVersion(c.ver);
        EXPECT_EQ(v.NewStyleNumbers, c.newStyle) << c.ver;
        EXPECT_EQ(v.OldFormat, c.old) << c.ver;
        EXPECT_EQ(v.HasRunMaximized, c.runMax) << c.ver;
        EXPECT_EQ(v.Ver, c.ver);
    }
    MenuProject p;
    EXPECT_EQ(LoadOptionsFromDocument(p, ProfileDocument::parse(withVersion("8.6.9", ""))).Ver, "8.6.9");
}

TEST_F(ReaderTest, ButtonStylesOfOlderVersionsAreConverted)
{
    const struct {
        const char *ver, *style;
        int expected;
    } cases[] = {
        {"4.1", "13", 28},   // 13 became 14, then "Image / Hotspot" among the old styles
        {"5.0", "13", 26},   // "Metallic"
        {"5.0", "9", 11},    {"5.0", "20", 20},  {"5.0", "0", 1},
        {"8.6.9", "13", 13}, {"8.6.9", "-3", 1}, {"6.0", "14", 14},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(withVersion(c.ver, std::string("[Buttons]\nButtonStyle = ") + c.style + "\n")).ButtonStyle,
                  c.expected)
            << c.ver << " " << c.style;
}

TEST_F(ReaderTest, OldFormatButtonsKeepTheDefaultsOfNewerFields)
{
    const std::string data = "[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1Text = One\nButton1Cmd = Exit\n"
                             "Button1BC4 = 99\nButton1UseMediaPlayer = 1\nButton1ShowDialogBoxes = 1\n"
                             "Button1PswProtect = 1\nButton1RunAsAdministrator = 1\n"
                             "Button1RunProgramMaximized = 1\n";
    const MenuProject old = read(withVersion("5.2", data));
    ASSERT_EQ(old.Buttons.size(), 1u);
    EXPECT_EQ(old.Buttons[0].BC4, "99");
    EXPECT_EQ(old.Buttons[0].UseMediaPlayer, "0");
    EXPECT_EQ(old.Buttons[0].ShowDialogBoxes, "0");
    EXPECT_EQ(old.Buttons[0].PswProtect, "0");
    EXPECT_EQ(old.Buttons[0].RunAsAdministrator, "");
    EXPECT_EQ(old.Buttons[0].RunProgramMaximized, "");

    const MenuProject v65 = read(withVersion("6.5", data));
    EXPECT_EQ(v65.Buttons[0].UseMediaPlayer, "1");
    EXPECT_EQ(v65.Buttons[0].RunAsAdministrator, "1");
    EXPECT_EQ(v65.Buttons[0].RunProgramMaximized, "");  // not stored before 6.7
    EXPECT_EQ(read(withVersion("8.6.9", data)).Buttons[0].RunProgramMaximized, "1");
}

// --- Buttons ---

TEST_F(ReaderTest, MissingOrEmptyButtonFieldsTakeTheirDefaults)
{
    const MenuProject p = read("[Buttons]\nNrButtons = 2\n[ButtonData]\nButton1Text = One\nButton1DeltaX =\n"
                               "Button1CSF = 3\nButton1NoHG = \nButton2Cmd = Exit\n");
    ASSERT_EQ(p.Buttons.size(), 2u);
    MenuButton expected = ButtonWithMissingValues();
    expected.Text = "One";
    expected.CSF = "3";
    EXPECT_EQ(p.Buttons[0], expected);
    EXPECT_EQ(p.Buttons[0].DeltaX, "0");
    EXPECT_EQ(p.Buttons[0].DeltaType, "1");
    EXPECT_EQ(p.Buttons[1].Cmd, "Exit");
}

TEST_F(ReaderTest, ButtonKeysFollowTheLookupRules)
{
    const MenuProject p = read("[Buttons]\nNrButtons = 3\n[ButtonData]\nBUTTON1TEXT = upper\nButton1Text = second\n"
                               "Button02Text = zero\nButton2 Text = blank\nButton3Textx = junk\n Button3Cmd = Exit \n"
                               "Button4Text = beyond\nButton10Text = ten\n[ButtonData]\nButton2Text = later\n");
    ASSERT_EQ(p.Buttons.size(), 3u);
    EXPECT_EQ(p.Buttons[0].Text, "upper");  // without case; the first of equal keys
    EXPECT_EQ(p.Buttons[1].Text, "");       // "Button02Text" and a later section do not count
    EXPECT_EQ(p.Buttons[2].Text, "");
    EXPECT_EQ(p.Buttons[2].Cmd, "Exit");
}

TEST_F(ReaderTest, NeverMoreThan44Buttons)
{
    for (const auto& [count, rows] : {std::pair{"100000", 44u}, {"45", 44u}, {"44", 44u}, {"-5", 0u},
                                      {"many", 0u}, {"99999999999999999999", 44u}})
        EXPECT_EQ(read(std::string("[Buttons]\nNrButtons = ") + count + "\n").Buttons.size(), rows) << count;
}

TEST_F(ReaderTest, LegacyCommandNamesAreTranslated)
{
    // A sample of the old names: plain, with an ampersand, with letters outside ASCII, and
    // the old English name of a renamed command.
    const std::pair<const char*, const char*> names[] = {
        {"Starta program", "Run Program"},
        {"Starta program & Stäng", "Run Program & Close"},
        {"Återvänd till föregående meny", "Return To Previous Menu"},
        {"Run Explorer", "Open Folder"},
        {"Play Movie", "Play Movie"},
        {"avsluta", "avsluta"},  // only exact names are translated
    };
    std::string data = "[Buttons]\nNrButtons = 6\n[ButtonData]\n";
    int n = 0;
    for (const auto& [old, current] : names)
        data += "Button" + std::to_string(++n) + "Cmd = " + old + "\n";
    const MenuProject p = read(data);
    ASSERT_EQ(p.Buttons.size(), std::size(names));
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(p.Buttons[i].Cmd, names[i].second) << names[i].first;
}

// --- Conversions ---

TEST_F(ReaderTest, UnicodeTextsAreDecodedAndTurnTheFlagOn)
{
    const MenuProject p = read("[CharacterEncoding]\nUseUnicode = 0\n[Title]\nTitleText = UNICODE:65;0;\n");
    EXPECT_EQ(p.TitleText, "A");
    EXPECT_TRUE(p.UseUnicode);

    const MenuProject b = read("[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1Text = UNICODE:172;32;\n"
                               "Button1Tip = UNICODE:66;0;\nButton1WaitInfoText = UNICODE:67;0;\n"
                               "Button1Link = UNICODE:68;0;\n[Pictures]\nLogotypeTipText = UNICODE:69;0;\n");
    EXPECT_TRUE(b.UseUnicode);
    EXPECT_EQ(b.Buttons[0].Text, "€");
    EXPECT_EQ(b.Buttons[0].Tip, "B");
    EXPECT_EQ(b.Buttons[0].WaitInfoText, "C");
    EXPECT_EQ(b.Buttons[0].Link, "UNICODE:68;0;");  // links are never encoded
    EXPECT_EQ(b.LogotypeTipText, "E");
    EXPECT_FALSE(read("[CharacterEncoding]\nUseUnicode = 2\n").UseUnicode);
    EXPECT_TRUE(read("[SubTitle]\nSubTitleText = UNICODE:65;0;\n").UseUnicode);
}

TEST_F(ReaderTest, TextsAreCutTo199Characters)
{
    const std::string longText(250, 'x');
    const MenuProject p = read("[Title]\nTitleText = " + longText + "\n[Buttons]\nNrButtons = 1\n[ButtonData]\n"
                               "Button1Link = " + longText + "\n[Version]\nComments = " + std::string(250, 'e') + "\n");
    EXPECT_EQ(p.TitleText, std::string(199, 'x'));
    EXPECT_EQ(p.Buttons[0].Link, std::string(199, 'x'));
    EXPECT_EQ(p.Comments, std::string(199, 'e'));
    // Characters, not bytes.
    std::string umlauts;
    for (int i = 0; i < 210; ++i)
        umlauts += "ä";
    EXPECT_EQ(read("[Title]\nTitleText = " + umlauts + "\n").TitleText, umlauts.substr(0, 199 * 2));
}

TEST_F(ReaderTest, FlagsAreReadAsTextOrAsNumbers)
{
    // Font styles stored as text: "1", "-1", "True" are true.
    for (const auto& [value, on] : {std::pair{"1", true}, {"-1", true}, {"True", true}, {"TRUE", true},
                                    {"0", false}, {"False", false}, {"", false}, {"maybe", false}})
        EXPECT_EQ(read(std::string("[Title]\nTitleFontBold = ") + value + "\n").TitleFontBold, on) << value;
    // Flags stored as numbers: exactly 1 is true; the start condition's flag: anything but 0.
    const MenuProject p = read("[ButtonTitles]\nButtonTitle_FontBold = 1\nButtonTitle_FontItalic = True\n"
                               "[PictureGallery]\nPGAlsoForSubWindows = 2\n[Pictures]\nDrawTransparentLogotype = -1\n"
                               "[NoStartCondition]\nRegistry_UseHKCUInVista = 7\n");
    EXPECT_TRUE(p.ButtonTitle_FontBold);
    EXPECT_FALSE(p.ButtonTitle_FontItalic);
    EXPECT_FALSE(p.PGAlsoForSubWindows);
    EXPECT_FALSE(p.DrawTransparentLogotype);
    EXPECT_TRUE(p.Registry_UseHKCUInVista);
    EXPECT_FALSE(read("[NoStartCondition]\nRegistry_UseHKCUInVista = 0\n").Registry_UseHKCUInVista);
}

TEST_F(ReaderTest, NumbersAreReadAsTheProfileReadsThemAndClamped)
{
    const MenuProject p = read("[MainWindow]\nBackColor = blue\nToneDirection = 3x\nBackColor2 = 4294967295\n"
                               "[Title]\nTitleFontSize = 70000\n[Pictures]\nBkPic_UserPosX = -40000\n"
                               "[WinEffects]\nWinFadingSpeed =\n");
    EXPECT_EQ(p.BackColor, 0);
    EXPECT_EQ(p.ToneDirection, 3);
    EXPECT_EQ(p.BackColor2, -1);  // a 32-bit profile number
    EXPECT_EQ(p.TitleFontSize, 32767);
    EXPECT_EQ(p.BkPic_UserPosX, -32768);
    EXPECT_EQ(p.WinFadingSpeed, 4);  // an empty value counts as missing
}

TEST_F(ReaderTest, ValuesWithRulesOfTheirOwn)
{
    // Empty texts that fall back as missing ones do.
    MenuProject p = read("[SubTitle]\nSubTitleFontName =\n[Movie]\nMenuMovieWidth =\nMenuMovieHeight=\n"
                         "[Text]\nButtonOK_Text =\nButtonClose_Text = \n[AppIcon]\nAppIconIndex = 0\n"
                         "[ProjectType]\nProjectType = 2\n");
    EXPECT_EQ(p.SubTitleFontName, "Arial");
    EXPECT_EQ(p.MenuMovieWidth, "150");
    EXPECT_EQ(p.MenuMovieHeight, "150");
    EXPECT_EQ(p.ButtonOK_Text, "OK");
    EXPECT_EQ(p.ButtonClose_Text, "Close");
    EXPECT_EQ(p.AppIconIndex, 1);
    EXPECT_EQ(p.ProjectType, ProjectTypeUSB);
    EXPECT_EQ(p.FileNameColumnHeading, "Filename (USB flash drive)");
    EXPECT_EQ(read("[ProjectType]\nProjectType = 2x\n").ProjectType, ProjectTypeCD);  // only the text "2"
    EXPECT_EQ(read("[AppIcon]\nAppIconIndex = 5\n").AppIconIndex, 5);

    // Alignments outside their options fall back to left.
    for (const auto& [value, title, buttons, text] :
         {std::tuple{"2", 2, 2, 2}, {"3", 3, 3, 3}, {"4", 1, 4, 1}, {"5", 1, 1, 1}, {"0", 1, 1, 1}}) {
        p = read(std::string("[Title]\nTitleAlignment = ") + value + "\n[Buttons]\nButtonAlignment = " + value +
                 "\nButtonTextAlignment = " + value + "\n");
        EXPECT_EQ(p.TitleAlignment, title) << value;
        EXPECT_EQ(p.ButtonAlignment, buttons) << value;
        EXPECT_EQ(p.ButtonTextAlignment, text) << value;
    }

    // A missing frame colour is the text colour.
    EXPECT_EQ(read("[Buttons]\nButtonForeColor = 4242\n").ButtonFrameColor, 4242);
    EXPECT_EQ(read("[Buttons]\nButtonForeColor = 4242\nButtonFrameColor = -1\n").ButtonFrameColor, 4242);
    EXPECT_EQ(read("[Buttons]\nButtonForeColor = 4242\nButtonFrameColor = 17\n").ButtonFrameColor, 17);
}

TEST_F(ReaderTest, LegacyTitleUnderlineWinsAndUsesTheTitleColour)
{
    const std::string underline = "[TitleUnderline]\nUnderlineType = 1\nUnderlineColor1 = 5\nUnderlineHeight = 6\n";
    const MenuProject legacy = read("[Title]\nTitleForeColor = 255\nTitleUnderline = 2\n" + underline);
    EXPECT_EQ(legacy.UnderlineType, 2);
    EXPECT_EQ(legacy.UnderlineColor1, 255);
    EXPECT_EQ(legacy.UnderlineHeight, 6);

    const MenuProject current = read("[Title]\nTitleForeColor = 255\n" + underline);
    EXPECT_EQ(current.UnderlineType, 1);
    EXPECT_EQ(current.UnderlineColor1, 5);
}

TEST_F(ReaderTest, MarkedPathsLieBelowTheEditorsFolder)
{
    const std::string folder = platform::foldCase(platform::services().folders->ProgramFolder());
    const MenuProject p = read("[Pictures]\nBackgroundPictureSrc = *\\Examples\\back.jpg\n"
                               "LogotypePictureSrc = ¤Examples\\logo.png\nMenuPictureSrc = Z:\\abs\\menu.png\n"
                               "[Sound]\nButtonSoundSrc = ¤\\snd\\click.wav\n"
                               "[Movie]\nMenuMovieFilename = *\\movie.avi\n"
                               "[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1Bmp = *\\b.bmp\n"
                               "Button1SourceFile = *\\Examples\\Objects\\a.txt\nButton1Link = *\\link.txt\n");
    EXPECT_EQ(p.BackgroundPictureSrc, folder + "\\Examples\\back.jpg");
    EXPECT_EQ(p.LogotypePictureSrc, folder + "\\Examples\\logo.png");
    EXPECT_EQ(p.MenuPictureSrc, "Z:\\abs\\menu.png");
    EXPECT_EQ(p.ButtonSoundSrc, folder + "\\snd\\click.wav");
    EXPECT_EQ(p.MenuMovieFilename, "*\\movie.avi");
    EXPECT_EQ(p.Buttons[0].Bmp, folder + "\\b.bmp");
    EXPECT_EQ(p.Buttons[0].SourceFile, folder + "\\Examples\\Objects\\a.txt");
    EXPECT_EQ(p.Buttons[0].Link, "*\\link.txt");
}

TEST_F(ReaderTest, LegacyFolderPrefixIsRemovedFromFolderValues)
{
    const MenuProject p = read("[Pictures]\nBackgroundPicture_CDFolder = ¤\\pictures\nMenuPicture_CDFolder = ¤pics\n"
                               "[Sound]\nBackgroundSound_CDFolder = ¤\\sounds\nButtonSound_CDFolder = ¤\\clicks\n"
                               "ButtonHoverSound_CDFolder = ¤\\hover\n[Movie]\nMenuMovie_CDFolder = ¤\\movies\n"
                               "[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1BmpFolder = ¤\\bmp\n"
                               "Button1HoverSoundFolder = ¤\\hs\n");
    EXPECT_EQ(p.BackgroundPicture_CDFolder, "pictures");
    EXPECT_EQ(p.MenuPicture_CDFolder, "¤pics");
    EXPECT_EQ(p.BackgroundSound_CDFolder, "sounds");
    EXPECT_EQ(p.ButtonSound_CDFolder, "¤\\clicks");  // taken as it stands
    EXPECT_EQ(p.ButtonHoverSound_CDFolder, "hover");
    EXPECT_EQ(p.MenuMovie_CDFolder, "movies");
    EXPECT_EQ(p.Buttons[0].BmpFolder, "bmp");
    EXPECT_EQ(p.Buttons[0].HoverSoundFolder, "hs");
}

TEST_F(ReaderTest, PortavoLinkIsReadOnlyWhilePortavoIsInstalled)
{
    const std::string data = "[PortavoLink]\nCoOperateWithPortavoLink = 1\nStickGuardSetupFilename = SG.exe\n";
    const MenuProject without = read(data);
    EXPECT_FALSE(without.CoOperateWithPortavoLink);
    EXPECT_EQ(without.StickGuardSetupFilename, "SETUP-StickGuard.exe");

    Siblings().PortavoInstalled = true;
    const MenuProject with = read(data);
    EXPECT_TRUE(with.CoOperateWithPortavoLink);
    EXPECT_EQ(with.StickGuardSetupFilename, "SG.exe");
}

}  // namespace
}  // namespace orv::test
