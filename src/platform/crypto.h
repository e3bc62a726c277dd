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

    // Whether the password opens an encrypted file, by the file's key check alone (nothing is
    // decrypted or written): CryOk, CryBadPassword, CryDamaged, CrySourceNotFound or
    // CryReadFailed. The menu checks a typed password this way, so the medium never holds it.
    virtual int CryCheckPassword(const std::string& encryptedFile, const std::string& password) = 0;
    // A salted PBKDF2-HMAC-SHA256 verifier of a password for a menu description file; empty
    // when it cannot be made.
    virtual std::string CryPasswordVerifier(const std::string& password) = 0;
    // True when the password fits the verifier.
    virtual bool CryCheckPasswordVerifier(const std::string& verifier, const std::string& password) = 0;
};

}  // namespace orv::platform
