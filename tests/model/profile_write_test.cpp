// Writing profile files: PutProfileText, ProfileWriter and the atomic file write.
#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/file_io.h"
#include "model/profile.h"
#include "support/test_home.h"

namespace orv {
namespace {

using test::HomeTest;

class PutProfileTextTest : public HomeTest {};

TEST_F(PutProfileTextTest, CreatesFileAndSection)
{
    const std::string file = home.win("new.ini");
    ASSERT_TRUE(PutProfileText(file, "Options", "Mode", "1"));
    EXPECT_EQ(home.readFile("new.ini"), "[Options]\r\nMode = 1\r\n\r\n");
    ASSERT_TRUE(PutProfileText(file, "Other", "Name", "x"));
    EXPECT_EQ(home.readFile("new.ini"), "[Options]\r\nMode = 1\r\n\r\n[Other]\r\nName = x\r\n\r\n");
    EXPECT_EQ(GetProfileText(file, "Other", "Name", "", 200), "x");
}

TEST_F(PutProfileTextTest, ReplacesInPlaceAndKeepsEveryOtherLine)
{
    const std::string file = home.writeFile(
        "AUTORUN.INF", "[AutoRun]\r\nOPEN=MENU.EXE\r\nlabel=Old label\r\nACTION=Start\r\n; note\r\n-(EOF)-\r\n");
    EXPECT_EQ(GetProfileText(file, "AutoRun", "LABEL", "", 200), "Old label");
    ASSERT_TRUE(PutProfileText(file, "autorun", "LABEL", "- USB Flash Drive 261204 -"));
    EXPECT_EQ(home.readFile("AUTORUN.INF"),
              "[AutoRun]\r\nOPEN=MENU.EXE\r\nlabel=- USB Flash Drive 261204 -\r\nACTION=Start\r\n; note\r\n-(EOF)-\r\n");
    // The cache sees the write at once.
    EXPECT_EQ(GetProfileText(file, "AutoRun", "Label", "", 200), "- USB Flash Drive 261204 -");
}

TEST_F(PutProfileTextTest, AddsKeyAfterTheSectionsLastKeyInTheFilesStyle)
{
    const std::string file = home.writeFile("a.ini", "[A]\nX=1\n\n[B]\nY=2\n");
    ASSERT_TRUE(PutProfileText(file, "A", "Z", "3"));
    EXPECT_EQ(home.readFile("a.ini"), "[A]\nX=1\nZ=3\n\n[B]\nY=2\n");

    const std::string spaced = home.writeFile("b.ini", "[A]\r\nX = 1\r\n\r\n[A]\r\nW = 0\r\n");
    ASSERT_TRUE(PutProfileText(spaced, "A", "Z", "  blanks kept  "));
    EXPECT_EQ(home.readFile("b.ini"), "[A]\r\nX = 1\r\nZ = \"  blanks kept  \"\r\n\r\n[A]\r\nW = 0\r\n");
    EXPECT_EQ(GetProfileText(spaced, "A", "Z", "", 200), "  blanks kept  ");
}

TEST_F(PutProfileTextTest, ANulEndsOnlyTheValueItIsIn)
{
    const std::string file = home.writeFile("nul.ini", std::string("[S]\r\nA = x\0y\r\nB = 2\r\n[T]\r\nC = 3\r\n", 33));
    ASSERT_TRUE(PutProfileText(file, "S", "A", "1"));
    EXPECT_EQ(home.readFile("nul.ini"), "[S]\r\nA = 1\r\nB = 2\r\n[T]\r\nC = 3\r\n");
    ASSERT_TRUE(PutProfileText(file, "T", "D", "4"));
    EXPECT_EQ(GetProfileText(file, "T", "D", "", 200), "4");
}

TEST_F(PutProfileTextTest, WritesTheAnsiCodePage)
{
    const std::string file = home.win("c.ini");
    ASSERT_TRUE(PutProfileText(file, "S", "K", "caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"));
    EXPECT_EQ(home.readFile("c.ini"), "[S]\r\nK = caf\xE9 \x80 ?\r\n\r\n");
}

TEST_F(PutProfileTextTest, FailsWithoutFolder)
{
    EXPECT_FALSE(PutProfileText(home.win("no/such/folder/x.ini"), "S", "K", "v"));
    EXPECT_FALSE(std::filesystem::exists(home.path("no")));
}

TEST(ProfileWriterTest, SectionsValuesAndEndLine)
{
    ProfileWriter w;
    w.section("Origin");
    w.value("Ver", "8.6.9");
    w.value("Count", -12L);
    w.flag("On", true);
    w.flag("Off", false);
    w.section("Empty");
    w.section("Last");
    w.value("Text", "line\r\nbreak");
    w.endSection();
    w.line("-(EOF)-");
    EXPECT_EQ(w.finish(),
              "[Origin]\r\nVer = 8.6.9\r\nCount = -12\r\nOn = 1\r\nOff = 0\r\n\r\n"
              "[Empty]\r\n\r\n[Last]\r\nText = line  break\r\n\r\n-(EOF)-\r\n");
}

class AtomicWriteTest : public HomeTest {};

TEST_F(AtomicWriteTest, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    const std::string file = home.writeFile("dir/f.txt", "old");
    ASSERT_TRUE(WriteFileAtomic(file, "new content"));
    EXPECT_EQ(home.readFile("dir/f.txt"), "new content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path("dir")), {}), 1);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(file, bytes));
    EXPECT_EQ(bytes, "new content");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(home.win("dir/none.txt")));
    EXPECT_FALSE(FileExists(home.win("dir")));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(AtomicWriteTest, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the super-user may write into read-only folders";
    const std::string file = home.writeFile("ro/f.txt", "old");
    std::filesystem::permissions(home.path("ro"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(WriteFileAtomic(file, "new"));
    std::filesystem::permissions(home.path("ro"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(home.readFile("ro/f.txt"), "old");
}

TEST_F(AtomicWriteTest, FailureHalfWayKeepsTheOldFileAndRemovesTheTemporary)
{
    // A file-size limit makes the write fail after its first bytes, for every user.
    const std::string file = home.writeFile("lim/f.txt", "old");
    struct rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = previous;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool ok = WriteFileAtomic(file, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(home.readFile("lim/f.txt"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path("lim")), {}), 1);
}

TEST_F(AtomicWriteTest, FolderInTheWayFails)
{
    std::filesystem::create_directories(home.path("target.ini"));
    EXPECT_FALSE(WriteFileAtomic(home.win("target.ini"), "x"));
    EXPECT_FALSE(PutProfileText(home.win("target.ini"), "S", "K", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(home.path("target.ini")));
}

namespace fs = std::filesystem;

fs::perms modeOf(const fs::path& file) { return fs::status(file).permissions(); }

TEST_F(AtomicWriteTest, KeepsThePermissionsOfTheFileAndGivesNewFilesTheUsualOnes)
{
    // A project holds passwords in plain text: a private one stays private.
    const std::string secret = home.writeFile("p/secret.mnp", "old");
    fs::permissions(home.path("p/secret.mnp"), fs::perms::owner_read | fs::perms::owner_write);
    const std::string shared = home.writeFile("p/shared.ini", "old");
    fs::permissions(home.path("p/shared.ini"), fs::perms(0664));

    const mode_t previous = ::umask(022);
    EXPECT_TRUE(WriteFileAtomic(secret, "new"));
    EXPECT_TRUE(WriteFileAtomic(shared, "new"));
    EXPECT_TRUE(WriteFileAtomic(home.win("p/fresh.ini"), "new"));
    ::umask(previous);

    EXPECT_EQ(modeOf(home.path("p/secret.mnp")), fs::perms(0600));
    EXPECT_EQ(modeOf(home.path("p/shared.ini")), fs::perms(0664));
    EXPECT_EQ(modeOf(home.path("p/fresh.ini")), fs::perms(0644));
    EXPECT_EQ(home.readFile("p/secret.mnp"), "new");
}

TEST_F(AtomicWriteTest, WritesThroughSymlinksToTheirTarget)
{
    home.writeFile("real/menu.mnp", "old");
    fs::create_directories(home.path("links"));
    fs::create_symlink("../real/menu.mnp", home.path("links/menu.mnp"));
    fs::create_symlink(home.path("links/menu.mnp"), home.path("links/chain.mnp"));
    fs::create_symlink("../real/later.mnp", home.path("links/dangling.mnp"));

    ASSERT_TRUE(WriteFileAtomic(home.win("links/chain.mnp"), "through two links"));
    EXPECT_TRUE(fs::is_symlink(home.path("links/chain.mnp")));
    EXPECT_TRUE(fs::is_symlink(home.path("links/menu.mnp")));
    EXPECT_EQ(home.readFile("real/menu.mnp"), "through two links");

    // A link to a file not made yet creates that file.
    ASSERT_TRUE(WriteFileAtomic(home.win("links/dangling.mnp"), "new"));
    EXPECT_TRUE(fs::is_symlink(home.path("links/dangling.mnp")));
    EXPECT_EQ(home.readFile("real/later.mnp"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path("links")), {}), 3);
}

TEST_F(AtomicWriteTest, RefusesAWriteProtectedFile)
{
    // No write bit at all is the read-only attribute: refused for every user, also root.
    const std::string file = home.writeFile("ro/f.mnp", "old");
    fs::permissions(home.path("ro/f.mnp"), fs::perms(0444));
    EXPECT_TRUE(IsWriteProtected(file));
    EXPECT_FALSE(WriteFileAtomic(file, "new"));
    EXPECT_FALSE(PutProfileText(file, "S", "K", "v"));
    EXPECT_EQ(home.readFile("ro/f.mnp"), "old");
    EXPECT_EQ(modeOf(home.path("ro/f.mnp")), fs::perms(0444));

    fs::permissions(home.path("ro/f.mnp"), fs::perms(0644));
    EXPECT_FALSE(IsWriteProtected(file));
    EXPECT_FALSE(IsWriteProtected(home.win("ro/missing.mnp")));
    EXPECT_FALSE(IsWriteProtected(home.win("ro")));
}

TEST_F(AtomicWriteTest, KeepsTheOwnerOfTheFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the super-user can give a file to another user";
    const std::string file = home.writeFile("own/f.mnp", "old");
    ASSERT_EQ(::chown(home.path("own/f.mnp").c_str(), 65534, 65534), 0);
    ASSERT_TRUE(WriteFileAtomic(file, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(home.path("own/f.mnp").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(AtomicWriteTest, RemovesOnlyItsOwnStaleTemporaryFiles)
{
    // The id of a process that has ended: its save was killed half-way.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);

    const std::string file = home.writeFile("t/f.mnp", "old");
    home.writeFile("t/.f.mnp~" + dead + "-0badcafe.tmp", "killed save");
    home.writeFile("t/.f.mnp~" + std::to_string(::getppid()) + "-0badcafe.tmp", "save running elsewhere");
    home.writeFile("t/.g.mnp~" + dead + "-0badcafe.tmp", "another file's");
    home.writeFile("t/.f.mnp~" + dead + "-notahex.tmp", "not ours");
    home.writeFile("t/f.mnp.tmp", "the author's");

    ASSERT_TRUE(WriteFileAtomic(file, "new"));
    EXPECT_FALSE(fs::exists(home.path("t/.f.mnp~" + dead + "-0badcafe.tmp")));
    EXPECT_TRUE(fs::exists(home.path("t/.f.mnp~" + std::to_string(::getppid()) + "-0badcafe.tmp")));
    EXPECT_TRUE(fs::exists(home.path("t/.g.mnp~" + dead + "-0badcafe.tmp")));
    EXPECT_TRUE(fs::exists(home.path("t/.f.mnp~" + dead + "-notahex.tmp")));
    EXPECT_TRUE(fs::exists(home.path("t/f.mnp.tmp")));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path("t")), {}), 5);
}

}  // namespace
}  // namespace orv
