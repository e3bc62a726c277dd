// The Crypto service over the encrypted file format: everything but the cryptographic
// primitives and the way a Windows-form path becomes a file of this system, which each
// system's class supplies (OpenSSL on the host, CNG on Windows).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/crypto.h"
#include "platform/encrypted_file.h"

namespace orv::platform {

class FormatCrypto : public Crypto {
public:
    int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                             const std::string& password) override;
    int CryDecryptFile(const std::string& source, const std::string& target, const std::string& password) override;
    int CryGetLastError() const override { return lastError_; }
    int CryCheckPassword(const std::string& encryptedFile, const std::string& password) override;
    std::string CryPasswordVerifier(const std::string& password) override;
    bool CryCheckPasswordVerifier(const std::string& verifier, const std::string& password) override;

    // Tests only: a lower key-stretching count for encryption and verifiers (it is stored
    // with them) so that tests run fast. The programs always use CryptoIterations.
    void useIterationsForTests(std::uint32_t iterations) { iterations_ = iterations; }

protected:
    // The primitives for one call (made afresh: they hold the system's handles).
    virtual std::unique_ptr<CryptoPrimitives> primitives() const = 0;
    // The file of this system that a Windows-form path names.
    virtual std::filesystem::path fileOf(const std::string& path) const = 0;

private:
    std::uint32_t iterations_ = CryptoIterations;
    int lastError_ = CryOk;
};

}  // namespace orv::platform
