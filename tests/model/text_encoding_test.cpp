// The ANSI code pages and the "UNICODE:" encoding.
#include <string>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/unicode_text.h"

namespace orv {
namespace {

class AnsiCodecTest : public ::testing::Test {
protected:
    void TearDown() override { SetAnsiCodePage(1252); }
};

TEST_F(AnsiCodecTest, Windows1252IncludingItsUpperControlRange)
{
    ASSERT_TRUE(SetAnsiCodePage(1252));
    EXPECT_EQ(AnsiToUtf8("\x80\x8A\x9F\xA4\xE9"), "\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC2\xA4\xC3\xA9");
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC2\xA4\xC3\xA9"), "\x80\x8A\x9F\xA4\xE9");
    // Every byte survives a round trip, the five the page leaves undefined included.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST_F(AnsiCodecTest, OtherPagesHoldTheirOwnLetters)
{
    ASSERT_TRUE(SetAnsiCodePage(1251));
    EXPECT_EQ(AnsiToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
    EXPECT_EQ(Utf8ToAnsi("Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(Utf8ToAnsi("café"), "caf?");
    ASSERT_TRUE(SetAnsiCodePage(1250));
    EXPECT_EQ(Utf8ToAnsi("Łódź"), "\xA3\xF3\x64\x9F");
    ASSERT_TRUE(SetAnsiCodePage(1253));
    EXPECT_EQ(AnsiToUtf8("\xD3"), "Σ");
    ASSERT_TRUE(SetAnsiCodePage(1254));
    EXPECT_EQ(Utf8ToAnsi("ğış"), "\xF0\xFD\xFE");
    ASSERT_TRUE(SetAnsiCodePage(1257));
    EXPECT_EQ(Utf8ToAnsi("ąčę"), "\xE0\xE8\xE6");
    EXPECT_FALSE(SetAnsiCodePage(437));
    EXPECT_EQ(AnsiCodePage(), 1257);
}

TEST_F(AnsiCodecTest, CharactersOutsideThePageAndInvalidUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD" "b\xF0\x9F\x98\x80" "c"), "a?b?c");
    EXPECT_EQ(Utf8ToAnsi("x\xC3"), "x?");                 // cut short
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");              // overlong form
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");         // encoded surrogate
    EXPECT_EQ(Utf8ToAnsi("\xFF\xFE"), "??");
    EXPECT_TRUE(FitsAnsiCodePage("Résumé €"));
    EXPECT_FALSE(FitsAnsiCodePage("Smile \xF0\x9F\x98\x80"));
    EXPECT_FALSE(FitsAnsiCodePage("\xC3"));
}

TEST(LineEndTest, ToCrLf)
{
    EXPECT_EQ(ToCrLf("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(ToCrLf("\n\n"), "\r\n\r\n");
}

TEST(UnicodeTextTest, EncodesUtf16LeBytes)
{
    EXPECT_EQ(EncodeUnicodeText("A"), "UNICODE:65;0;");
    EXPECT_EQ(EncodeUnicodeText("\xE2\x82\xAC"), "UNICODE:172;32;");
    EXPECT_EQ(EncodeUnicodeText(""), "UNICODE:");
    // An emoji outside the basic plane is a surrogate pair: D83D DE00.
    EXPECT_EQ(EncodeUnicodeText("\xF0\x9F\x98\x80"), "UNICODE:61;216;0;222;");
}

TEST(UnicodeTextTest, RoundTripsAnyText)
{
    for (const std::string text : {"A", "Menü – Übersicht", "Привет мир", "日本語のメニュー", "Play \xF0\x9F\x8E\xB5 now"}) {
        const std::string encoded = EncodeUnicodeText(text);
        EXPECT_TRUE(IsUnicodeEncoded(encoded));
        EXPECT_EQ(DecodeUnicodeText(encoded), text);
    }
}

TEST(UnicodeTextTest, DecodingEdgeCases)
{
    EXPECT_EQ(DecodeUnicodeText("UNICODE:65;"), "");          // a single byte value
    EXPECT_EQ(DecodeUnicodeText("UNICODE:65;0"), "");         // the last piece is ignored
    EXPECT_EQ(DecodeUnicodeText("UNICODE:"), "");
    EXPECT_EQ(DecodeUnicodeText("UNICODE:65;0;66"), "A");
    EXPECT_EQ(DecodeUnicodeText("UNICODE:x;65;66;0;"), std::string("\xE4\x84\x80" "B"));  // x counts as 0
    EXPECT_EQ(DecodeUnicodeText("UNICODE:;0;66;0;"), std::string("\0B", 2));
    EXPECT_EQ(DecodeUnicodeText("UNICODE:999;0;65;0;"), std::string("\0A", 2));
    EXPECT_EQ(DecodeUnicodeText("UNICODE:0;216;65;0;"), "\xEF\xBF\xBD" "A");  // lone surrogate
    EXPECT_EQ(DecodeUnicodeText("Plain text"), "Plain text");
    EXPECT_EQ(DecodeUnicodeText("unicode:65;0;"), "unicode:65;0;");  // case counts
    EXPECT_FALSE(IsUnicodeEncoded("unicode:65;0;"));
}

TEST(UnicodeTextTest, DecodeAndFlag)
{
    bool useUnicode = false;
    EXPECT_EQ(DecodeUnicodeText("Plain", useUnicode), "Plain");
    EXPECT_FALSE(useUnicode);
    EXPECT_EQ(DecodeUnicodeText("UNICODE:65;0;", useUnicode), "A");
    EXPECT_TRUE(useUnicode);
}

TEST(Utf8Test, LengthAndPrefixCountCharacters)
{
    EXPECT_EQ(Utf8Length("aé€\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(Utf8Prefix("aé€x", 3), "aé€");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(Utf8Length("\xFF\xC3"), 2u);  // each invalid byte counts once
}

}  // namespace
}  // namespace orv
