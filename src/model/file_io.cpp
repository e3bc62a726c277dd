#include "model/file_io.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "model/profile.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv {

namespace fs = std::filesystem;

namespace {

// A name for the temporary file beside the target that no other writer picks. Built from
// path pieces, so a name outside the narrow code page of the system stays intact.
fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    static std::mt19937 random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ std::random_device{}()));
    std::ostringstream suffix;
    suffix << '.' << std::hex << random() << counter++ << ".tmp";
    fs::path name = ".";
    name += target.filename();
    name += suffix.str();
    return target.parent_path() / name;
}

}  // namespace

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
    const fs::path target = HostPath(file);
    std::error_code ec;
    if (fs::is_directory(target, ec))
        return false;
    const fs::path temp = temporaryBeside(target);
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            written = out.good();
            out.close();
            written = written && !out.fail();
        }
    }
    if (written) {
        fs::rename(temp, target, ec);
        written = !ec;
    }
    if (!written)
        fs::remove(temp, ec);
    // Whatever happened, cached reads of the file must look at the disk again.
    FlushProfileCache(file);
    return written;
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
