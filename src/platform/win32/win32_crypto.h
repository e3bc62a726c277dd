// File encryption through Windows' own CNG (bcrypt.dll) in the encrypted file format, so
// that it reads what the host's HostCrypto writes.
#pragma once

#include <cstdint>

#include "platform/crypto.h"
#include "platform/encrypted_file.h"

namespace orv::platform {

class Win32Crypto final : public Crypto {
public:
    int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                             const std::string& password) override;
    int CryDecryptFile(const std::string& source, const std::string& target, const std::string& password) override;
    int CryGetLastError() const override { return lastError_; }
    int CryCheckPassword(const std::string& encryptedFile, const std::string& password) override;
    std::string CryPasswordVerifier(const std::string& password) override;
    bool CryCheckPasswordVerifier(const std::string& verifier, const std::string& password) override;

    // Tests only: a lower key-stretching count for encryption (it is stored in the file).
    void useIterationsForTests(std::uint32_t iterations) { iterations_ = iterations; }

private:
    std::uint32_t iterations_ = CryptoIterations;
    int lastError_ = CryOk;
};

}  // namespace orv::platform
