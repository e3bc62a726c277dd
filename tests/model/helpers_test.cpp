// The text and path helpers (the writer's and reader's golden files cover their common cases).
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "model/path_helpers.h"
#include "model/text_helpers.h"

namespace orv {
namespace {

TEST(TextHelpersTest, TextRules)
{
    const std::pair<std::string, std::string> cases[] = {
        // An ampersand is doubled only with a blank on both sides.
        {EscapeAmpersands("A&B and C &D and E& F", true), "A&B and C &D and E& F"},
        {EscapeAmpersands("A&B & C &D E& F", true), "A&B && C &D E& F"},
        {EscapeAmpersands("a & & b", true), "a && && b"},
        {EscapeAmpersands("&", true), "&"},
        {EscapeAmpersands("Tom & Jerry", false), "Tom & Jerry"},
        {RemoveDashSpacing("Hi-Fi - Audio", true), "Hi-Fi Audio"},
        {RemoveDashSpacing("- Games -", false), "- Games -"},
        {FontDescription("Arial", 12, true, false), "Arial, 12 pt, bold, not italic"},
        {FontDescription("Tahoma", 8, false, true), "Tahoma, 8 pt, not bold, italic"},
        {CleanPath("E:\\\\Menu\\\\pics\\a.jpg  "), "E:\\Menu\\pics\\a.jpg"},
        {CleanPath(std::string("E:\\a.jpg\0junk", 13)), "E:\\a.jpg"},
        {CleanPath(std::string(600, 'a')), std::string(499, 'a')},
    };
    for (const auto& [actual, expected] : cases)
        EXPECT_EQ(actual, expected);
    EXPECT_TRUE(std::regex_match(TodayText(), std::regex(R"(\d{4}-\d{2}-\d{2})"))) << TodayText();
}

TEST(PathHelpersTest, PartsJoinAndDrive)
{
    const std::pair<std::string, std::string> cases[] = {
        {PathDirectoryPart("E:\\Menu\\docs\\a.pdf"), "E:\\Menu\\docs"},
        {PathDirectoryPart("readme.txt"), ""},
        {FileNamePart("E:\\Menu\\docs\\a.pdf"), "a.pdf"},
        {FileNamePart("readme.txt"), "readme.txt"},
        {FileNamePart("C:\\"), ""},
        {JoinPath("C:\\", "a.txt"), "C:\\a.txt"},
        {JoinPath("C:\\Menu", "a.txt"), "C:\\Menu\\a.txt"},
        {JoinPath("C:", "a.txt"), "C:\\a.txt"},
        {StripDriveLetter("E:\\Menu\\a.exe"), "\\Menu\\a.exe"},
        {StripDriveLetter("E:\\"), ""},
        {StripDriveLetter("Menu\\a.exe"), "Menu\\a.exe"},
    };
    for (const auto& [actual, expected] : cases)
        EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace orv
