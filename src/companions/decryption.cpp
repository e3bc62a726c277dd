#include "companions/decryption.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/path_helpers.h"
#include "model/file_io.h"
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
    const std::string name = FileNamePart(encryptedFile);
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

}  // namespace orv::companions
