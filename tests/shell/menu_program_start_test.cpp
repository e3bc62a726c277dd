// How the menu program starts: which description file it picks and what its command line
// means.
#include <filesystem>
#include <fstream>
#include <tuple>

#include <gtest/gtest.h>

#include "shell/menu_file_locator.h"
#include "shell/shell_arguments.h"
#include "support/test_home.h"

namespace orv::shell {
namespace {

void touch(const std::filesystem::path& p)
{
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

TEST(MenuFileLocator, PrefersTheVariantForTheScreenAndIgnoresCase)
{
    test::TestHome home;
    touch(home.path("menu/ORVNMENU.MNI"));
    touch(home.path("menu/Orvnmenu_1024X768.mni"));
    touch(home.path("menu/ORVNMENU_800x600.MNI"));
    touch(home.path("lower/orvnmenu.mni"));
    touch(home.path("variant/ORVNMENU_640x480.MNI"));
    std::filesystem::create_directories(home.path("other/ORVNMENU.MNI"));  // a folder is no file
    const std::tuple<const char*, int, int, const char*> cases[] = {
        {"menu", 1024, 768, "menu/Orvnmenu_1024X768.mni"}, {"menu", 800, 600, "menu/ORVNMENU_800x600.MNI"},
        // No variant for this screen, or no screen known: the plain file.
        {"menu", 1920, 1080, "menu/ORVNMENU.MNI"}, {"menu", 0, 0, "menu/ORVNMENU.MNI"},
        {"lower", 1024, 768, "lower/orvnmenu.mni"}, {"variant", 640, 480, "variant/ORVNMENU_640x480.MNI"},
        {"variant", 800, 600, nullptr}, {"other", 800, 600, nullptr}, {"no such folder", 800, 600, nullptr},
    };
    for (const auto& [folder, width, height, found] : cases)
        EXPECT_EQ(findMenuDescriptionFile(home.path(folder), width, height),
                  found ? home.path(found) : std::filesystem::path())
            << folder << " " << width << "x" << height;
}

TEST(ShellArguments, SwitchesAndMenuFile)
{
    EXPECT_FALSE(parseShellArguments({}).testRun);
    EXPECT_FALSE(parseShellArguments({}).resizeMode);
    EXPECT_FALSE(parseShellArguments({"/TEST"}).resizeMode);
    EXPECT_FALSE(parseShellArguments({" /resize-eng "}).testRun);
    EXPECT_TRUE(parseShellArguments({" /resize-eng "}).resizeMode);

    auto a = parseShellArguments({"/Test", "-RESIZE-ENG", "/UNKNOWN", "E:\\Menu\\sub.mni", "second.mni"});
    EXPECT_TRUE(a.testRun);
    EXPECT_TRUE(a.resizeMode);
    EXPECT_EQ(a.menuFile, "E:\\Menu\\sub.mni");
    EXPECT_TRUE(a.layoutFile.empty());

    // A host path is a file, not a switch; the layout file keeps its spelling.
    auto b = parseShellArguments({"/layout:\"/tmp/Out Put.txt\"", "/tmp/menu/ORVNMENU.MNI"});
    EXPECT_EQ(b.layoutFile, "/tmp/Out Put.txt");
    EXPECT_EQ(b.menuFile, "/tmp/menu/ORVNMENU.MNI");

    // The screenshot file follows its switch, or is joined to it; it is never the menu file.
    auto c = parseShellArguments({"--screenshot", "shot.png", "menu.mni"});
    EXPECT_EQ(c.screenshotFile, "shot.png");
    EXPECT_EQ(c.menuFile, "menu.mni");
    EXPECT_EQ(parseShellArguments({"/SCREENSHOT:Z:\\out.png"}).screenshotFile, "Z:\\out.png");
    EXPECT_TRUE(parseShellArguments({"--screenshot"}).screenshotFile.empty());
}

}  // namespace
}  // namespace orv::shell
