#include "platform/host/host_file_system.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

#include "platform/text_case.h"

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

bool matchFrom(const std::string& name, std::size_t n, const std::string& pattern, std::size_t p)
{
    while (p < pattern.size()) {
        if (pattern[p] == '*') {
            while (p < pattern.size() && pattern[p] == '*')
                ++p;
            if (p == pattern.size())
                return true;
            for (std::size_t k = n; k <= name.size(); ++k)
                if (matchFrom(name, k, pattern, p))
                    return true;
            return false;
        }
        if (n >= name.size())
            return false;
        if (pattern[p] != '?' && pattern[p] != name[n])
            return false;
        ++p;
        ++n;
    }
    return n == name.size();
}

}  // namespace

bool matchesWildcard(const std::string& name, const std::string& pattern)
{
    std::string n = foldCase(name);
    std::string p = foldCase(pattern);
    if (matchFrom(n, 0, p, 0))
        return true;
    if (p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 && n.find('.') == std::string::npos)
        return matchFrom(n, 0, p.substr(0, p.size() - 2), 0);
    return false;
}

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

std::int16_t HostFileSystem::MultiFileCopy(const std::string& pattern, const std::string& targetFolder)
{
    std::size_t cut = pattern.find_last_of("\\/");
    std::string folder = cut == std::string::npos ? std::string(".") : pattern.substr(0, cut + 1);
    std::string namePattern = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    fs::path source = hostPath(folder);
    fs::path target = hostPath(targetFolder);
    std::error_code ec;
    if (source.empty() || target.empty() || namePattern.empty() || !fs::is_directory(source, ec))
        return 0;

    std::vector<fs::path> files;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && matchesWildcard(it->path().filename().string(), namePattern))
            files.push_back(it->path());
    }
    if (ec)
        return 0;
    std::sort(files.begin(), files.end());

    fs::create_directories(target, ec);
    if (!fs::is_directory(target, ec))
        return 0;
    for (const auto& file : files) {
        fs::copy_file(file, target / file.filename(), fs::copy_options::overwrite_existing, ec);
        if (ec)
            return 0;
    }
    return 1;
}

}  // namespace orv::platform
