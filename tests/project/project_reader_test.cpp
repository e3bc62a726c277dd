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
        EXPECT_EQ(readProject(withVersion(c.ver, std::string("[Buttons]\nButtonStyle = ") + c.style + "\n")).ButtonStyle,
                  c.expected)
            << c.ver << " " << c.style;
}

TEST_F(ReaderTest, NewerButtonFieldsAreReadFromTheVersionsThatStoreThem)
{
    // Versions 2 to 5: the golden files' case.
    const std::string data = "[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1Cmd = Exit\nButton1UseMediaPlayer = 1\n"
                             "Button1RunAsAdministrator = 1\nButton1RunProgramMaximized = 1\n";
    const MenuProject v65 = readProject(withVersion("6.5", data));
    EXPECT_EQ(v65.Buttons[0].UseMediaPlayer, "1");
    EXPECT_EQ(v65.Buttons[0].RunAsAdministrator, "1");
    EXPECT_EQ(v65.Buttons[0].RunProgramMaximized, "");  // not stored before 6.7
    EXPECT_EQ(readProject(withVersion("8.6.9", data)).Buttons[0].RunProgramMaximized, "1");
}

// --- Buttons ---

TEST_F(ReaderTest, ButtonKeysFollowTheLookupRules)
{
    const MenuProject p = readProject("[Buttons]\nNrButtons = 3\n[ButtonData]\nBUTTON1TEXT = upper\nButton1Text = second\n"
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
        EXPECT_EQ(readProject(std::string("[Buttons]\nNrButtons = ") + count + "\n").Buttons.size(), rows) << count;
}

// --- Conversions ---

TEST_F(ReaderTest, EncodedTextsTurnTheFlagOn)
{
    // Decoding itself is the round trips' test.
    EXPECT_TRUE(readProject("[CharacterEncoding]\nUseUnicode = 0\n[Title]\nTitleText = UNICODE:65;0;\n").UseUnicode);
    EXPECT_TRUE(readProject("[SubTitle]\nSubTitleText = UNICODE:65;0;\n").UseUnicode);
    EXPECT_FALSE(readProject("[CharacterEncoding]\nUseUnicode = 2\n").UseUnicode);
    const MenuProject b = readProject("[Buttons]\nNrButtons = 1\n[ButtonData]\nButton1Tip = UNICODE:66;0;\n"
                               "Button1Link = UNICODE:68;0;\n");
    EXPECT_TRUE(b.UseUnicode);
    EXPECT_EQ(b.Buttons[0].Link, "UNICODE:68;0;");  // links are never encoded
}

TEST_F(ReaderTest, TextsAreCutTo199Characters)
{
    const std::string longText(250, 'x');
    const MenuProject p = readProject("[Title]\nTitleText = " + longText + "\n[Buttons]\nNrButtons = 1\n[ButtonData]\n"
                               "Button1Link = " + longText + "\n[Version]\nComments = " + std::string(250, 'e') + "\n");
    EXPECT_EQ(p.TitleText, std::string(199, 'x'));
    EXPECT_EQ(p.Buttons[0].Link, std::string(199, 'x'));
    EXPECT_EQ(p.Comments, std::string(199, 'e'));
    // Characters, not bytes.
    std::string umlauts;
    for (int i = 0; i < 210; ++i)
        umlauts += "ä";
    EXPECT_EQ(readProject("[Title]\nTitleText = " + umlauts + "\n").TitleText, umlauts.substr(0, 199 * 2));
}

TEST_F(ReaderTest, MarkedPathsLieBelowTheEditorsFolder)
{
    const std::string folder = platform::foldCase(platform::services().folders->ProgramFolder());
    const MenuProject p = readProject("[Pictures]\nBackgroundPictureSrc = *\\Examples\\back.jpg\n"
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

TEST_F(ReaderTest, PortavoLinkIsReadOnlyWhilePortavoIsInstalled)
{
    const std::string data = "[PortavoLink]\nCoOperateWithPortavoLink = 1\nStickGuardSetupFilename = SG.exe\n";
    const MenuProject without = readProject(data);
    EXPECT_FALSE(without.CoOperateWithPortavoLink);
    EXPECT_EQ(without.StickGuardSetupFilename, "SETUP-StickGuard.exe");

    Siblings().PortavoInstalled = true;
    const MenuProject with = readProject(data);
    EXPECT_TRUE(with.CoOperateWithPortavoLink);
    EXPECT_EQ(with.StickGuardSetupFilename, "SG.exe");
}

}  // namespace
}  // namespace orv::test
