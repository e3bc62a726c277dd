// Copies and writes of menu creation over files that already stand in the destination: the
// new copy replaces whatever is at the path, so a menu can be built again into the same
// folder and nothing outside it is ever written.
#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "create/copy_file.h"
#include "support/test_home.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

class CreationCopyTest : public ::testing::Test {
protected:
    TestHome home;
};

TEST_F(CreationCopyTest, CopiesTakeTheSourcesPermissionsAndReplaceReadOnlyCopies)
{
    const std::string script = home.writeFile("src/run.sh", "#!/bin/sh\n");
    fs::permissions(home.path("src/run.sh"), fs::perms(0755));
    home.writeFile("menu/run.sh", "an earlier build's copy");
    fs::permissions(home.path("menu/run.sh"), fs::perms(0444));

    const mode_t previous = ::umask(022);
    EXPECT_EQ(CopyFileMapped(script, home.win("menu/run.sh")), 0);
    EXPECT_EQ(WriteFileMapped(home.win("menu/data.dat"), "d"), 0);
    ::umask(previous);

    EXPECT_EQ(home.readFile("menu/run.sh"), "#!/bin/sh\n");
    EXPECT_EQ(fs::status(home.path("menu/run.sh")).permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(home.path("menu/data.dat")).permissions(), fs::perms(0644));
}

TEST_F(CreationCopyTest, ASymlinkInTheDestinationIsReplacedNotWrittenThrough)
{
    const std::string from = home.writeFile("src/a.txt", "new");
    home.writeFile("elsewhere/a.txt", "outside");
    fs::create_directories(home.path("menu"));
    fs::create_symlink(home.path("elsewhere/a.txt"), home.path("menu/a.txt"));
    fs::create_symlink(home.path("elsewhere/b.txt"), home.path("menu/b.dat"));  // dangling

    EXPECT_EQ(CopyFileMapped(from, home.win("menu/a.txt")), 0);
    EXPECT_EQ(WriteFileMapped(home.win("menu/b.dat"), "data"), 0);

    EXPECT_FALSE(fs::is_symlink(home.path("menu/a.txt")));
    EXPECT_EQ(home.readFile("menu/a.txt"), "new");
    EXPECT_EQ(home.readFile("elsewhere/a.txt"), "outside");
    EXPECT_FALSE(fs::exists(home.path("elsewhere/b.txt")));
    EXPECT_EQ(home.readFile("menu/b.dat"), "data");
}

}  // namespace
}  // namespace orv::test
