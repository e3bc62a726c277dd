// Writing profile files: PutProfileText, ProfileWriter and the atomic file write.
#include <csignal>
#include <filesystem>
#include <optional>
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

using namespace std::string_literals;
using test::HomeTest;

class PutProfileTextTest : public HomeTest {};

// Each write into a file (none when there is no text before) and the bytes it leaves.
TEST_F(PutProfileTextTest, WritesIntoTheFilesOwnStyle)
{
    const struct {
        std::optional<std::string> before;
        const char *section, *key, *value;
        std::string after;
    } cases[] = {
        {std::nullopt, "Options", "Mode", "1", "[Options]\r\nMode = 1\r\n\r\n"},
        {"[Options]\r\nMode = 1\r\n\r\n", "Other", "Name", "x", "[Options]\r\nMode = 1\r\n\r\n[Other]\r\nName = x\r\n\r\n"},
        // Replaced in place, found without case, every other line kept.
        {"[AutoRun]\r\nOPEN=MENU.EXE\r\nlabel=Old label\r\nACTION=Start\r\n; note\r\n-(EOF)-\r\n", "autorun", "LABEL",
         "- USB Flash Drive 261204 -",
         "[AutoRun]\r\nOPEN=MENU.EXE\r\nlabel=- USB Flash Drive 261204 -\r\nACTION=Start\r\n; note\r\n-(EOF)-\r\n"},
        // A new key goes after the section's last key, spaced as the file is, quoted when blanks would go.
        {"[A]\nX=1\n\n[B]\nY=2\n", "A", "Z", "3", "[A]\nX=1\nZ=3\n\n[B]\nY=2\n"},
        {"[A]\r\nX = 1\r\n\r\n[A]\r\nW = 0\r\n", "A", "Z", "  blanks kept  ",
         "[A]\r\nX = 1\r\nZ = \"  blanks kept  \"\r\n\r\n[A]\r\nW = 0\r\n"},
        // A NUL ends only the value it is in.
        {"[S]\r\nA = x\0y\r\nB = 2\r\n[T]\r\nC = 3\r\n"s, "S", "A", "1", "[S]\r\nA = 1\r\nB = 2\r\n[T]\r\nC = 3\r\n"},
        {"[S]\r\nA = x\0y\r\n[T]\r\nC = 3\r\n"s, "T", "D", "4", "[S]\r\nA = x\0y\r\n[T]\r\nC = 3\r\nD = 4\r\n"s},
        // A UTF-8 byte order mark is skipped when reading and kept; the rest stays ANSI.
        {"\xEF\xBB\xBF[Options]\r\nName = caf\xE9\r\n", "Options", "Size", "3",
         "\xEF\xBB\xBF[Options]\r\nName = caf\xE9\r\nSize = 3\r\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "p" + std::to_string(++n) + ".ini";
        if (c.before)
            home.writeFile(name, *c.before);
        GetProfileText(home.win(name), c.section, c.key, "", 200);  // the file in the cache
        ASSERT_TRUE(PutProfileText(home.win(name), c.section, c.key, c.value)) << c.after;
        EXPECT_EQ(home.readFile(name), c.after);
        EXPECT_EQ(GetProfileText(home.win(name), c.section, c.key, "", 200), c.value);  // the cache sees the write
    }
    // Written in the ANSI code page; no folder, no file.
    ASSERT_TRUE(PutProfileText(home.win("c.ini"), "S", "K", "caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"));
    EXPECT_EQ(home.readFile("c.ini"), "[S]\r\nK = caf\xE9 \x80 ?\r\n\r\n");
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
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(file, bytes));
    EXPECT_EQ(bytes, "new content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path("dir")), {}), 1);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(home.win("dir/none.txt")));
    EXPECT_FALSE(FileExists(home.win("dir")));
    EXPECT_FALSE(FileExists(""));

    // A folder in the way stays.
    std::filesystem::create_directories(home.path("target.ini"));
    EXPECT_FALSE(WriteFileAtomic(home.win("target.ini"), "x"));
    EXPECT_FALSE(PutProfileText(home.win("target.ini"), "S", "K", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(home.path("target.ini")));
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

namespace fs = std::filesystem;

fs::perms modeOf(const fs::path& file) { return fs::status(file).permissions(); }

TEST_F(AtomicWriteTest, KeepsThePermissionsAndOwnerOfTheFileAndGivesNewFilesTheUsualOnes)
{
    // A project holds passwords in plain text: a private one stays private.
    const std::string secret = home.writeFile("p/secret.mnp", "old");
    fs::permissions(home.path("p/secret.mnp"), fs::perms::owner_read | fs::perms::owner_write);
    const std::string shared = home.writeFile("p/shared.ini", "old");
    fs::permissions(home.path("p/shared.ini"), fs::perms(0664));
    const bool root = ::geteuid() == 0;  // only the super-user can give a file to another user
    if (root) {
        ASSERT_EQ(::chown(home.path("p/shared.ini").c_str(), 65534, 65534), 0);
    }

    const mode_t previous = ::umask(022);
    EXPECT_TRUE(WriteFileAtomic(secret, "new"));
    EXPECT_TRUE(WriteFileAtomic(shared, "new"));
    EXPECT_TRUE(WriteFileAtomic(home.win("p/fresh.ini"), "new"));
    ::umask(previous);

    EXPECT_EQ(modeOf(home.path("p/secret.mnp")), fs::perms(0600));
    EXPECT_EQ(modeOf(home.path("p/shared.ini")), fs::perms(0664));
    EXPECT_EQ(modeOf(home.path("p/fresh.ini")), fs::perms(0644));
    EXPECT_EQ(home.readFile("p/secret.mnp"), "new");
    struct stat info {};
    ASSERT_EQ(::stat(home.path("p/shared.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
    EXPECT_EQ(info.st_gid, root ? 65534u : ::getegid());
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
