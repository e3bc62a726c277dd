// File encryption through Windows' own CNG (bcrypt.dll) in the encrypted file format, so
// that it reads what the host's HostCrypto writes.
#pragma once

#include "platform/format_crypto.h"

namespace orv::platform {

class Win32Crypto final : public FormatCrypto {
protected:
    std::unique_ptr<CryptoPrimitives> primitives() const override;
    std::filesystem::path fileOf(const std::string& path) const override;
};

}  // namespace orv::platform
