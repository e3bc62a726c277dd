#include "companions/flash_player_data.h"

#include <gtest/gtest.h>

#include "support/test_home.h"

namespace orv::companions {
namespace {

// The data file as menu creation writes it.
std::string flashData(const std::string& fileName, const std::string& title, const std::string& width,
                      const std::string& height, const std::string& dialogs)
{
    return "[Info]\r\nInfo = Veltrona Flash Player\r\n\r\n[General]\r\nFileName = " + fileName +
           "\r\nWinTitle = " + title + "\r\n\r\n[Size]\r\nWidth = " + width + "\r\nHeight = " + height +
           "\r\n\r\n[Options]\r\nShowDialogBoxes = " + dialogs + "\r\n";
}

class FlashPlayerDataTest : public test::HomeTest {};

TEST_F(FlashPlayerDataTest, ReadsEveryValueOfItsOwnFilesOnly)
{
    auto read = [&](const std::string& relative, const std::string& bytes) -> std::string {
        const auto d = readFlashPlayerData(home.writeFile(relative, bytes));
        if (!d)
            return "(none)";
        return d->fileName + "|" + d->windowTitle + "|" + std::to_string(d->width) + "x" + std::to_string(d->height) +
               "|" + (d->showDialogBoxes ? "dialogs" : "quiet");
    };
    EXPECT_EQ(read("a/VTFlashPlayer.dat", flashData("intro.swf", "Our Intro", "640", "480", "0")),
              "intro.swf|Our Intro|640x480|quiet");
    EXPECT_EQ(read("b/VTFlashPlayer.dat", flashData("b.swf", "", "", "", "1")), "b.swf||0x0|dialogs");
    EXPECT_EQ(read("c/x.dat", "[Info]\r\nInfo = something else\r\n"), "(none)");
    EXPECT_FALSE(readFlashPlayerData(home.win("medium/VTFlashPlayer.dat")).has_value());
    EXPECT_FALSE(readFlashPlayerData("").has_value());
}

TEST_F(FlashPlayerDataTest, TheAnimationFolderComesFirstThenThePlayers)
{
    const std::string player = home.win("medium/VTFlashPlayer");
    auto r = resolveFlashPlayerRequest("", player);
    EXPECT_EQ(r.animation + "|" + r.dataFile + "|" + r.data.windowTitle, "||") << "nothing to play";
    home.writeFile("medium/VTFlashPlayer/VTFlashPlayer.dat", flashData("", "Empty", "1", "1", "1"));
    r = resolveFlashPlayerRequest("", player);
    EXPECT_TRUE(r.animation.empty());
    EXPECT_EQ(r.dataFile, player + "\\VTFlashPlayer.dat");

    home.writeFile("medium/anim/VTFlashPlayer.dat", flashData("intro.swf", "Beside the animation", "1", "1", "1"));
    home.writeFile("medium/VTFlashPlayer/VTFlashPlayer.dat", flashData("other.swf", "Beside the player", "1", "1", "1"));
    r = resolveFlashPlayerRequest(home.win("medium/anim/intro.swf"), player);
    EXPECT_EQ(r.animation, home.win("medium/anim/intro.swf"));
    EXPECT_EQ(r.data.windowTitle, "Beside the animation");
    EXPECT_EQ(r.dataFile, home.win("medium/anim/VTFlashPlayer.dat"));

    // An animation without a data file of its own uses the one beside the player.
    r = resolveFlashPlayerRequest(home.win("medium/other/clip.swf"), player);
    EXPECT_EQ(r.animation, home.win("medium/other/clip.swf"));
    EXPECT_EQ(r.data.windowTitle, "Beside the player");

    // No argument: the data file beside the player names the animation, in its folder.
    r = resolveFlashPlayerRequest("", player);
    EXPECT_EQ(r.animation, player + "\\other.swf");
}

}  // namespace
}  // namespace orv::companions
