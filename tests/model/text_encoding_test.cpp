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

TEST(UnicodeTextTest, EncodesUtf16LeBytesAndRoundTripsAnyText)
{
    const std::pair<const char*, const char*> encoded[] = {
        {"A", "UNICODE:65;0;"},
        {"\xE2\x82\xAC", "UNICODE:172;32;"},
        {"", "UNICODE:"},
        {"\xF0\x9F\x98\x80", "UNICODE:61;216;0;222;"},  // outside the basic plane: a surrogate pair
    };
    for (const auto& [text, form] : encoded)
        EXPECT_EQ(EncodeUnicodeText(text), form) << text;
    for (const std::string text : {"Menü – Übersicht", "Привет мир", "日本語のメニュー", "Play \xF0\x9F\x8E\xB5 now"}) {
        bool useUnicode = false;
        EXPECT_EQ(DecodeUnicodeText(EncodeUnicodeText(text), useUnicode), text);
        EXPECT_TRUE(useUnicode);
    }
}

TEST(UnicodeTextTest, DecodingEdgeCases)
{
    const std::pair<const char*, std::string> cases[] = {
        {"UNICODE:65;", ""},      // a single byte value
        {"UNICODE:65;0", ""},     // the last piece is ignored
        {"UNICODE:", ""},
        {"UNICODE:65;0;66", "A"},
        {"UNICODE:x;65;66;0;", "\xE4\x84\x80" "B"},  // x counts as 0
        {"UNICODE:;0;66;0;", std::string("\0B", 2)},
        {"UNICODE:999;0;65;0;", std::string("\0A", 2)},
        {"UNICODE:0;216;65;0;", "\xEF\xBF\xBD" "A"},  // lone surrogate
        {"Plain text", "Plain text"},
        {"unicode:65;0;", "unicode:65;0;"},  // case counts
    };
    for (const auto& [form, text] : cases) {
        bool useUnicode = false;
        EXPECT_EQ(DecodeUnicodeText(form, useUnicode), text) << form;
        EXPECT_EQ(useUnicode, std::string_view(form).starts_with("UNICODE:")) << form;
        EXPECT_EQ(IsUnicodeEncoded(form), useUnicode) << form;
    }
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
