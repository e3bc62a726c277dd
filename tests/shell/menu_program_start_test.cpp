// How the menu program starts: which description file it picks and what its command line
// means.
#include <filesystem>
#include <fstream>

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

TEST(MenuFileLocator, FindsTheFileWithoutRegardToCase)
{
    test::TestHome home;
    touch(home.path("menu/orvnmenu.mni"));
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 1024, 768), home.path("menu/orvnmenu.mni"));
}

TEST(MenuFileLocator, PrefersTheVariantForTheScreen)
{
    test::TestHome home;
    touch(home.path("menu/ORVNMENU.MNI"));
    touch(home.path("menu/Orvnmenu_1024X768.mni"));
    touch(home.path("menu/ORVNMENU_800x600.MNI"));
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 1024, 768), home.path("menu/Orvnmenu_1024X768.mni"));
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 800, 600), home.path("menu/ORVNMENU_800x600.MNI"));
    // No variant for this screen, or no screen known: the plain file.
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 1920, 1080), home.path("menu/ORVNMENU.MNI"));
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 0, 0), home.path("menu/ORVNMENU.MNI"));
}

TEST(MenuFileLocator, OnlyAVariantOrNothing)
{
    test::TestHome home;
    touch(home.path("menu/ORVNMENU_640x480.MNI"));
    EXPECT_EQ(findMenuDescriptionFile(home.path("menu"), 640, 480), home.path("menu/ORVNMENU_640x480.MNI"));
    EXPECT_TRUE(findMenuDescriptionFile(home.path("menu"), 800, 600).empty());
    // A folder of that name is not a file.
    std::filesystem::create_directories(home.path("other/ORVNMENU.MNI"));
    EXPECT_TRUE(findMenuDescriptionFile(home.path("other"), 800, 600).empty());
    EXPECT_TRUE(findMenuDescriptionFile(home.path("no such folder"), 800, 600).empty());
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
}

}  // namespace
}  // namespace orv::shell
