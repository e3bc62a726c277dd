// The encrypted file format (docs/encryption.md): a 64-byte header, a key from
// PBKDF2-HMAC-SHA256 over the password, and AES-256-GCM in chunks. Standard C++ only; the
// cryptography itself comes from each build's own library through CryptoPrimitives.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace orv::platform {

constexpr std::uint32_t CryptoIterations = 600000;
constexpr std::uint32_t CryptoChunkSize = 65536;

// AES-256-GCM under one key, one call per chunk. size may be 0.
class ChunkCipher {
public:
    static constexpr std::size_t NonceSize = 12;
    static constexpr std::size_t TagSize = 16;

    virtual ~ChunkCipher() = default;
    // Encrypts size bytes of plain into sealed and writes the tag.
    virtual bool seal(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize,
                      const unsigned char* plain, std::size_t size, unsigned char* sealed, unsigned char* tag) = 0;
    // Decrypts size bytes of sealed into plain; false when the tag does not match.
    virtual bool open(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize,
                      const unsigned char* sealed, std::size_t size, const unsigned char* tag,
                      unsigned char* plain) = 0;
};

class CryptoPrimitives {
public:
    using Key = std::array<unsigned char, 32>;
    using Mac = std::array<unsigned char, 32>;

    virtual ~CryptoPrimitives() = default;
    virtual bool randomBytes(unsigned char* buffer, std::size_t size) = 0;
    // PBKDF2-HMAC-SHA256 over the password's bytes.
    virtual bool deriveKey(const std::string& password, const unsigned char* salt, std::size_t saltSize,
                           std::uint32_t iterations, Key& key) = 0;
    virtual bool hmacSha256(const Key& key, const unsigned char* data, std::size_t size, Mac& mac) = 0;
    // Null when the cipher cannot be set up.
    virtual std::unique_ptr<ChunkCipher> gcm(const Key& key) = 0;
};

// Writes an encrypted copy of source to target; CryOk or another CryptoError value. The
// output goes to a temporary file beside target that replaces target only when complete,
// so a failure leaves nothing new at target. Iterations outside 1 to 10 000 000 are refused.
int writeEncryptedFile(CryptoPrimitives& crypto, const std::filesystem::path& source,
                       const std::filesystem::path& target, const std::string& password,
                       std::uint32_t iterations = CryptoIterations);

// Restores a file written by writeEncryptedFile, in the same all-or-nothing way. CryOk,
// CryBadPassword (the password does not fit the file), CryDamaged (header, tags, order,
// length) or the file errors.
int restoreEncryptedFile(CryptoPrimitives& crypto, const std::filesystem::path& source,
                         const std::filesystem::path& target, const std::string& password);

// Whether the password opens the encrypted file, by its key check alone (nothing is
// decrypted or written): CryOk, CryBadPassword, CryDamaged or a file error.
int checkEncryptedFilePassword(CryptoPrimitives& crypto, const std::filesystem::path& source,
                               const std::string& password);

// A salted PBKDF2-HMAC-SHA256 verifier of a password, "PBKDF2-SHA256$<iterations>$<salt>$<key>"
// (hexadecimal), so that a menu can check a typed password without holding it. Empty when
// it cannot be made.
std::string makePasswordVerifier(CryptoPrimitives& crypto, const std::string& password,
                                 std::uint32_t iterations = CryptoIterations);

// True when the verifier is well formed and the password gives its key.
bool checkPasswordVerifier(CryptoPrimitives& crypto, const std::string& verifier, const std::string& password);

}  // namespace orv::platform
