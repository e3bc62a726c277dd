// Copies and writes of menu creation over files that already exist: what the old file was
// (permissions, a symlink, write protection) decides what the new one is.
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

TEST_F(CreationCopyTest, ReplacedFilesKeepTheirPermissionsNewOnesTakeTheSources)
{
    const std::string script = home.writeFile("src/run.sh", "#!/bin/sh\n");
    fs::permissions(home.path("src/run.sh"), fs::perms(0755));
    home.writeFile("menu/private.txt", "old");
    fs::permissions(home.path("menu/private.txt"), fs::perms(0600));

    const mode_t previous = ::umask(022);
    EXPECT_EQ(CopyFileMapped(script, home.win("menu/private.txt")), 0);
    EXPECT_EQ(CopyFileMapped(script, home.win("menu/run.sh")), 0);
    EXPECT_EQ(WriteFileMapped(home.win("menu/data.dat"), "d"), 0);
    ::umask(previous);

    EXPECT_EQ(fs::status(home.path("menu/private.txt")).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(home.path("menu/run.sh")).permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(home.path("menu/data.dat")).permissions(), fs::perms(0644));
    EXPECT_EQ(home.readFile("menu/private.txt"), "#!/bin/sh\n");
}

TEST_F(CreationCopyTest, SymlinksAreWrittenThroughAndWriteProtectedFilesRefused)
{
    const std::string from = home.writeFile("src/a.txt", "new");
    home.writeFile("elsewhere/a.txt", "old");
    fs::create_directories(home.path("menu"));
    fs::create_symlink(home.path("elsewhere/a.txt"), home.path("menu/a.txt"));
    EXPECT_EQ(CopyFileMapped(from, home.win("menu/a.txt")), 0);
    EXPECT_TRUE(fs::is_symlink(home.path("menu/a.txt")));
    EXPECT_EQ(home.readFile("elsewhere/a.txt"), "new");

    home.writeFile("menu/ro.txt", "old");
    fs::permissions(home.path("menu/ro.txt"), fs::perms(0444));
    EXPECT_EQ(CopyFileMapped(from, home.win("menu/ro.txt")), 70);
    EXPECT_EQ(WriteFileMapped(home.win("menu/ro.txt"), "x"), 70);
    EXPECT_EQ(home.readFile("menu/ro.txt"), "old");
}

}  // namespace
}  // namespace orv::test
