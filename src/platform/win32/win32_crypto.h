// File encryption through Windows' own CNG (bcrypt.dll), in the format of the host's
// HostCrypto (docs/encryption.md): PBKDF2-HMAC-SHA256 key, key check, AES-256-GCM chunks.
// Output goes to a temporary file beside the target, renamed into place only when
// complete, so a failure leaves nothing at the target.
#pragma once

#include <cstdint>

#include "platform/crypto.h"

namespace orv::platform {

class Win32Crypto final : public Crypto {
public:
    int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                             const std::string& password) override;
    int CryDecryptFile(const std::string& source, const std::string& target, const std::string& password) override;
    int CryGetLastError() const override { return lastError_; }

    // Tests only: a lower key-stretching count for encryption (it is stored in the file).
    void useIterationsForTests(std::uint32_t iterations) { iterations_ = iterations; }

private:
    std::uint32_t iterations_ = 600000;
    int lastError_ = CryOk;
};

}  // namespace orv::platform
