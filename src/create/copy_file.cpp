#include "create/copy_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "model/path_helpers.h"
#include "platform/file_system.h"
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

// A name beside the target that no other copy picks: ".~" + name + random part + ".tmp".
fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ std::random_device{}());
    const unsigned n = counter++;
    std::string name = ".~" + target.filename().string() + "." + std::to_string(seed) + "-" + std::to_string(n) + ".tmp";
    return target.parent_path() / name;
}

// Moves a finished temporary file to its real name; the temporary file never stays.
int moveIntoPlace(const fs::path& temp, const fs::path& target)
{
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return MapHostError(ec);
    }
    return ErrNone;
}

// 76 when the target's folder is missing, 75 when the target is a folder (or has no host
// path), else 0.
int checkTarget(const fs::path& host)
{
    if (host.empty() || !host.has_filename())
        return ErrPathFileAccess;
    if (!isFolder(host.parent_path()))
        return ErrPathNotFound;
    if (isFolder(host))
        return ErrPathFileAccess;
    return ErrNone;
}

// The error number of a failed copy. The library reports any failure in the middle of the
// data as an I/O error; the write that failed tells more (no space, file too large), and so
// does a target folder with less room than the file needs.
int copyFailure(const std::error_code& ec, int cause, const fs::path& from, const fs::path& to)
{
    if (ec != std::errc::io_error)
        return MapHostError(ec);
    if (cause != 0 && MapHostError(std::error_code(cause, std::generic_category())) == ErrDiskFull)
        return ErrDiskFull;
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

    const fs::path temp = temporaryBeside(to);
    errno = 0;
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        const int cause = errno;
        std::error_code ignored;
        fs::remove(temp, ignored);
        return copyFailure(ec, cause, from, to);
    }
    return moveIntoPlace(temp, to);
}

int WriteFileMapped(const std::string& target, const std::string& bytes)
{
    const fs::path to = hostOf(target);
    if (int error = checkTarget(to))
        return error;
    const fs::path temp = temporaryBeside(to);
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            std::error_code ec(errno, std::generic_category());
            return ec ? MapHostError(ec) : ErrPathFileAccess;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        written = out.good();
        out.close();
        written = written && !out.fail();
    }
    if (!written) {
        std::error_code ec(errno, std::generic_category());
        std::error_code ignored;
        fs::remove(temp, ignored);
        return ec ? MapHostError(ec) : ErrDeviceIO;
    }
    return moveIntoPlace(temp, to);
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
