// The host file system behind Windows-form paths: the drive map (rebuilt from the mounted
// removable drives and the drive map file) and the folder and copy operations.
#pragma once

#include <filesystem>

#include "platform/drive_map.h"
#include "platform/file_system.h"

namespace orv::platform {

// Not thread-safe: lookups may rebuild the map (the program has one thread).
class HostFileSystem final : public FileSystem {
public:
    // driveFile: the drive map file; it is read again whenever it changes (time, size or
    // identity, so an atomic replacement counts too).
    // mountsFile and sysClassBlock: where mounted drives and block devices are described.
    explicit HostFileSystem(std::filesystem::path driveFile, std::filesystem::path mountsFile = "/proc/mounts",
                            std::filesystem::path sysClassBlock = "/sys/class/block");

    std::filesystem::path hostPath(const std::string& windowsPath) const override;
    std::string windowsPath(const std::filesystem::path& hostPath) const override;
    int DirExists(const std::string& folder) const override;
    int DirCreate(const std::string& folder) override;
    void reloadDriveMap() override;

    // The map in force (the drive map file is checked for changes first).
    const DriveMap& driveMap() const;

private:
    // Identity of the drive map file: one stat, so that every lookup can afford it.
    struct FileStamp {
        bool exists = false;
        unsigned long long inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };
    FileStamp stampOfDriveFile() const;
    void reloadIfDriveFileChanged() const;

    std::filesystem::path driveFile_;
    std::filesystem::path mountsFile_;
    std::filesystem::path sysClassBlock_;
    std::vector<std::filesystem::path> removable_;
    mutable DriveMap map_;
    mutable FileStamp driveFileStamp_;
};

}  // namespace orv::platform
