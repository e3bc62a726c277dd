// The drive map: Windows form to host and back, case-insensitive lookups, removable drives
// (found through mounts and block devices described by files the test writes) and the drive
// map file.
#include <fstream>

#include <gtest/gtest.h>

#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_system_info.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

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

// Block devices as /sys/class/block shows them: sdb is removable, its partition sdb1 lives
// inside its entry; sda is a fixed disk.
void writeBlockDevices(const fs::path& sys)
{
    fs::create_directories(sys / "sdb" / "sdb1");
    std::ofstream(sys / "sdb" / "removable") << "1\n";
    fs::create_directory_symlink(sys / "sdb" / "sdb1", sys / "sdb1");
    fs::create_directories(sys / "sda");
    std::ofstream(sys / "sda" / "removable") << "0\n";
}

TEST(RemovableMountPoints, FindsStickByDeviceFlagOrMediaFolder)
{
    test::TestHome home;
    writeBlockDevices(home.path("sys"));
    const char* mounts = "/dev/sda2 / ext4 rw 0 0\n"
                         "/dev/sda3 /home ext4 rw 0 0\n"
                         "/dev/sdb1 /mnt/My\\040Stick vfat rw 0 0\n"
                         "/dev/sdc1 /media/ann/CAMERA vfat rw 0 0\n"
                         "tmpfs /run/media/ann/RAM tmpfs rw 0 0\n"
                         "/dev/sdb1 /mnt/My\\040Stick vfat rw 0 0\n"
                         "proc /proc proc rw 0 0\n"
                         "short-line\n";
    auto points = removableMountPoints(mounts, home.path("sys"));
    EXPECT_EQ(points, (std::vector<fs::path>{"/mnt/My Stick", "/media/ann/CAMERA", "/run/media/ann/RAM"}));
}

TEST(RemovableMountPoints, AStickPluggedInLaterIsFoundAndMappedUnlessItsFolderIsGone)
{
    test::TestHome home;
    const fs::path root = home.root();
    writeBlockDevices(root / "sys");
    fs::create_directories(root / "stick");
    const auto mount = [&](const std::string& lines) { std::ofstream(root / "mounts") << lines; };
    mount("/dev/sda1 / ext4 rw 0 0\n/dev/sda2 " + home.path("Documents").string() + " ext4 rw 0 0\n");
    HostFileSystem files(root / "drives.ini", root / "mounts", root / "sys");
    HostSystemInfo info(files);
    ASSERT_EQ(info.GetFirstUsbFlashDrive(), "");

    mount("/dev/sdb1 " + (root / "gone").string() + " vfat rw 0 0\n/dev/sdb1 " + (root / "stick").string() +
          " vfat rw 0 0\n");
    EXPECT_EQ(info.GetFirstUsbFlashDrive(), "E:\\") << "D: went to the folder that is gone";
    EXPECT_EQ(files.hostPath("E:\\autorun.inf"), root / "stick" / "autorun.inf");
    EXPECT_EQ(files.windowsPath(root / "stick" / "menu"), "E:\\menu");
}

TEST(ResolveCaseInsensitive, MatchesEachMissingComponentWithoutCase)
{
    test::TestHome home;
    const fs::path& root = home.root();
    touch(root / "Menu" / "Pictures" / "Logo.png");
    touch(root / "Menu" / "docs" / "Guide.PDF");
    for (const char* name : {"readme.TXT", "README.txt", "ReadMe.txt"})
        touch(root / name);
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
        EXPECT_EQ(resolveCaseInsensitive(root, components), root / expected) << expected;
}

class HostDriveMapTest : public test::HomeTest {};

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
