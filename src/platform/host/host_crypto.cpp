#include "platform/host/host_crypto.h"

#include <fstream>
#include <random>

#include "platform/file_system.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

fs::path temporaryBeside(const fs::path& target)
{
    std::random_device random;
    return target.parent_path() / (target.filename().string() + ".part-" + std::to_string(random()));
}

}  // namespace

template <typename Transform>
int HostCrypto::transformFile(const std::string& source, const std::string& target, Transform transform)
{
    fs::path from = files_.hostPath(source);
    fs::path to = files_.hostPath(target);
    std::error_code ec;
    if (from.empty() || !fs::exists(from, ec)) {
        lastError_ = CrySourceNotFound;
        return 0;
    }
    std::ifstream in(from, std::ios::binary);
    if (!in || fs::is_directory(from, ec)) {
        lastError_ = CryReadFailed;
        return 0;
    }
    if (to.empty()) {
        lastError_ = CryWriteFailed;
        return 0;
    }
    fs::path temporary = temporaryBeside(to);
    int result = CryWriteFailed;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out)
            result = transform(in, out);
        if (result == CryOk) {
            out.close();
            if (!out)
                result = CryWriteFailed;
        }
    }
    if (result == CryOk) {
        fs::rename(temporary, to, ec);
        if (ec)
            result = CryWriteFailed;
    }
    if (result != CryOk)
        fs::remove(temporary, ec);
    lastError_ = result;
    return result == CryOk ? 1 : 0;
}

int HostCrypto::CrySimpleEncryptFile(const std::string& source, const std::string& target, const std::string& password)
{
    return transformFile(source, target, [&](std::istream& in, std::ostream& out) {
        return encryptStream(in, out, password, iterations_);
    });
}

int HostCrypto::CryDecryptFile(const std::string& source, const std::string& target, const std::string& password)
{
    return transformFile(source, target,
                         [&](std::istream& in, std::ostream& out) { return decryptStream(in, out, password); });
}

}  // namespace orv::platform
