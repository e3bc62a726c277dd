// The encrypted file format: AES-256-GCM in 64 KiB chunks with a key from
// PBKDF2-HMAC-SHA256 over the password (docs/encryption.md gives the byte layout).
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace orv::platform {

constexpr std::uint32_t CryptoIterations = 600000;
constexpr std::uint32_t CryptoChunkSize = 65536;

// Encrypts everything the input holds into output. Returns a CryptoError value (CryOk on
// success); iterations below 1 are refused.
int encryptStream(std::istream& in, std::ostream& out, const std::string& password,
                  std::uint32_t iterations = CryptoIterations);

// Decrypts a stream written by encryptStream. Output is written chunk by chunk as each
// chunk proves genuine, so on failure the caller must discard what was written. Returns
// CryOk, CryBadPassword (the password does not fit the file), CryDamaged (anything else
// wrong: header, tags, order, length) or CryReadFailed/CryWriteFailed/CryInternal.
int decryptStream(std::istream& in, std::ostream& out, const std::string& password);

}  // namespace orv::platform
