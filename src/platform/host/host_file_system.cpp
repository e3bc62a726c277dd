#include "platform/host/host_file_system.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include <sys/stat.h>


namespace fs = std::filesystem;

namespace orv::platform {

namespace {

std::string readWholeFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

HostFileSystem::HostFileSystem(fs::path driveFile, fs::path mountsFile, fs::path sysClassBlock)
    : driveFile_(std::move(driveFile)), mountsFile_(std::move(mountsFile)), sysClassBlock_(std::move(sysClassBlock))
{
    reloadDriveMap();
}

HostFileSystem::FileStamp HostFileSystem::stampOfDriveFile() const
{
    FileStamp stamp;
    struct stat info {};
    if (::stat(driveFile_.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.inode = static_cast<unsigned long long>(info.st_ino);
    stamp.size = static_cast<unsigned long long>(info.st_size);
    stamp.seconds = static_cast<long long>(info.st_mtim.tv_sec);
    stamp.nanoseconds = static_cast<long long>(info.st_mtim.tv_nsec);
    return stamp;
}

void HostFileSystem::reloadDriveMap()
{
    removable_ = removableMountPoints(readWholeFile(mountsFile_), sysClassBlock_);
    driveFileStamp_ = stampOfDriveFile();
    map_ = DriveMap::build(removable_, driveFileStamp_.exists ? readWholeFile(driveFile_) : std::string());
}

void HostFileSystem::reloadIfDriveFileChanged() const
{
    FileStamp stamp = stampOfDriveFile();
    if (stamp == driveFileStamp_)
        return;
    driveFileStamp_ = stamp;
    map_ = DriveMap::build(removable_, stamp.exists ? readWholeFile(driveFile_) : std::string());
}

const DriveMap& HostFileSystem::driveMap() const
{
    reloadIfDriveFileChanged();
    return map_;
}

fs::path HostFileSystem::hostPath(const std::string& windowsPath) const { return driveMap().toHost(windowsPath); }

std::string HostFileSystem::windowsPath(const fs::path& hostPath) const { return driveMap().toWindows(hostPath); }

int HostFileSystem::DirExists(const std::string& folder) const
{
    fs::path p = hostPath(folder);
    std::error_code ec;
    return !p.empty() && fs::is_directory(p, ec) ? 1 : 0;
}

int HostFileSystem::DirCreate(const std::string& folder)
{
    fs::path p = hostPath(folder);
    if (p.empty())
        return 0;
    std::error_code ec;
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec) ? 1 : 0;
}

}  // namespace orv::platform
