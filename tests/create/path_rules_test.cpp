// The path rules, the detailed copy-error facts and the copies with their error numbers
// (the create dialog's rules are tested with the dialog).
#include <sys/stat.h>

#include <gmock/gmock.h>

#include "create/copy_file.h"
#include "create/detailed_copy_error.h"
#include "create/path_rules.h"
#include "support/test_home.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

TEST(PathRules, MarkersAndRelativeTargets)
{
    EXPECT_EQ(DropFolderMarker("*\\\\pics"), "\\pics");
    // A leading backslash is the medium's root, which is the destination folder.
    for (const char* folder : {"pics", "\xC2\xA4pics", "\xC2\xA4\\pics", "*\\pics", "\\pics", "/pics"})
        EXPECT_EQ(CopyTargetPathOf("E:\\Menu", "C:\\a\\logo.png", folder), "E:\\Menu\\pics\\logo.png") << folder;
    EXPECT_EQ(CopyTargetPathOf("E:\\Menu", "C:\\a\\logo.png", "pics\\\\deep"), "E:\\Menu\\pics\\deep\\logo.png");
    EXPECT_EQ(CopyTargetPathOf("E:\\", "C:\\a\\logo.png", "pics"), "E:\\pics\\logo.png");
    // A drive or network path stays where it points; ".." is resolved.
    EXPECT_EQ(AbsolutePathFromRelative("E:\\Menu", "F:\\x\\..\\y"), "F:\\y");
    EXPECT_EQ(AbsolutePathFromRelative("E:\\Menu", "\\\\srv\\share\\y"), "\\\\srv\\share\\y");
    EXPECT_EQ(AbsolutePathFromRelative("E:\\Menu", "\\..\\y"), "E:\\y");
    // Climbing above the drive root gives no target at all.
    EXPECT_EQ(AbsolutePathFromRelative("E:\\Menu", "..\\..\\x"), "");
}

TEST(PathRules, TargetsInsideTheDestination)
{
    EXPECT_TRUE(TargetInsideDestination("E:\\Menu", "E:\\Menu\\docs\\a.pdf"));
    EXPECT_TRUE(TargetInsideDestination("E:\\Menu\\", "e:\\MENU\\a.pdf")) << "case and a trailing backslash";
    EXPECT_TRUE(TargetInsideDestination("E:\\Menu", "E:\\Other\\..\\Menu\\.\\a.pdf"));
    EXPECT_TRUE(TargetInsideDestination("E:\\", "E:\\a.pdf"));
    EXPECT_TRUE(TargetInsideDestination("E:\\Größe", "E:\\GRÖßE\\a.pdf"));

    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", "E:\\Menu")) << "the folder itself is no file in it";
    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", "E:\\Menu2\\a.pdf"));
    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", "E:\\Menu\\..\\a.pdf"));
    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", "F:\\Menu\\a.pdf"));
    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", "\\\\srv\\share\\Menu\\a.pdf"));
    EXPECT_FALSE(TargetInsideDestination("E:\\Menu", ""));
    EXPECT_FALSE(TargetInsideDestination("", "E:\\Menu\\a.pdf"));

    // A folder that is a link out of the destination leads out.
    TestHome home;
    fs::create_directories(home.path("menu/pictures"));
    fs::create_directories(home.path("outside"));
    fs::create_directory_symlink(home.path("outside"), home.path("menu/docs"));
    EXPECT_TRUE(TargetInsideDestination(home.win("menu"), home.win("menu") + "\\pictures\\a.png"));
    EXPECT_FALSE(TargetInsideDestination(home.win("menu"), home.win("menu") + "\\docs\\new\\a.pdf"));
}

TEST(DetailedCopyError, FactsFollowWhatExists)
{
    TestHome home;
    home.writeFile("src/a.pdf", "x");
    home.writeFile("src/ab", "x");
    fs::create_directories(home.path("dst"));
    DetailedCopyError e = DescribeCopyError("T", "M", "a.pdf", home.win("src"), home.win("dst"));
    EXPECT_EQ(e.sourceFolderExists.answer, "Yes");
    EXPECT_EQ(e.sourceFileExists.answer, "Yes");
    EXPECT_EQ(e.sourceFileExists.colour(), RgbColour(0, 0, 0));
    EXPECT_EQ(e.targetFolderExists.answer, "Yes");
    EXPECT_EQ(e.targetFileExists.answer, "No - File is missing");
    EXPECT_EQ(e.targetFileExists.colour(), RgbColour(132, 0, 0));

    e = DescribeCopyError("T", "M", "ab", home.win("src"), "E:");
    EXPECT_EQ(e.sourceFileExists.answer, "Note! Filename is too short!");
    EXPECT_EQ(e.targetFolderExists.answer, "-");
    EXPECT_EQ(e.targetFileExists.answer, "-");
}

class CopyFileTest : public HomeTest {};

TEST_F(CopyFileTest, ErrorNumbersForMissingThings)
{
    const std::string from = home.writeFile("a/f.txt", "x");
    fs::create_directories(home.path("b"));
    EXPECT_EQ(CopyFileMapped(home.win("a/none.txt"), home.win("b/f.txt")), 53);
    EXPECT_EQ(CopyFileMapped(home.win("none/f.txt"), home.win("b/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped("f.txt", home.win("b/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped(from, home.win("none/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped(from, home.win("b")), 75);
    EXPECT_EQ(CopyFileMapped(home.win("a"), home.win("b/f.txt")), 75);
    EXPECT_EQ(CopyFileMapped(from, "Q:\\unmapped\\f.txt"), 76);  // a drive this system does not have
    EXPECT_EQ(WriteFileMapped(home.win("none/f.txt"), "x"), 76);
}

// A copy replaces whatever stands at the target: an earlier build's read-only copy, or a
// link that must not be written through. It keeps the source's permissions; nothing is
// left under a temporary name.
TEST_F(CopyFileTest, CopiesReplaceWhatStandsAtTheTarget)
{
    const std::string script = home.writeFile("src/Fïle with blank.sh", "#!/bin/sh\n");
    fs::permissions(home.path("src/Fïle with blank.sh"), fs::perms(0755));
    home.writeFile("menu/run.sh", "an earlier build's copy that is longer");
    fs::permissions(home.path("menu/run.sh"), fs::perms(0444));
    const std::string from = home.writeFile("src/a.txt", "new");
    home.writeFile("elsewhere/a.txt", "outside");
    fs::create_symlink(home.path("elsewhere/a.txt"), home.path("menu/a.txt"));
    fs::create_symlink(home.path("elsewhere/b.txt"), home.path("menu/b.dat"));  // dangling

    const mode_t previous = ::umask(022);
    EXPECT_EQ(CopyFileMapped(script, home.win("menu/run.sh")), 0);
    EXPECT_EQ(CopyFileMapped(from, home.win("menu/a.txt")), 0);
    EXPECT_EQ(WriteFileMapped(home.win("menu/b.dat"), "data"), 0);
    ::umask(previous);

    EXPECT_EQ(home.readFile("menu/run.sh"), "#!/bin/sh\n");
    EXPECT_EQ(fs::status(home.path("menu/run.sh")).permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(home.path("menu/b.dat")).permissions(), fs::perms(0644));
    EXPECT_FALSE(fs::is_symlink(home.path("menu/a.txt")));
    EXPECT_EQ(home.readFile("menu/a.txt"), "new");
    EXPECT_EQ(home.readFile("elsewhere/a.txt"), "outside");
    EXPECT_FALSE(fs::exists(home.path("elsewhere/b.txt")));
    EXPECT_EQ(home.readFile("menu/b.dat"), "data");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path("menu")), {}), 3);
}

}  // namespace
}  // namespace orv::test
