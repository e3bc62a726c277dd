// Reading profile files: the lookup rules, damaged input, buffer cuts and numbers.
#include <algorithm>
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/profile.h"
#include "support/test_home.h"

namespace orv {
namespace {

using test::HomeTest;

TEST(ProfileDocumentTest, NamesMatchWithoutCaseAndBlanks)
{
    const auto doc = ProfileDocument::parse("  [ Main Window ]  \r\n  Width  =  500  \r\nÄpfel=1\r\n");
    ASSERT_NE(doc.find("main window", "WIDTH"), nullptr);
    EXPECT_EQ(*doc.find("MAIN WINDOW", " width "), "500");
    EXPECT_EQ(*doc.find("  Main Window", "width  "), "500");
    ASSERT_NE(doc.find("main window", "äPFEL"), nullptr);  // Latin-1 letters fold too
    EXPECT_EQ(doc.find("MainWindow", "Width"), nullptr);
    EXPECT_EQ(doc.find("Main Window", "Height"), nullptr);
}

TEST(ProfileDocumentTest, ValueIsTextAfterFirstEqualsTrimmedAndUnquoted)
{
    const auto doc = ProfileDocument::parse(
        "[S]\nA = x = y \nB = \"  quoted  \"\nC = \"half\nD=\nE = \"\"\nF = a\"b\"\n");
    EXPECT_EQ(*doc.find("S", "A"), "x = y");
    EXPECT_EQ(*doc.find("S", "B"), "  quoted  ");
    EXPECT_EQ(*doc.find("S", "C"), "\"half");
    EXPECT_EQ(*doc.find("S", "D"), "");
    EXPECT_EQ(*doc.find("S", "E"), "");
    EXPECT_EQ(*doc.find("S", "F"), "a\"b\"");
}

TEST(ProfileDocumentTest, FirstSectionAndFirstKeyWin)
{
    const auto doc = ProfileDocument::parse("[S]\nK=1\nk=2\n[T]\nK=3\n[s]\nK=4\nL=5\n");
    EXPECT_EQ(*doc.find("S", "K"), "1");
    EXPECT_EQ(*doc.find("T", "K"), "3");
    // A key only in the second [S] is not seen: the first section of a name counts.
    EXPECT_EQ(doc.find("S", "L"), nullptr);
}

TEST(ProfileDocumentTest, EveryLineEndWorksAndNulEndsOnlyItsValue)
{
    const auto doc = ProfileDocument::parse(std::string("[A]\rX=1\r[B]\r\nY=2\n[C]\nZ=3\0junk\n\0[E]\n[D]\nW=4\n", 43));
    EXPECT_EQ(*doc.find("A", "X"), "1");
    EXPECT_EQ(*doc.find("B", "Y"), "2");
    EXPECT_EQ(*doc.find("C", "Z"), "3");
    EXPECT_EQ(*doc.find("D", "W"), "4");
    EXPECT_FALSE(doc.hasSection("E"));  // a line that starts with NUL says nothing
}

TEST(ProfileDocumentTest, LinesOfOtherShapesAreSkipped)
{
    const auto doc = ProfileDocument::parse("K=before any section\n[S\nno equals sign\n=no key\n[S]\n= value\n"
                                            "  = 5\n[S2 without close\nK=1\n[]\nE=2\n");
    EXPECT_FALSE(doc.hasSection("S2 without close"));
    EXPECT_EQ(*doc.find("S", "K"), "1");
    EXPECT_EQ(doc.find("S", ""), nullptr);  // a value without a key after a header
    EXPECT_EQ(doc.sections()[0].entries.size(), 1u);
    EXPECT_EQ(*doc.find("", "E"), "2");
    EXPECT_EQ(doc.sections().size(), 2u);
}

TEST(ProfileDocumentTest, BinaryAndTruncatedInputGivesNoValues)
{
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 7919 + 13) % 255 + 1);
    const auto doc = ProfileDocument::parse(noise);
    EXPECT_EQ(doc.find("Origin", "Ver"), nullptr);
    const auto cut = ProfileDocument::parse("[Origin]\nVer = 8.6");
    EXPECT_EQ(*cut.find("Origin", "Ver"), "8.6");
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
    EXPECT_EQ(ProfileNumberOf("12px"), 12);
    EXPECT_EQ(ProfileNumberOf("-3"), -3);
    EXPECT_EQ(ProfileNumberOf("+7"), 7);
    EXPECT_EQ(ProfileNumberOf("x12"), 0);
    EXPECT_EQ(ProfileNumberOf("0x1F"), 0);
    EXPECT_EQ(ProfileNumberOf("16711680"), 16711680);
    EXPECT_EQ(ProfileNumberOf("4294967295"), -1);  // 32-bit arithmetic, as Windows reads it
}

class ProfileFileTest : public HomeTest {};

TEST_F(ProfileFileTest, AUtf8ByteOrderMarkIsSkippedAndKeptOnRewrite)
{
    const std::string file = home.writeFile("bom.ini", "\xEF\xBB\xBF[Options]\r\nName = caf\xE9\r\n");
    EXPECT_EQ(GetProfileText(file, "Options", "Name", "", 200), "caf\xC3\xA9");  // the rest stays ANSI
    ASSERT_TRUE(PutProfileText(file, "Options", "Size", "3"));
    EXPECT_EQ(home.readFile("bom.ini"), "\xEF\xBB\xBF[Options]\r\nName = caf\xE9\r\nSize = 3\r\n");
}

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

TEST_F(ProfileFileTest, FileIsReadInTheAnsiCodePage)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = \x80 caf\xE9\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "\xE2\x82\xAC caf\xC3\xA9");
}

TEST_F(ProfileFileTest, CacheKeepsTheFileUntilFlushed)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = old\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "old");
    home.writeFile("p.ini", "[S]\r\nK = new\r\n");
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "old");
    FlushProfileCache(file);
    EXPECT_EQ(GetProfileText(file, "S", "K", "", 200), "new");
}

TEST_F(ProfileFileTest, ReaderStartsSeeAChangedFile)
{
    const std::string file = home.writeFile("p.ini", "[S]\r\nK = first\r\n");
    EXPECT_EQ(*CachedProfile(file).find("S", "K"), "first");
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

// Time of the fastest of three runs of 1760 lookups of existing keys.
std::chrono::nanoseconds lookupTime(const std::string& file, int buttons, int fields)
{
    std::chrono::nanoseconds best = std::chrono::hours(1);
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 1760; ++i) {
            const int n = i % buttons + 1, f = i / buttons % fields;
            const std::string key = "button" + std::to_string(n) + "field" + std::to_string(f);
            EXPECT_FALSE(GetProfileText(file, "ButtonData", key, "", 200).empty());
        }
        best = std::min(best, std::chrono::steady_clock::now() - start);
    }
    return best;
}

std::string buttonData(int buttons, int fields)
{
    ProfileWriter writer;
    writer.section("ButtonData");
    for (int n = 1; n <= buttons; ++n)
        for (int f = 0; f < fields; ++f)
            writer.value("Button" + std::to_string(n) + "Field" + std::to_string(f), "value " + std::to_string(f));
    return writer.finish();
}

TEST_F(ProfileFileTest, LookupTimeDoesNotGrowWithTheFile)
{
    // A project with 44 buttons has about 2000 lines and is read with as many lookups; a
    // scan per key would make each lookup there some 400 times slower than in a tiny file.
    const std::string big = home.writeFile("big.mnp", buttonData(44, 40));
    const std::string small = home.writeFile("small.mnp", buttonData(2, 2));
    EXPECT_EQ(CachedProfile(big).sections()[0].entries.size(), 1760u);
    const auto inBig = lookupTime(big, 44, 40);
    const auto inSmall = lookupTime(small, 2, 2);
    EXPECT_LT(inBig.count(), 8 * inSmall.count() + 2'000'000) << inBig.count() << " ns vs " << inSmall.count();
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
