// File encryption for password-protected buttons.
#pragma once

#include <string>

namespace orv::platform {

enum CryptoError : int {
    CryOk = 0,
    CrySourceNotFound = 2,
    CryReadFailed = 3,
    CryWriteFailed = 4,
    CryInternal = 5,
    CryBadPassword = 6,
    CryDamaged = 7,
};

class Crypto {
public:
    virtual ~Crypto() = default;
    // Writes an encrypted copy of source to target. Non-zero on success.
    virtual int CrySimpleEncryptFile(const std::string& source, const std::string& target,
                                     const std::string& password) = 0;
    // Restores a file written by CrySimpleEncryptFile. Non-zero on success; on failure
    // nothing is left at target.
    virtual int CryDecryptFile(const std::string& source, const std::string& target,
                               const std::string& password) = 0;
    virtual int CryGetLastError() const = 0;
};

}  // namespace orv::platform
