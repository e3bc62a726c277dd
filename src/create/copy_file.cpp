#include "create/copy_file.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "platform/services.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

fs::path hostOf(const std::string& path)
{
    if (path.empty())
        return {};
    const auto* files = platform::services().files;
    return files ? files->hostPath(path) : fs::path(path);
}

bool isFolder(const fs::path& p)
{
    std::error_code ec;
    return !p.empty() && fs::is_directory(p, ec);
}

// 76 when the target's folder is missing, 75 when the target is a folder (or has no host
// path), else 0.
int checkTarget(const fs::path& host)
{
    if (host.empty())
        return ErrPathNotFound;  // a drive this system does not have
    if (!host.has_filename())
        return ErrPathFileAccess;
    if (!isFolder(host.parent_path()))
        return ErrPathNotFound;
    if (isFolder(host))
        return ErrPathFileAccess;
    return ErrNone;
}

// The error number of a failed copy or write. Some devices report a full medium as an I/O
// error; a target folder with less room than the file needs tells which it was.
int copyFailure(const std::error_code& ec, const fs::path& from, const fs::path& to)
{
    if (ec != std::errc::io_error || from.empty())
        return MapHostError(ec);
    std::error_code spaceError, sizeError;
    const fs::space_info space = fs::space(to.parent_path(), spaceError);
    const std::uintmax_t size = fs::file_size(from, sizeError);
    if (!spaceError && !sizeError && space.available < size)
        return ErrDiskFull;
    return ErrDeviceIO;
}

}  // namespace

int MapHostError(const std::error_code& ec)
{
    if (!ec)
        return ErrNone;
    if (ec == std::errc::no_such_file_or_directory)
        return ErrFileNotFound;
    if (ec == std::errc::not_a_directory)
        return ErrPathNotFound;
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
        ec == std::errc::read_only_file_system)
        return ErrPermissionDenied;
    if (ec == std::errc::no_space_on_device || ec == std::errc::file_too_large)
        return ErrDiskFull;
    if (ec == std::errc::io_error)
        return ErrDeviceIO;
    return ErrPathFileAccess;
}

int CopyFileMapped(const std::string& source, const std::string& target)
{
    // A source without a folder is not looked up in the current folder: its path is missing.
    const std::string sourceFolder = PathDirectoryPart(source);
    if (sourceFolder.empty() && source.find_first_of(":/") == std::string::npos)
        return ErrPathNotFound;
    if (!sourceFolder.empty() && !isFolder(hostOf(sourceFolder.size() == 2 ? sourceFolder + "\\" : sourceFolder)))
        return ErrPathNotFound;
    const fs::path from = hostOf(source);
    std::error_code ec;
    if (from.empty() || !fs::exists(from, ec))
        return ErrFileNotFound;
    if (isFolder(from))
        return ErrPathFileAccess;
    const fs::path to = hostOf(target);
    if (int error = checkTarget(to))
        return error;

    ec = platform::replaceFileWithCopy(from, to, platform::ReplaceMode::FreshFile);
    return ec ? copyFailure(ec, from, to) : ErrNone;
}

int WriteFileMapped(const std::string& target, const std::string& bytes)
{
    const fs::path to = hostOf(target);
    if (int error = checkTarget(to))
        return error;
    const std::error_code ec = platform::replaceFileWithBytes(to, bytes, platform::ReplaceMode::FreshFile);
    return ec ? copyFailure(ec, {}, to) : ErrNone;
}

void DeleteFileQuietly(const std::string& file)
{
    const fs::path host = hostOf(file);
    if (host.empty() || isFolder(host))
        return;
    std::error_code ignored;
    fs::remove(host, ignored);
}

}  // namespace orv
