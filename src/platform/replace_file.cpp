#include "platform/replace_file.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <process.h>
#endif

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

// The temporary name is "." + target name + "~" + process id + "-" + 8 hex digits + ".tmp".
// Long target names are cut so the temporary name stays within the usual 255-byte limit.
constexpr std::size_t MaxNamePart = 200;
constexpr char HexDigits[] = "0123456789abcdef";

std::string namePart(const std::string& targetName) { return targetName.substr(0, MaxNamePart); }

long processId()
{
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    static std::mt19937 random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ std::random_device{}()));
    unsigned value = random() ^ (counter++ * 0x9e3779b9u);
    std::string hex(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        hex[static_cast<std::size_t>(i)] = HexDigits[value & 15];
    std::string name = "." + namePart(target.filename().string()) + "~" + std::to_string(processId()) + "-" + hex + ".tmp";
    return target.parent_path() / name;
}

// The process id inside a temporary name of targetName; -1 when the name is not one.
long ownerOfTemporary(const std::string& name, const std::string& targetName)
{
    const std::string prefix = "." + namePart(targetName) + "~";
    const std::string suffix = ".tmp";
    if (name.size() < prefix.size() + suffix.size() + 11 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return -1;
    const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 10 || middle.size() - dash - 1 != 8)
        return -1;
    long pid = 0;
    for (std::size_t i = 0; i < dash; ++i) {
        if (middle[i] < '0' || middle[i] > '9')
            return -1;
        pid = pid * 10 + (middle[i] - '0');
    }
    for (std::size_t i = dash + 1; i < middle.size(); ++i)
        if (std::string_view(HexDigits).find(middle[i]) == std::string_view::npos)
            return -1;
    return pid;
}

// A symlink (also a chain of them) is followed to the file it names, which may not exist yet.
fs::path followLinks(fs::path path, std::error_code& ec)
{
    for (int hop = 0; hop < 40; ++hop) {
        const fs::file_status status = fs::symlink_status(path, ec);
        if (ec == std::errc::no_such_file_or_directory) {
            ec.clear();
            return path;
        }
        if (ec || !fs::is_symlink(status))
            return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

bool isWriteProtected(fs::perms perms)
{
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (perms & writable) == fs::perms::none;
}

#ifndef _WIN32

std::error_code lastError() { return std::error_code(errno, std::generic_category()); }

mode_t currentUmask()
{
    // Read without changing it where the system tells; otherwise set and restore it.
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Umask:") {
            unsigned value = 0;
            if (status >> std::oct >> value)
                return static_cast<mode_t>(value);
            break;
        }
        status.ignore(4096, '\n');
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

std::error_code writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return {};
}

std::error_code syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    std::error_code ec;
    if (::fsync(fd) != 0 && errno != EINVAL)
        ec = lastError();
    ::close(fd);
    return ec;
}

// Temporary files of this target whose save died: their process is gone, or they have not
// been written to for ten minutes.
void removeStaleTemporaries(const fs::path& target)
{
    const std::string targetName = target.filename().string();
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path().empty() ? fs::path(".") : target.parent_path(), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long pid = ownerOfTemporary(name, targetName);
        if (pid < 0)
            continue;
        std::error_code fileError;
        if (!it->is_regular_file(fileError))
            continue;
        const bool processGone = pid != processId() && (pid == 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH));
        const auto written = it->last_write_time(fileError);
        const bool untouched = !fileError && now - written > std::chrono::minutes(10);
        if (processGone || untouched)
            fs::remove(it->path(), fileError);
    }
}

using Fill = std::function<std::error_code(int fd)>;

std::error_code replaceFile(const fs::path& requested, const Fill& fill, mode_t newFileMode, ReplaceMode mode)
{
    if (requested.empty() || !requested.has_filename())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code ec;
    const bool keep = mode == ReplaceMode::KeepFile;
    const fs::path target = keep ? followLinks(requested, ec) : requested;
    if (ec)
        return ec;

    // A fresh file looks at the path itself (lstat): a symlink there is what gets replaced.
    struct stat old {};
    const bool exists = (keep ? ::stat(target.c_str(), &old) : ::lstat(target.c_str(), &old)) == 0;
    if (!exists && errno != ENOENT)
        return lastError();
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return std::make_error_code(std::errc::is_a_directory);
        if (keep &&
            (isWriteProtected(static_cast<fs::perms>(old.st_mode & 07777)) || ::access(target.c_str(), W_OK) != 0))
            return std::make_error_code(std::errc::permission_denied);
    }
    const bool keepOld = exists && keep;
    const fs::path folder = target.parent_path();
    removeStaleTemporaries(target);

    const fs::path temp = temporaryBeside(target);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    ec = fill(fd);
    if (!ec && keepOld) {
        // The owner first: changing it clears set-id bits, which the mode then restores.
        struct stat now {};
        if (::fstat(fd, &now) != 0)
            ec = lastError();
        else if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
            ec = std::make_error_code(std::errc::permission_denied);
    }
    if (!ec && ::fchmod(fd, keepOld ? (old.st_mode & 07777) : (newFileMode & ~currentUmask() & 0777)) != 0)
        ec = lastError();
    if (!ec && ::fsync(fd) != 0)
        ec = lastError();
    if (::close(fd) != 0 && !ec)
        ec = lastError();
    if (!ec)
        ec = syncFolder(folder);
    if (!ec && ::rename(temp.c_str(), target.c_str()) != 0)
        ec = lastError();
    if (ec) {
        ::unlink(temp.c_str());
        return ec;
    }
    // The rename is done; a failing sync of the folder is still worth telling.
    return syncFolder(folder);
}

#endif

}  // namespace

#ifndef _WIN32

std::error_code replaceFileWithBytes(const fs::path& target, std::string_view bytes, ReplaceMode mode)
{
    return replaceFile(
        target, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); }, 0666, mode);
}

std::error_code replaceFileWithCopy(const fs::path& source, const fs::path& target, ReplaceMode mode)
{
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return lastError();
    struct stat info {};
    std::error_code ec;
    if (::fstat(in, &info) != 0)
        ec = lastError();
    else if (S_ISDIR(info.st_mode))
        ec = std::make_error_code(std::errc::is_a_directory);
    if (!ec) {
        ec = replaceFile(
            target,
            [&](int out) -> std::error_code {
                std::array<char, 1 << 16> buffer;
                for (;;) {
                    const ssize_t n = ::read(in, buffer.data(), buffer.size());
                    if (n < 0 && errno == EINTR)
                        continue;
                    if (n < 0)
                        return lastError();
                    if (n == 0)
                        return {};
                    if (std::error_code e = writeAll(out, buffer.data(), static_cast<std::size_t>(n)))
                        return e;
                }
            },
            info.st_mode & 0777, mode);
    }
    ::close(in);
    return ec;
}

#else

// Windows: the temporary file and the replacing rename (MoveFileEx), through the library.
namespace {

std::error_code replaceWith(const fs::path& requested, const std::function<bool(std::ofstream&)>& fill,
                            ReplaceMode mode)
{
    std::error_code ec;
    if (requested.empty() || !requested.has_filename())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const bool keep = mode == ReplaceMode::KeepFile;
    const fs::path target = keep ? followLinks(requested, ec) : requested;
    if (ec)
        return ec;
    const fs::file_status status = keep ? fs::status(target, ec) : fs::symlink_status(target, ec);
    if (fs::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory);
    if (fs::exists(status) && isWriteProtected(status.permissions())) {
        if (keep)
            return std::make_error_code(std::errc::permission_denied);
        // An earlier read-only copy: the replacing rename needs it writable.
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    const fs::path temp = temporaryBeside(target);
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return std::make_error_code(std::errc::permission_denied);
        written = fill(out);
        out.close();
        written = written && !out.fail();
    }
    std::error_code ignored;
    if (!written) {
        fs::remove(temp, ignored);
        return std::make_error_code(std::errc::io_error);
    }
    fs::rename(temp, target, ec);
    if (ec)
        fs::remove(temp, ignored);
    return ec;
}

}  // namespace

std::error_code replaceFileWithBytes(const fs::path& target, std::string_view bytes, ReplaceMode mode)
{
    return replaceWith(
        target,
        [&](std::ofstream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return out.good();
        },
        mode);
}

std::error_code replaceFileWithCopy(const fs::path& source, const fs::path& target, ReplaceMode mode)
{
    std::error_code ec;
    if (!fs::exists(source, ec))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    if (fs::is_directory(source, ec))
        return std::make_error_code(std::errc::is_a_directory);
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return std::make_error_code(std::errc::permission_denied);
    return replaceWith(
        target,
        [&](std::ofstream& out) {
            out << in.rdbuf();
            return out.good() && !in.bad();
        },
        mode);
}

#endif

}  // namespace orv::platform
