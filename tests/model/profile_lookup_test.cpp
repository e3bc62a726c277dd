// Reading profile files: the lookup rules, damaged input, buffer cuts and numbers.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/profile.h"
#include "support/test_home.h"

namespace orv {
namespace {

using namespace std::string_literals;
using test::HomeTest;

// Each file text with what lookups in it find ("-" when nothing).
TEST(ProfileDocumentTest, LookupRules)
{
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 7919 + 13) % 255 + 1);
    const struct {
        std::string text;
        std::vector<std::array<const char*, 3>> lookups;  // section, key, value
    } cases[] = {
        // Names match without case and outer blanks; Latin-1 letters fold too.
        {"  [ Main Window ]  \r\n  Width  =  500  \r\nÄpfel=1\r\n",
         {{"MAIN WINDOW", " width ", "500"}, {"main window", "äPFEL", "1"}, {"MainWindow", "Width", "-"},
          {"Main Window", "Height", "-"}}},
        // The value is the text after the first equals sign, trimmed, without one pair of quotes.
        {"[S]\nA = x = y \nB = \"  quoted  \"\nC = \"half\nD=\nE = \"\"\nF = a\"b\"\n",
         {{"S", "A", "x = y"}, {"S", "B", "  quoted  "}, {"S", "C", "\"half"}, {"S", "D", ""}, {"S", "E", ""},
          {"S", "F", "a\"b\""}}},
        // The first section and the first key of a name win.
        {"[S]\nK=1\nk=2\n[T]\nK=3\n[s]\nK=4\nL=5\n", {{"S", "K", "1"}, {"T", "K", "3"}, {"S", "L", "-"}}},
        // Every line end works; a NUL ends only its value, and a line starting with one says nothing.
        {"[A]\rX=1\r[B]\r\nY=2\n[C]\nZ=3\0junk\n\0[E]\nW=0\n[D]\nW=4\n"s,
         {{"A", "X", "1"}, {"B", "Y", "2"}, {"C", "Z", "3"}, {"C", "W", "0"}, {"D", "W", "4"}, {"E", "W", "-"}}},
        // Lines of other shapes are skipped: keys before any section, unclosed headers, no key.
        {"K=before any section\n[S\nno equals sign\n=no key\n[S]\n= value\n  = 5\n[S2 without close\nK=1\n[]\nE=2\n",
         {{"S", "K", "1"}, {"S", "", "-"}, {"", "E", "2"}, {"", "K", "-"}, {"S2 without close", "K", "-"}}},
        {"[Origin]\nVer = 8.6", {{"Origin", "Ver", "8.6"}}},
        {noise, {{"Origin", "Ver", "-"}}},
    };
    for (const auto& c : cases) {
        const auto doc = ProfileDocument::parse(c.text);
        for (const auto& [section, key, value] : c.lookups) {
            const std::string* found = doc.find(section, key);
            EXPECT_EQ(found ? *found : "-", value) << c.text.substr(0, 20) << " [" << section << "] " << key;
        }
    }
    EXPECT_TRUE(ProfileDocument::parse("").sections().empty());
}

TEST(ProfileDocumentTest, WrittenTextReadsBackTheSameValues)
{
    ProfileDocument doc;
    doc.set("S", "Plain", "value");
    doc.set("S", "Blanks", "  padded  ");
    doc.set("S", "Quoted", "\"in quotes\"");
    doc.set("S", "Broken", "two\r\nlines");
    doc.set("T", "Empty", "");
    doc.set("s", "plain", "replaced");
    const std::string text = doc.toText();
    EXPECT_EQ(text.substr(0, 35), "[S]\r\nPlain = replaced\r\nBlanks = \"  ");
    EXPECT_TRUE(text.ends_with("[T]\r\nEmpty = \r\n\r\n"));

    const auto back = ProfileDocument::parse(text);
    EXPECT_EQ(*back.find("S", "Plain"), "replaced");
    EXPECT_EQ(*back.find("S", "Blanks"), "  padded  ");
    EXPECT_EQ(*back.find("S", "Quoted"), "\"in quotes\"");
    EXPECT_EQ(*back.find("S", "Broken"), "two  lines");
    EXPECT_EQ(*back.find("T", "Empty"), "");
}

TEST(ProfileNumberTest, LeadingDecimalDigitsWithSign)
{
    const std::pair<const char*, long> cases[] = {
        {"12px", 12}, {"-3", -3}, {"+7", 7}, {"x12", 0}, {"0x1F", 0}, {"16711680", 16711680},
        {"4294967295", -1},  // 32-bit arithmetic, as Windows reads it
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ProfileNumberOf(text), number) << text;
}

class ProfileFileTest : public HomeTest {};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = v\r\nN = 5\r\nE =\r\n");
    EXPECT_EQ(GetProfileText(home.win("none.ini"), "S", "K", "dflt", 200), "dflt");
    EXPECT_EQ(GetProfileText(file, "X", "K", "dflt", 200), "dflt");
    EXPECT_EQ(GetProfileText(file, "S", "X", "dflt", 200), "dflt");
    EXPECT_EQ(GetProfileText(file, "S", "K", "dflt", 200), "v");
    EXPECT_EQ(GetProfileNumber(file, "S", "N", 9), 5);
    EXPECT_EQ(GetProfileNumber(file, "S", "X", 9), 9);
    EXPECT_EQ(GetProfileNumber(file, "S", "E", 9), 9);  // an empty value counts as missing
    EXPECT_EQ(GetProfileNumber(file, "S", "K", 9), 0);  // not a number
    EXPECT_EQ(GetProfileText(home.win(""), "S", "K", "d", 200), "d");  // a folder is no file
}

TEST_F(ProfileFileTest, TextIsCutToBufferSizeInCharacters)
{
    const std::string longText(250, 'x');
    std::string accents;
    for (int i = 0; i < 250; ++i)
        accents += "\xC3\xA9";  // é, one byte in the file
    const std::string file =
        home.writeFile("p.ini", "[S]\r\nLong = " + longText + "\r\nAccents = " + std::string(250, '\xE9') + "\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "Long", "", 200), std::string(199, 'x'));
    EXPECT_EQ(GetProfileText(file, "S", "Accents", "", 200), accents.substr(0, 398));
    EXPECT_EQ(GetProfileText(file, "S", "Long", "", 1), "");
    EXPECT_EQ(GetProfileText(file, "S", "Missing", std::string("ab\0cd", 5), 200), "ab");
    EXPECT_EQ(GetProfileText(file, "S", "Missing", "abcdef", 4), "abc");
}

// A lookup by name keeps the file until it is flushed; a reader start looks at the disk again.
TEST_F(ProfileFileTest, CachedFilesAndChangesOnDisk)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = old\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "old");
    home.writeFile("p.ini", "[S]\r\nK = new\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "old");
    FlushProfileCache(file);
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "new");
    home.writeFile("p.ini", "[S]\r\nK = second value\r\n");
    EXPECT_EQ(*CachedProfile(file).find("S", "K"), "second value");
    home.writeFile("p.ini", "[S]\r\nK = third\r\n");
    SetProfileFile(file);
    SetProfileSection("S");
    EXPECT_EQ(ReadProfileString("K", 100), "third");
}

TEST_F(ProfileFileTest, ChangingTheCodePageDecodesCachedFilesAgain)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = \xC0\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "\xC3\x80");  // À
    ASSERT_TRUE(SetAnsiCodePage(1251));
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "\xD0\x90");  // А
    SetAnsiCodePage(1252);
}

TEST_F(ProfileFileTest, ContextReaders)
{
    const std::string file =
        home.writeFile("o.ini", "[Options]\r\nOne = 1\r\nTwo = 2\r\nBig = 70000\r\nText = hello\r\n");
    ResetProfileContext();
    EXPECT_EQ(ReadProfileString("Text", 100), "");  // no file yet
    SetProfileFile(file);
    SetProfileSection("Options");
    EXPECT_EQ(ReadProfileString("Text", 100), "hello");
    EXPECT_EQ(ReadProfileString("Text", 3), "he");
    EXPECT_EQ(ReadProfileString("Text", 5000), "hello");
    EXPECT_EQ(ReadProfileString("Text", 5001), "Overflow!!!");
    EXPECT_EQ(ReadProfileString("Missing", 100), "");
    EXPECT_EQ(ReadProfileInt("Two"), 2);
    EXPECT_EQ(ReadProfileInt("Big"), static_cast<std::int16_t>(70000));
    EXPECT_EQ(ReadProfileInt("Missing"), 0);
    EXPECT_TRUE(ReadProfileFlag("One"));
    EXPECT_FALSE(ReadProfileFlag("Two"));
    EXPECT_FALSE(ReadProfileFlag("Missing"));
    EXPECT_TRUE(ReadProfileFlagDefaultOn("Missing"));
    EXPECT_FALSE(ReadProfileFlagDefaultOn("Two"));
    ResetProfileContext();
    EXPECT_EQ(ReadProfileString("Text", 100), "");
}

}  // namespace
}  // namespace orv
