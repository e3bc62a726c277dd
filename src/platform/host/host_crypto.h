// File encryption of files addressed by Windows-form paths, in the encrypted file format
// with OpenSSL's libcrypto doing the cryptography.
#pragma once

#include <cstdint>

#include "platform/crypto.h"
#include "platform/encrypted_file.h"

namespace orv::platform {

class FileSystem;

class HostCrypto final : public Crypto {
public:
    explicit HostCrypto(const FileSystem& files) : files_(files) {}

    int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                             const std::string& password) override;
    int CryDecryptFile(const std::string& source, const std::string& target, const std::string& password) override;
    int CryGetLastError() const override { return lastError_; }
    int CryCheckPassword(const std::string& encryptedFile, const std::string& password) override;
    std::string CryPasswordVerifier(const std::string& password) override;
    bool CryCheckPasswordVerifier(const std::string& verifier, const std::string& password) override;

    // Tests only: a lower key-stretching count so that they run fast. Files the programs
    // write always use CryptoIterations.
    void useIterationsForTests(std::uint32_t iterations) { iterations_ = iterations; }

private:
    const FileSystem& files_;
    std::uint32_t iterations_ = CryptoIterations;
    int lastError_ = CryOk;
};

}  // namespace orv::platform
