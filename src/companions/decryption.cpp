#include "companions/decryption.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/crypto.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv::companions {

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

std::string defaultDecryptionTarget(const std::string& encryptedFile)
{
    std::string temp = platform::services().folders ? platform::services().folders->GetTemporaryDir() : std::string();
    if (!temp.empty() && temp.back() != '\\')
        temp += '\\';
    return temp + "ORVNBE\\" + decryptedFileName(encryptedFile);
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
