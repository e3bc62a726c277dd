// File encryption of files addressed by Windows-form paths, in the encrypted file format
// with OpenSSL's libcrypto doing the cryptography.
#pragma once

#include "platform/format_crypto.h"

namespace orv::platform {

class FileSystem;

class HostCrypto final : public FormatCrypto {
public:
    explicit HostCrypto(const FileSystem& files) : files_(files) {}

protected:
    std::unique_ptr<CryptoPrimitives> primitives() const override;
    std::filesystem::path fileOf(const std::string& path) const override;

private:
    const FileSystem& files_;
};

}  // namespace orv::platform
