// The path rules, the dialog's rules, the detailed copy-error facts and the copy's error numbers.
#include <gmock/gmock.h>

#include "create/copy_file.h"
#include "create/create_dialog.h"
#include "create/detailed_copy_error.h"
#include "create/path_rules.h"
#include "support/test_home.h"
#include "create_fixture.h"
#include "model/project_folders.h"

namespace orv::test {
namespace {

TEST(PathRules, MarkersAndRelativeTargets)
{
    EXPECT_EQ(DropFolderMarker("\xC2\xA4\\pics"), "pics");
    EXPECT_EQ(DropFolderMarker("*pics"), "pics");
    EXPECT_EQ(DropFolderMarker("*\\\\pics"), "\\pics");
    EXPECT_EQ(DropFolderMarker("\\pics"), "\\pics");
    // A leading backslash is the medium's root, which is the destination folder.
    for (const char* folder : {"pics", "\xC2\xA4pics", "\xC2\xA4\\pics", "*\\pics", "\\pics", "/pics"})
        EXPECT_EQ(CopyTargetPathOf("E:\\Menu", "C:\\a\\logo.png", folder), "E:\\Menu\\pics\\logo.png") << folder;
    EXPECT_EQ(CopyTargetPathOf("E:\\Menu", "C:\\a\\logo.png", "pics\\\\deep"), "E:\\Menu\\pics\\deep\\logo.png");
    EXPECT_EQ(CopyTargetPathOf("E:\\", "C:\\a\\logo.png", "pics"), "E:\\pics\\logo.png");
    EXPECT_EQ(FontTargetPath("E:\\Menu", "C:\\Windows\\Fonts\\a.ttf", "orvndata\\fonts"),
              "E:\\Menu\\orvndata\\fonts\\a.ttf");
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
    EXPECT_TRUE(TargetInsideDestination("E:\\Menu", "E:\\Menu\\docs\\..\\a.pdf"));
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
}

TEST(PathRules, AFolderLinkedOutOfTheDestinationLeadsOut)
{
    TestHome home;
    std::filesystem::create_directories(home.path("menu/pictures"));
    std::filesystem::create_directories(home.path("outside"));
    std::filesystem::create_directory_symlink(home.path("outside"), home.path("menu/docs"));
    EXPECT_TRUE(TargetInsideDestination(home.win("menu"), home.win("menu") + "\\pictures\\a.png"));
    EXPECT_FALSE(TargetInsideDestination(home.win("menu"), home.win("menu") + "\\docs\\a.pdf"));
    EXPECT_FALSE(TargetInsideDestination(home.win("menu"), home.win("menu") + "\\docs\\new\\a.pdf"));
}

TEST(CreateDialog, ResolutionIndexGivesTheFileName)
{
    EXPECT_EQ(MenuDescriptionFileNameFor(0), "orvnmenu.mni");
    EXPECT_EQ(MenuDescriptionFileNameFor(3), "orvnmenu_1024x768.mni");
    EXPECT_EQ(MenuDescriptionFileNameFor(9), "orvnmenu.mni");
}

TEST(CreateDialog, CaptionInfoTextAndLabelColour)
{
    EXPECT_EQ(CreateDialogCaption(1), "Create (menu for CD/DVD)");
    EXPECT_EQ(CreateDialogCaption(2), "Create (menu for USB flash drive)");
    MenuProject project;
    project.UseAutorun = 0;
    CreateDialogLayout layout = CreateDialogLayoutFor(project);
    EXPECT_FALSE(layout.siblingProductControlsVisible);
    EXPECT_FALSE(layout.autorunFieldsEnabled);
    EXPECT_TRUE(std::string(layout.infoText).ends_with("No AUTORUN.INF file will be created."));
    project.UseAutorun = 1;
    EXPECT_TRUE(CreateDialogLayoutFor(project).autorunFieldsEnabled);
    EXPECT_EQ(LabelTextColour(std::string(32, 'x'), 5), 5);
    EXPECT_EQ(LabelTextColour(std::string(33, 'x'), 5), RgbColour(150, 0, 0));
}

TEST(CreateDialog, FolderChooserButtons)
{
    TestHome home;
    EXPECT_EQ(SelectDirTarget(SelectDirButton::RootFolder, "E:\\Menu\\Sub"), "E:\\");
    EXPECT_FALSE(SelectDirTarget(SelectDirButton::RootFolder, "").has_value());
    const std::string documents = *SelectDirTarget(SelectDirButton::MyDocuments, "");
    EXPECT_FALSE(documents.empty());
    Folders().CreatedMenusFolder.clear();
    EXPECT_EQ(SelectDirTarget(SelectDirButton::MyMenus, ""), documents);
    Folders().CreatedMenusFolder = "E:\\Menus";
    EXPECT_EQ(SelectDirTarget(SelectDirButton::MyMenus, ""), "E:\\Menus");
    Folders().CreatedMenusFolder.clear();
}

TEST(DetailedCopyError, FactsFollowWhatExists)
{
    TestHome home;
    home.writeFile("src/a.pdf", "x");
    home.writeFile("src/ab", "x");
    std::filesystem::create_directories(home.path("dst"));
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

class CopyFileTest : public ::testing::Test {
protected:
    TestHome home;
};

TEST_F(CopyFileTest, CopiesThroughATemporaryNameAndReplaces)
{
    const std::string from = home.writeFile("a/Fïle with blank.txt", "new");
    home.writeFile("b/target.txt", "old content that is longer");
    EXPECT_EQ(CopyFileMapped(from, home.win("b/target.txt")), 0);
    EXPECT_EQ(home.readFile("b/target.txt"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path("b")), {}), 1);
}

TEST_F(CopyFileTest, ErrorNumbersForMissingThings)
{
    const std::string from = home.writeFile("a/f.txt", "x");
    std::filesystem::create_directories(home.path("b"));
    EXPECT_EQ(CopyFileMapped(home.win("a/none.txt"), home.win("b/f.txt")), 53);
    EXPECT_EQ(CopyFileMapped(home.win("none/f.txt"), home.win("b/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped("f.txt", home.win("b/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped(from, home.win("none/f.txt")), 76);
    EXPECT_EQ(CopyFileMapped(from, home.win("b")), 75);
    EXPECT_EQ(CopyFileMapped(home.win("a"), home.win("b/f.txt")), 75);
    EXPECT_EQ(CopyFileMapped(from, "Q:\\unmapped\\f.txt"), 76);  // a drive this system does not have
    EXPECT_EQ(WriteFileMapped(home.win("none/f.txt"), "x"), 76);
    EXPECT_EQ(WriteFileMapped(home.win("b/w.txt"), "written"), 0);
    EXPECT_EQ(home.readFile("b/w.txt"), "written");
}

}  // namespace
}  // namespace orv::test
