#include "model/file_io.h"

#include <filesystem>
#include <fstream>

#include "model/profile.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "platform/services.h"

namespace orv {

namespace fs = std::filesystem;

fs::path HostPath(const std::string& file)
{
    if (const auto* files = platform::services().files)
        return files->hostPath(file);
    return fs::path(std::u8string(file.begin(), file.end()));
}

bool ReadFileBytes(const std::string& file, std::string& bytes)
{
    bytes.clear();
    if (file.empty())
        return false;
    const fs::path host = HostPath(file);
    std::error_code ec;
    if (fs::is_directory(host, ec))
        return false;
    std::ifstream in(host, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), size);
    // A file that shrank while being read gives what was there.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

bool WriteFileAtomic(const std::string& file, const std::string& bytes)
{
    if (file.empty())
        return false;
    const bool written = !platform::replaceFileWithBytes(HostPath(file), bytes);
    // Whatever happened, cached reads of the file must look at the disk again.
    FlushProfileCache(file);
    return written;
}

bool IsWriteProtected(const std::string& file)
{
    if (file.empty())
        return false;
    std::error_code ec;
    const fs::file_status status = fs::status(HostPath(file), ec);
    if (ec || !fs::exists(status) || fs::is_directory(status))
        return false;
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writable) == fs::perms::none;
}

bool FileExists(const std::string& file)
{
    if (file.empty())
        return false;
    try {
        const fs::path host = HostPath(file);
        std::error_code ec;
        if (fs::is_directory(host, ec))
            return false;
        std::ifstream in(host, std::ios::binary);
        return static_cast<bool>(in);
    } catch (...) {
        return false;
    }
}

}  // namespace orv
