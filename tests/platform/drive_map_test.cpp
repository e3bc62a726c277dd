// The drive map: Windows form to host and back, case-insensitive lookups, removable drives
// and the drive map file.
#include <fstream>

#include <gtest/gtest.h>

#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "support/test_home.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

using test::TempFolder;

void touch(const fs::path& file)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

TEST(DriveMap, BothDirectionsOfTheTranslation)
{
    DriveMap map;  // Z: is "/"
    map.assign('D', "/media/ann/STICK");
    map.assign('E', "/media/ann/STICK/inner/");
    map.assign('F', "/media/ann/STICKY");
    const std::pair<const char*, const char*> toHost[] = {
        {"Z:\\usr\\share", "/usr/share"}, {"z:/usr/share/", "/usr/share"}, {"Z:\\", "/"}, {"Z:", "/"},
        {"\\usr\\share", "/usr/share"},  // the root of the current drive
        {"/already/host", "/already/host"},
        {"D:\\a\\.\\b\\..\\c", "/media/ann/STICK/a/c"},
        {"D:\\..\\..\\c", "/media/ann/STICK/c"},  // never above the drive's folder
        {"E:\\", "/media/ann/STICK/inner"},
        {"", ""}, {"Q:\\x", ""}, {"\\\\server\\share\\x", ""},  // no host path
    };
    for (const auto& [windows, host] : toHost)
        EXPECT_EQ(map.toHost(windows), fs::path(host)) << windows;
    const std::pair<const char*, const char*> toWindows[] = {
        {"/usr/share", "Z:\\usr\\share"}, {"/", "Z:\\"}, {"/usr/./lib/../share/", "Z:\\usr\\share"},
        {"/media/ann/STICK/inner/a.txt", "E:\\a.txt"},  // the longest matching folder wins
        {"/media/ann/STICK/other.txt", "D:\\other.txt"}, {"/media/ann/STICK", "D:\\"},
        {"/media/ann/STICKY/b", "F:\\b"},  // a name prefix is not a folder prefix
        {"/media/ann/STICKX", "Z:\\media\\ann\\STICKX"},
    };
    for (const auto& [host, windows] : toWindows)
        EXPECT_EQ(map.toWindows(host), windows) << host;
}

TEST(DriveMap, WithoutADriveForTheFolderTheHostPathStays)
{
    DriveMap map;
    map.remove('Z');
    map.assign('D', "/data");
    EXPECT_EQ(map.toWindows("/etc/hosts"), "/etc/hosts");
    EXPECT_EQ(map.toWindows("/data/x"), "D:\\x");
    EXPECT_FALSE(map.assign('G', "relative/folder"));
    EXPECT_FALSE(map.assign('1', "/x"));
}

TEST(DriveMapBuild, RemovableDrivesTakeFreeLettersAndTheFileAddsOrOverrides)
{
    const char* file = "; my drives\n"
                       "[Other]\nF = /not/this\n"
                       "[drives]\n"
                       "e = /srv/share\n"
                       "G: = \"/opt/with space\"\n"
                       "Z =\n"
                       "Y = relative/ignored\n"
                       "garbage line\n";
    DriveMap map = DriveMap::build({"/media/a", "/media/b", "/srv/share"}, file);
    EXPECT_EQ(map.folderOf('D'), fs::path("/media/a"));
    EXPECT_EQ(map.folderOf('E'), fs::path("/srv/share"));
    EXPECT_EQ(map.folderOf('F'), fs::path("/media/b")) << "E is named by the file, so the stick skips it";
    EXPECT_EQ(map.folderOf('G'), fs::path("/opt/with space"));
    EXPECT_TRUE(map.folderOf('Z').empty()) << "an empty value removes the letter";
    EXPECT_TRUE(map.folderOf('Y').empty());
    EXPECT_EQ(map.removableLetters(), (std::vector<char>{'D', 'F'}));
}

TEST(RemovableMountPoints, FindsStickByDeviceFlagOrMediaFolder)
{
    TempFolder sys;
    // sdb is removable: its partition sdb1 lives inside its entry, as in /sys/class/block.
    fs::create_directories(sys.root / "sdb" / "sdb1");
    std::ofstream(sys.root / "sdb" / "removable") << "1\n";
    fs::create_directory_symlink(sys.root / "sdb" / "sdb1", sys.root / "sdb1");
    fs::create_directories(sys.root / "sda");
    std::ofstream(sys.root / "sda" / "removable") << "0\n";

    const char* mounts = "/dev/sda2 / ext4 rw 0 0\n"
                         "/dev/sda3 /home ext4 rw 0 0\n"
                         "/dev/sdb1 /mnt/My\\040Stick vfat rw 0 0\n"
                         "/dev/sdc1 /media/ann/CAMERA vfat rw 0 0\n"
                         "tmpfs /run/media/ann/RAM tmpfs rw 0 0\n"
                         "/dev/sdb1 /mnt/My\\040Stick vfat rw 0 0\n"
                         "proc /proc proc rw 0 0\n"
                         "short-line\n";
    auto points = removableMountPoints(mounts, sys.root);
    EXPECT_EQ(points, (std::vector<fs::path>{"/mnt/My Stick", "/media/ann/CAMERA", "/run/media/ann/RAM"}));
}

TEST(ResolveCaseInsensitive, MatchesEachMissingComponentWithoutCase)
{
    TempFolder dir;
    touch(dir.root / "Menu" / "Pictures" / "Logo.png");
    touch(dir.root / "Menu" / "docs" / "Guide.PDF");
    for (const char* name : {"readme.TXT", "README.txt", "ReadMe.txt"})
        touch(dir.root / name);
    const std::pair<std::vector<std::string>, fs::path> cases[] = {
        {{"MENU", "pictures", "LOGO.PNG"}, "Menu/Pictures/Logo.png"},
        {{"menu", "Docs", "guide.pdf"}, "Menu/docs/Guide.PDF"},
        // A file to be created keeps its own name but lands in the folder that exists.
        {{"MENU", "PICTURES", "New.png"}, "Menu/Pictures/New.png"},
        // Below a component that matches nothing, the rest is kept as given.
        {{"Missing", "MENU"}, "Missing/MENU"},
        // An exact name wins; among the others the smallest in byte order.
        {{"ReadMe.txt"}, "ReadMe.txt"},
        {{"readme.txt"}, "README.txt"},
    };
    for (const auto& [components, expected] : cases)
        EXPECT_EQ(resolveCaseInsensitive(dir.root, components), dir.root / expected) << expected;
}

class HostDriveMapTest : public test::HomeTest {};

TEST_F(HostDriveMapTest, WindowsFormOfTheHomeRoundTrips)
{
    home.writeFile("Docs/Report.TXT", "r");
    std::string win = home.win("Docs/Report.TXT");
    EXPECT_EQ(win.substr(0, 3), "Z:\\");
    EXPECT_EQ(services().files->hostPath(win), home.path("Docs/Report.TXT"));
    std::string upper = home.win("") + "\\DOCS\\report.txt";
    EXPECT_EQ(services().files->hostPath(upper), home.path("Docs/Report.TXT"));
}

TEST_F(HostDriveMapTest, TheDriveMapFileIsReadWhenItChanges)
{
    home.writeFile("stick/autorun.inf", "a");
    std::ofstream(home.path("drives.ini")) << "[Drives]\nK = " << home.path("stick").string() << "\n";
    services().files->reloadDriveMap();
    EXPECT_EQ(services().files->hostPath("K:\\AUTORUN.INF"), home.path("stick/autorun.inf"));
    EXPECT_EQ(services().files->windowsPath(home.path("stick/autorun.inf")), "K:\\autorun.inf");
    EXPECT_EQ(services().files->DirExists("k:\\"), 1);

    // An edit with a different size is picked up without an explicit reload.
    std::ofstream(home.path("drives.ini")) << "[Drives]\nL = " << home.path("stick").string() << "/\n";
    EXPECT_EQ(services().files->windowsPath(home.path("stick")), "L:\\");
    EXPECT_TRUE(services().files->hostPath("K:\\x").empty());
}

}  // namespace
}  // namespace orv::platform
