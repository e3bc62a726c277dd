#include "platform/host/host_crypto.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include "platform/file_system.h"

namespace orv::platform {

namespace {

struct CipherDeleter {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherDeleter>;

class OpenSslGcm final : public ChunkCipher {
public:
    OpenSslGcm(const CryptoPrimitives::Key& key, CipherContext ctx) : key_(key), ctx_(std::move(ctx)) {}
    ~OpenSslGcm() override { OPENSSL_cleanse(key_.data(), key_.size()); }

    bool seal(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* plain,
              std::size_t size, unsigned char* sealed, unsigned char* tag) override
    {
        EVP_CIPHER_CTX* ctx = ctx_.get();
        int length = 0;
        return EVP_EncryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) == 1 &&
               EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
               EVP_EncryptInit_ex(ctx, nullptr, nullptr, key_.data(), nonce) == 1 &&
               EVP_EncryptUpdate(ctx, nullptr, &length, aad, static_cast<int>(aadSize)) == 1 &&
               (size == 0 || EVP_EncryptUpdate(ctx, sealed, &length, plain, static_cast<int>(size)) == 1) &&
               EVP_EncryptFinal_ex(ctx, sealed + size, &length) == 1 &&
               EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_GET_TAG, TagSize, tag) == 1;
    }

    bool open(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* sealed,
              std::size_t size, const unsigned char* tag, unsigned char* plain) override
    {
        EVP_CIPHER_CTX* ctx = ctx_.get();
        int length = 0;
        return EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) == 1 &&
               EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
               EVP_DecryptInit_ex(ctx, nullptr, nullptr, key_.data(), nonce) == 1 &&
               EVP_DecryptUpdate(ctx, nullptr, &length, aad, static_cast<int>(aadSize)) == 1 &&
               (size == 0 || EVP_DecryptUpdate(ctx, plain, &length, sealed, static_cast<int>(size)) == 1) &&
               EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, TagSize, const_cast<unsigned char*>(tag)) == 1 &&
               EVP_DecryptFinal_ex(ctx, plain + size, &length) == 1;
    }

private:
    CryptoPrimitives::Key key_;
    CipherContext ctx_;
};

class OpenSslPrimitives final : public CryptoPrimitives {
public:
    bool randomBytes(unsigned char* buffer, std::size_t size) override
    {
        return RAND_bytes(buffer, static_cast<int>(size)) == 1;
    }

    bool deriveKey(const std::string& password, const unsigned char* salt, std::size_t saltSize,
                   std::uint32_t iterations, Key& key) override
    {
        return PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt, static_cast<int>(saltSize),
                                 static_cast<int>(iterations), EVP_sha256(), static_cast<int>(key.size()),
                                 key.data()) == 1;
    }

    bool hmacSha256(const Key& key, const unsigned char* data, std::size_t size, Mac& mac) override
    {
        unsigned int length = 0;
        return HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), data, size, mac.data(), &length) &&
               length == mac.size();
    }

    std::unique_ptr<ChunkCipher> gcm(const Key& key) override
    {
        CipherContext ctx(EVP_CIPHER_CTX_new());
        if (!ctx)
            return nullptr;
        return std::make_unique<OpenSslGcm>(key, std::move(ctx));
    }
};

}  // namespace

std::unique_ptr<CryptoPrimitives> HostCrypto::primitives() const
{
    return std::make_unique<OpenSslPrimitives>();
}

std::filesystem::path HostCrypto::fileOf(const std::string& path) const { return files_.hostPath(path); }

}  // namespace orv::platform
