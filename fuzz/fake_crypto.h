// Fast stand-in primitives for fuzzing the encrypted file format: cheap arithmetic in place
// of PBKDF2, HMAC and AES-GCM, with the same shapes (a key from password and salt, a key
// check, a tag per chunk that covers nonce, associated data and text), so the format layer
// runs through every path without the cost of the real iterations.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "platform/encrypted_file.h"

namespace orv::fuzz {

class FakeCipher : public platform::ChunkCipher {
public:
    explicit FakeCipher(const platform::CryptoPrimitives::Key& key) : key_(key) {}

    bool seal(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* plain,
              std::size_t size, unsigned char* sealed, unsigned char* tag) override
    {
        for (std::size_t i = 0; i < size; ++i)
            sealed[i] = static_cast<unsigned char>(plain[i] ^ pad(nonce, i));
        tagOf(nonce, aad, aadSize, plain, size, tag);
        return true;
    }
    bool open(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* sealed,
              std::size_t size, const unsigned char* tag, unsigned char* plain) override
    {
        for (std::size_t i = 0; i < size; ++i)
            plain[i] = static_cast<unsigned char>(sealed[i] ^ pad(nonce, i));
        unsigned char expected[TagSize];
        tagOf(nonce, aad, aadSize, plain, size, expected);
        return std::memcmp(expected, tag, TagSize) == 0;
    }

private:
    unsigned char pad(const unsigned char* nonce, std::size_t i) const
    {
        return static_cast<unsigned char>(key_[i % key_.size()] ^ nonce[i % NonceSize] ^ (i * 131));
    }
    void tagOf(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* text,
               std::size_t size, unsigned char* tag) const
    {
        for (std::size_t j = 0; j < TagSize; ++j)
            tag[j] = static_cast<unsigned char>(key_[j] ^ nonce[j % NonceSize]);
        for (std::size_t i = 0; i < aadSize; ++i)
            tag[i % TagSize] = static_cast<unsigned char>(tag[i % TagSize] * 31 + aad[i]);
        for (std::size_t i = 0; i < size; ++i)
            tag[i % TagSize] = static_cast<unsigned char>(tag[i % TagSize] * 33 + text[i]);
    }

    platform::CryptoPrimitives::Key key_;
};

class FakeCrypto : public platform::CryptoPrimitives {
public:
    bool randomBytes(unsigned char* buffer, std::size_t size) override
    {
        for (std::size_t i = 0; i < size; ++i)
            buffer[i] = static_cast<unsigned char>(++counter_ * 97);
        return true;
    }
    bool deriveKey(const std::string& password, const unsigned char* salt, std::size_t saltSize,
                   std::uint32_t iterations, Key& key) override
    {
        for (std::size_t i = 0; i < key.size(); ++i)
            key[i] = static_cast<unsigned char>((saltSize ? salt[i % saltSize] : 0) ^ (iterations >> (i % 4 * 8)) ^ i);
        for (std::size_t i = 0; i < password.size(); ++i)
            key[i % key.size()] = static_cast<unsigned char>(key[i % key.size()] * 7 + password[i]);
        return true;
    }
    bool hmacSha256(const Key& key, const unsigned char* data, std::size_t size, Mac& mac) override
    {
        for (std::size_t i = 0; i < mac.size(); ++i)
            mac[i] = static_cast<unsigned char>(key[i] ^ (size ? data[i % size] : 0));
        return true;
    }
    std::unique_ptr<platform::ChunkCipher> gcm(const Key& key) override { return std::make_unique<FakeCipher>(key); }

private:
    unsigned counter_ = 0;
};

}  // namespace orv::fuzz
