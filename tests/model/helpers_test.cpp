// The text, path and date helpers.
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "model/path_helpers.h"
#include "model/text_helpers.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/text_case.h"
#include "support/test_home.h"

namespace orv {
namespace {

TEST(TextHelpersTest, CutAtNul)
{
    EXPECT_EQ(CutAtNul(std::string("C:\\Fonts\0garbage", 16)), "C:\\Fonts");
    EXPECT_EQ(CutAtNul(std::string("\0abc", 4)), "");
    EXPECT_EQ(CutAtNul("no terminator"), "");
}

TEST(TextHelpersTest, EscapeAmpersandsDoublesOnlyBlankSurrounded)
{
    EXPECT_EQ(EscapeAmpersands("Tom & Jerry & Co", true), "Tom && Jerry && Co");
    EXPECT_EQ(EscapeAmpersands("A&B and C &D and E& F", true), "A&B and C &D and E& F");
    EXPECT_EQ(EscapeAmpersands("A&B & C", true), "A&B && C");
    EXPECT_EQ(EscapeAmpersands("a & & b", true), "a && && b");
    EXPECT_EQ(EscapeAmpersands("Tom & Jerry", false), "Tom & Jerry");
}

TEST(TextHelpersTest, RemoveDashSpacingAndTitleMarker)
{
    EXPECT_EQ(RemoveDashSpacing("- Games -", true), "Games");
    EXPECT_EQ(RemoveDashSpacing("Hi-Fi - Audio", true), "Hi-Fi Audio");
    EXPECT_EQ(RemoveDashSpacing("- Games -", false), "- Games -");
    EXPECT_EQ(CommandOrTitleMarker("", true), "(Title)");
    EXPECT_EQ(CommandOrTitleMarker("", false), "");
    EXPECT_EQ(CommandOrTitleMarker("Run Program", true), "Run Program");
}

TEST(TextHelpersTest, LegacyFolderPrefixFontAndSameText)
{
    EXPECT_EQ(StripLegacyFolderPrefix("\xC2\xA4\\sounds"), "sounds");
    EXPECT_EQ(StripLegacyFolderPrefix("\xC2\xA4sounds"), "\xC2\xA4sounds");
    EXPECT_EQ(StripLegacyFolderPrefix("sounds"), "sounds");
    EXPECT_EQ(FontDescription("Arial", 12, true, false), "Arial, 12 pt, bold, not italic");
    EXPECT_EQ(FontDescription("Tahoma", 8, false, true), "Tahoma, 8 pt, not bold, italic");
    EXPECT_TRUE(SameText("a", "a"));
    EXPECT_FALSE(SameText("a", "A"));
    EXPECT_FALSE(SameText("", ""));
}

TEST(TextHelpersTest, TodayText)
{
    const std::string today = TodayText();
    EXPECT_TRUE(std::regex_match(today, std::regex(R"(\d{4}-\d{2}-\d{2})"))) << today;
    const CalendarDate d = Today();
    EXPECT_EQ(today.substr(0, 4), std::to_string(d.year));
}

TEST(PathHelpersTest, PartsJoinAndDrive)
{
    EXPECT_EQ(PathDirectoryPart("E:\\Menu\\docs\\a.pdf"), "E:\\Menu\\docs");
    EXPECT_EQ(FileNamePart("E:\\Menu\\docs\\a.pdf"), "a.pdf");
    EXPECT_EQ(FileNamePart("readme.txt"), "readme.txt");
    EXPECT_EQ(PathDirectoryPart("readme.txt"), "");
    EXPECT_EQ(FileNamePart("C:\\"), "");
    EXPECT_EQ(JoinPath("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(JoinPath("C:\\Menu", "a.txt"), "C:\\Menu\\a.txt");
    EXPECT_EQ(JoinPath("C:", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(StripDriveLetter("E:\\Menu\\a.exe"), "\\Menu\\a.exe");
    EXPECT_EQ(StripDriveLetter("E:\\"), "");
    EXPECT_EQ(StripDriveLetter("Menu\\a.exe"), "Menu\\a.exe");
}

class ServicePathHelpersTest : public test::HomeTest {};

TEST_F(ServicePathHelpersTest, ProgramRelativePaths)
{
    const std::string folder = platform::foldCase(platform::services().folders->ProgramFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(ExpandProgramRelativePath("*\\Examples\\back.jpg"), folder + "\\Examples\\back.jpg");
    EXPECT_EQ(ExpandProgramRelativePath("\xC2\xA4" "Examples\\back.jpg"), folder + "\\Examples\\back.jpg");
    EXPECT_EQ(ExpandProgramRelativePath("C:\\pics\\*.jpg"), "C:\\pics\\*.jpg");
    EXPECT_EQ(ExpandProgramRelativePath(""), "");
}

TEST_F(ServicePathHelpersTest, CleanPathAndAddresses)
{
    EXPECT_EQ(CleanPath("E:\\\\Menu\\\\pics\\a.jpg  "), "E:\\Menu\\pics\\a.jpg");
    EXPECT_EQ(CleanPath(std::string(600, 'a')).size(), 499u);
    EXPECT_TRUE(IsValidAddress("https://example.com/a?b=c"));
    EXPECT_FALSE(IsValidAddress(""));
}

}  // namespace
}  // namespace orv
