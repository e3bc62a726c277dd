#include "companions/decryption.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/crypto.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::companions {

namespace fs = std::filesystem;

namespace {
DecryptStatus statusOf(int cryError)
{
    switch (cryError) {
    case platform::CryBadPassword: return DecryptStatus::WrongPassword;
    case platform::CryDamaged: return DecryptStatus::Damaged;
    case platform::CrySourceNotFound: return DecryptStatus::SourceMissing;
    case platform::CryWriteFailed: return DecryptStatus::WriteFailed;
    default: return DecryptStatus::Failed;
    }
}

// Makes a new restore folder in the host folder base; its name, or empty when it failed.
std::string makeOwnFolder(const fs::path& base)
{
#ifdef _WIN32
    // The temporary folder of Windows is the user's own; a new name per run is enough.
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "%s%08x", RestoreFolderPrefix, static_cast<unsigned>(random()));
        std::error_code ec;
        if (fs::create_directory(base / name, ec))
            return name;
        if (ec)
            return {};
    }
    return {};
#else
    // mkdtemp makes the folder with mode 0700 under a name nobody could take before.
    std::string pattern = (base / (std::string(RestoreFolderPrefix) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        return {};
    return fs::path(pattern).filename().string();
#endif
}

// A folder of this user's own, not a link (the temporary folder may be shared).
bool isOwnFolder(const fs::path& folder)
{
#ifdef _WIN32
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(folder, ec));
#else
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid();
#endif
}
}  // namespace

std::string decryptedFileName(const std::string& encryptedFile)
{
    const auto cut = encryptedFile.find_last_of("\\/");  // a host path works too
    const std::string name = cut == std::string::npos ? encryptedFile : encryptedFile.substr(cut + 1);
    if (name.size() <= 4)
        return {};
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".cry" ? name.substr(0, name.size() - 4) : std::string();
}

DecryptStatus decryptFile(const std::string& encryptedFile, const std::string& password, const std::string& target)
{
    if (decryptedFileName(encryptedFile).empty())
        return DecryptStatus::NotEncrypted;
    if (!FileExists(encryptedFile))
        return DecryptStatus::SourceMissing;
    const platform::Services& s = platform::services();
    if (!s.crypto || !s.files)
        return DecryptStatus::Failed;

    // Make the target's folder only for this run, and take it away again on failure.
    const std::string folder = PathDirectoryPart(target);
    const bool madeFolder = !folder.empty() && s.files->DirExists(folder) == 0;
    if (madeFolder && s.files->DirCreate(folder) == 0)
        return DecryptStatus::WriteFailed;

    if (s.crypto->CryDecryptFile(encryptedFile, target, password) != 0)
        return DecryptStatus::Ok;

    const DecryptStatus status = statusOf(s.crypto->CryGetLastError());
    if (madeFolder) {
        std::error_code ec;
        std::filesystem::remove(s.files->hostPath(folder), ec);  // only when left empty
    }
    return status;
}

DecryptStatus decryptIntoOwnFolder(const std::string& encryptedFile, const std::string& password,
                                   const std::string& base, std::string& target)
{
    target.clear();
    const std::string name = decryptedFileName(encryptedFile);
    if (name.empty())
        return DecryptStatus::NotEncrypted;
    if (!FileExists(encryptedFile))
        return DecryptStatus::SourceMissing;
    const platform::Services& s = platform::services();
    if (!s.files)
        return DecryptStatus::Failed;
    const fs::path hostBase = s.files->hostPath(base);
    const std::string folderName = base.empty() ? std::string() : makeOwnFolder(hostBase);
    if (folderName.empty())
        return DecryptStatus::WriteFailed;

    const std::string restored = JoinPath(JoinPath(base, folderName), name);
    const DecryptStatus status = decryptFile(encryptedFile, password, restored);
    std::error_code ec;
    if (status != DecryptStatus::Ok) {
        fs::remove_all(hostBase / folderName, ec);
        return status;
    }
#ifndef _WIN32
    fs::permissions(s.files->hostPath(restored), fs::perms::owner_read | fs::perms::owner_write, ec);
#endif
    target = restored;
    return status;
}

void removeOldRestoreFolders(const std::string& base, std::chrono::hours maxAge)
{
    const platform::Services& s = platform::services();
    if (!s.files || base.empty())
        return;
    const std::string prefix = RestoreFolderPrefix;
    const auto oldest = fs::file_time_type::clock::now() - maxAge;
    std::vector<fs::path> old;
    std::error_code ec;
    fs::directory_iterator it(s.files->hostPath(base), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const fs::path folder = it->path();
        if (folder.filename().string().rfind(prefix, 0) != 0 || !isOwnFolder(folder))
            continue;
        std::error_code timeError;
        const auto changed = fs::last_write_time(folder, timeError);
        if (!timeError && changed < oldest)
            old.push_back(folder);
    }
    for (const fs::path& folder : old)
        fs::remove_all(folder, ec);  // what a viewer on Windows still holds open stays till next time
}

DecryptionArguments parseDecryptionArguments(const std::vector<std::string>& arguments)
{
    DecryptionArguments parsed;
    auto valueOf = [](const std::string& arg, const std::string& option, std::string& value) {
        if (arg.compare(0, option.size(), option) != 0)
            return false;
        value = arg.substr(option.size());
        return true;
    };
    for (const std::string& arg : arguments) {
        std::string value;
        if (arg == "--help" || arg == "/?" || arg == "-h")
            parsed.help = true;
        else if (arg == "--no-open")
            parsed.open = false;
        else if (arg == "--password-stdin")
            parsed.passwordFromInput = true;
        else if (valueOf(arg, "--output=", value))
            parsed.output = value;
        else if (arg.rfind("--", 0) == 0) {
            if (parsed.unknown.empty())
                parsed.unknown = arg;
        } else if (parsed.file.empty())
            parsed.file = arg;
    }
    return parsed;
}

std::string passwordLine(std::string_view input)
{
    std::string_view line = input.substr(0, input.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return std::string(line);
}

std::vector<std::string> encryptedFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    const platform::Services& s = platform::services();
    if (!s.files || folder.empty())
        return names;
    std::error_code ec;
    std::filesystem::directory_iterator it(s.files->hostPath(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && !decryptedFileName(name).empty())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back(JoinPath(folder, name));
    return paths;
}

}  // namespace orv::companions
