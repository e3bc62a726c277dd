// Finding the first USB flash drive through the drive map, with the mounts and block
// devices described by files the test writes.
#include <fstream>

#include <gtest/gtest.h>

#include "platform/host/host_file_system.h"
#include "platform/host/host_system_info.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

class UsbDriveTest : public ::testing::Test {
protected:
    UsbDriveTest()
    {
        fs::create_directories(dir.root / "sys" / "sdb" / "sdb1");
        std::ofstream(dir.root / "sys" / "sdb" / "removable") << "1\n";
        fs::create_directory_symlink(dir.root / "sys" / "sdb" / "sdb1", dir.root / "sys" / "sdb1");
        fs::create_directories(dir.root / "sys" / "sda");
        std::ofstream(dir.root / "sys" / "sda" / "removable") << "0\n";
        fs::create_directories(dir.root / "stick");
        fs::create_directories(dir.root / "disk");
    }
    void mount(const std::string& lines) { std::ofstream(dir.root / "mounts") << lines; }

    test::TempFolder dir;
};

TEST_F(UsbDriveTest, AStickPluggedInLaterIsFoundAndMapped)
{
    mount("/dev/sda1 / ext4 rw 0 0\n/dev/sda2 " + (dir.root / "disk").string() + " ext4 rw 0 0\n");
    HostFileSystem files(dir.root / "drives.ini", dir.root / "mounts", dir.root / "sys");
    HostSystemInfo info(files);
    ASSERT_EQ(info.GetFirstUsbFlashDrive(), "");

    mount("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 " + (dir.root / "stick").string() + " vfat rw 0 0\n");
    EXPECT_EQ(info.GetFirstUsbFlashDrive(), "D:\\");
    EXPECT_EQ(files.hostPath("D:\\autorun.inf"), dir.root / "stick" / "autorun.inf");
    EXPECT_EQ(files.windowsPath(dir.root / "stick" / "menu"), "D:\\menu");
}

TEST_F(UsbDriveTest, TheDriveMapFileMovesTheStickToAnotherLetter)
{
    std::ofstream(dir.root / "drives.ini") << "[Drives]\nD = " << (dir.root / "disk").string() << "\n";
    mount("/dev/sdb1 " + (dir.root / "stick").string() + " vfat rw 0 0\n");
    HostFileSystem files(dir.root / "drives.ini", dir.root / "mounts", dir.root / "sys");
    HostSystemInfo info(files);
    EXPECT_EQ(info.GetFirstUsbFlashDrive(), "E:\\");
    EXPECT_EQ(files.hostPath("D:\\"), dir.root / "disk");
}

TEST_F(UsbDriveTest, AStickWhoseFolderIsGoneIsSkipped)
{
    mount("/dev/sdb1 " + (dir.root / "gone").string() + " vfat rw 0 0\n/dev/sdb1 " + (dir.root / "stick").string() +
          " vfat rw 0 0\n");
    HostFileSystem files(dir.root / "drives.ini", dir.root / "mounts", dir.root / "sys");
    HostSystemInfo info(files);
    EXPECT_EQ(info.GetFirstUsbFlashDrive(), "E:\\");
}

}  // namespace
}  // namespace orv::platform
