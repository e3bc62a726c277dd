// The shared message routine and the password scramble.
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "model/messages.h"
#include "model/scramble.h"
#include "support/test_home.h"

namespace orv {
namespace {

class MessageTest : public test::HomeTest {};

TEST_F(MessageTest, OutsideBatchModeTheUserSeesIt)
{
    ShowOrLogMessage("Disk full", 16, "Error");
    ASSERT_EQ(home.ui().messages().size(), 1u);
    const auto& shown = home.ui().messages()[0];
    EXPECT_EQ(shown.text + "|" + std::to_string(shown.style) + "|" + shown.title, "Disk full|16|Error");
    EXPECT_FALSE(Batch().BatchErrorLogged);
}

TEST_F(MessageTest, InBatchModeTheLogHoldsTheLastMessageOnly)
{
    Batch().BatchBuildMode = true;
    ShowOrLogMessage("Nowhere", 16, "Error");  // no log file: only the mark
    EXPECT_TRUE(Batch().BatchErrorLogged);

    Batch().BatchErrorLogged = false;
    Batch().BatchLogFile = home.win("build.log");
    ShowOrLogMessage("First", 48, "Warning");
    ShowOrLogMessage("Second: caf\xC3\xA9", 16, "Error");
    EXPECT_EQ(home.readFile("build.log"), "Second: caf\xE9\r\n");
    EXPECT_TRUE(Batch().BatchErrorLogged);

    Batch().BatchErrorLogged = false;
    Batch().BatchLogFile = home.win("no/such/folder/build.log");
    ShowOrLogMessage("Lost", 16, "Error");
    EXPECT_TRUE(Batch().BatchErrorLogged);
    EXPECT_TRUE(home.ui().messages().empty());
}

TEST(ScrambleTest, RoundTripsAnyTextAndDiffersEachTime)
{
    for (const std::string& text : std::vector<std::string>{"a", "pass word \"quoted\"", "Pässwörd €",
                                   "\xE5\xAF\x86\xE7\xA0\x81\xF0\x9F\x94\x91", std::string(300, 'x')}) {
        const std::string scrambled = ScrambleText(text);
        EXPECT_EQ(UnscrambleText(scrambled), text);
        EXPECT_EQ(scrambled.size(), 4 + 2 * text.size());
        for (char c : scrambled)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << scrambled;
    }
    bool differs = false;
    const std::string first = ScrambleText("same");
    for (int i = 0; i < 20 && !differs; ++i)
        differs = ScrambleText("same") != first;
    EXPECT_TRUE(differs);
    EXPECT_EQ(ScrambleText("same").find("same"), std::string::npos);
}

TEST(ScrambleTest, FixedSchemeAndMalformedValues)
{
    EXPECT_EQ(ScrambleText(""), "");
    const std::pair<std::string_view, const char*> cases[] = {
        {"vd8CXx", "a"},  // the prefix gives the key 52, the scheme the menu program shares
        {"", ""},
        {"vd8C", ""},                             // prefix alone
        {std::string_view("vd8CXxXx", 7), ""},    // odd length: the byte after the value is not read
        {"vd8C!!", ""},                           // foreign characters
    };
    for (const auto& [scrambled, text] : cases)
        EXPECT_EQ(UnscrambleText(scrambled), text) << scrambled;
}

}  // namespace
}  // namespace orv
