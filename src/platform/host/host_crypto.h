// File encryption of files addressed by Windows-form paths. Output goes to a temporary
// file beside the target that is renamed into place only when complete, so a failure
// never leaves a partial file at the target.
#pragma once

#include <cstdint>

#include "platform/crypto.h"
#include "platform/host/file_crypto.h"

namespace orv::platform {

class FileSystem;

class HostCrypto final : public Crypto {
public:
    explicit HostCrypto(const FileSystem& files) : files_(files) {}

    int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                             const std::string& password) override;
    int CryDecryptFile(const std::string& source, const std::string& target, const std::string& password) override;
    int CryGetLastError() const override { return lastError_; }

    // Tests only: a lower key-stretching count so that they run fast. Files the programs
    // write always use CryptoIterations.
    void useIterationsForTests(std::uint32_t iterations) { iterations_ = iterations; }

private:
    template <typename Transform>
    int transformFile(const std::string& source, const std::string& target, Transform transform);

    const FileSystem& files_;
    std::uint32_t iterations_ = CryptoIterations;
    int lastError_ = CryOk;
};

}  // namespace orv::platform
