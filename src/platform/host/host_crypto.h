// File encryption of files addressed by Windows-form paths, in the encrypted file format
// with OpenSSL's libcrypto doing the cryptography. libcrypto is loaded with the first
// encryption, not at start: most editor sessions and menus never encrypt or check a password.
#pragma once

#include <string>

#include "platform/format_crypto.h"

namespace orv::platform {

class FileSystem;

class HostCrypto final : public FormatCrypto {
public:
    // The shared library to load, by the name the dynamic loader looks up.
    static const char* const DefaultLibrary;

    explicit HostCrypto(const FileSystem& files, std::string library = DefaultLibrary)
        : files_(files), library_(std::move(library))
    {
    }

protected:
    // When the library or one of its functions is missing, primitives that fail every call,
    // so that each operation ends with CryInternal.
    std::unique_ptr<CryptoPrimitives> primitives() const override;
    std::filesystem::path fileOf(const std::string& path) const override;

private:
    const FileSystem& files_;
    std::string library_;
};

}  // namespace orv::platform
