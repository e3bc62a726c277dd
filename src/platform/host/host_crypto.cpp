#include "platform/host/host_crypto.h"

#include <map>
#include <mutex>

// The headers give the functions' types only; the functions are found by name at first use.
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/opensslv.h>
#include <openssl/rand.h>

#include "platform/file_system.h"
#include "platform/host/library_functions.h"

namespace orv::platform {

#if OPENSSL_VERSION_MAJOR >= 3
const char* const HostCrypto::DefaultLibrary = "libcrypto.so.3";
#else
const char* const HostCrypto::DefaultLibrary = "libcrypto.so.1.1";
#endif

namespace {

// The functions of libcrypto in use. The library stays loaded for the program's life.
struct LibCrypto {
    decltype(&EVP_CIPHER_CTX_new) cipherNew = nullptr;
    decltype(&EVP_CIPHER_CTX_free) cipherFree = nullptr;
    decltype(&EVP_CIPHER_CTX_ctrl) cipherCtrl = nullptr;
    decltype(&EVP_aes_256_gcm) aes256Gcm = nullptr;
    decltype(&EVP_sha256) sha256 = nullptr;
    decltype(&EVP_EncryptInit_ex) encryptInit = nullptr;
    decltype(&EVP_EncryptUpdate) encryptUpdate = nullptr;
    decltype(&EVP_EncryptFinal_ex) encryptFinal = nullptr;
    decltype(&EVP_DecryptInit_ex) decryptInit = nullptr;
    decltype(&EVP_DecryptUpdate) decryptUpdate = nullptr;
    decltype(&EVP_DecryptFinal_ex) decryptFinal = nullptr;
    decltype(&RAND_bytes) randBytes = nullptr;
    decltype(&PKCS5_PBKDF2_HMAC) pbkdf2 = nullptr;
    decltype(&HMAC) hmac = nullptr;
    decltype(&OPENSSL_cleanse) cleanse = nullptr;
    bool ready = false;

    explicit LibCrypto(const std::string& name)
    {
        void* module = openLibrary(name.c_str());
        if (!module)
            return;
        const auto find = [module](auto& function, const char* symbol) { return findFunction(module, function, symbol); };
        ready = find(cipherNew, "EVP_CIPHER_CTX_new") && find(cipherFree, "EVP_CIPHER_CTX_free") &&
                find(cipherCtrl, "EVP_CIPHER_CTX_ctrl") && find(aes256Gcm, "EVP_aes_256_gcm") &&
                find(sha256, "EVP_sha256") && find(encryptInit, "EVP_EncryptInit_ex") &&
                find(encryptUpdate, "EVP_EncryptUpdate") && find(encryptFinal, "EVP_EncryptFinal_ex") &&
                find(decryptInit, "EVP_DecryptInit_ex") && find(decryptUpdate, "EVP_DecryptUpdate") &&
                find(decryptFinal, "EVP_DecryptFinal_ex") && find(randBytes, "RAND_bytes") &&
                find(pbkdf2, "PKCS5_PBKDF2_HMAC") && find(hmac, "HMAC") && find(cleanse, "OPENSSL_cleanse");
    }
};

// Each library loaded once, on the first call that needs it.
const LibCrypto& libCrypto(const std::string& name)
{
    static std::mutex guard;
    static std::map<std::string, LibCrypto> loaded;
    const std::lock_guard lock(guard);
    auto found = loaded.find(name);
    if (found == loaded.end())
        found = loaded.try_emplace(name, name).first;
    return found->second;
}

struct CipherDeleter {
    const LibCrypto* lib;
    void operator()(EVP_CIPHER_CTX* ctx) const { lib->cipherFree(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherDeleter>;

class OpenSslGcm final : public ChunkCipher {
public:
    OpenSslGcm(const LibCrypto& lib, const CryptoPrimitives::Key& key, CipherContext ctx)
        : lib_(lib), key_(key), ctx_(std::move(ctx))
    {
    }
    ~OpenSslGcm() override { lib_.cleanse(key_.data(), key_.size()); }

    bool seal(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* plain,
              std::size_t size, unsigned char* sealed, unsigned char* tag) override
    {
        EVP_CIPHER_CTX* ctx = ctx_.get();
        int length = 0;
        return lib_.encryptInit(ctx, lib_.aes256Gcm(), nullptr, nullptr, nullptr) == 1 &&
               lib_.cipherCtrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
               lib_.encryptInit(ctx, nullptr, nullptr, key_.data(), nonce) == 1 &&
               lib_.encryptUpdate(ctx, nullptr, &length, aad, static_cast<int>(aadSize)) == 1 &&
               (size == 0 || lib_.encryptUpdate(ctx, sealed, &length, plain, static_cast<int>(size)) == 1) &&
               lib_.encryptFinal(ctx, sealed + size, &length) == 1 &&
               lib_.cipherCtrl(ctx, EVP_CTRL_GCM_GET_TAG, TagSize, tag) == 1;
    }

    bool open(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* sealed,
              std::size_t size, const unsigned char* tag, unsigned char* plain) override
    {
        EVP_CIPHER_CTX* ctx = ctx_.get();
        int length = 0;
        return lib_.decryptInit(ctx, lib_.aes256Gcm(), nullptr, nullptr, nullptr) == 1 &&
               lib_.cipherCtrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) == 1 &&
               lib_.decryptInit(ctx, nullptr, nullptr, key_.data(), nonce) == 1 &&
               lib_.decryptUpdate(ctx, nullptr, &length, aad, static_cast<int>(aadSize)) == 1 &&
               (size == 0 || lib_.decryptUpdate(ctx, plain, &length, sealed, static_cast<int>(size)) == 1) &&
               lib_.cipherCtrl(ctx, EVP_CTRL_GCM_SET_TAG, TagSize, const_cast<unsigned char*>(tag)) == 1 &&
               lib_.decryptFinal(ctx, plain + size, &length) == 1;
    }

private:
    const LibCrypto& lib_;
    CryptoPrimitives::Key key_;
    CipherContext ctx_;
};

class OpenSslPrimitives final : public CryptoPrimitives {
public:
    explicit OpenSslPrimitives(const LibCrypto& lib) : lib_(lib) {}

    bool randomBytes(unsigned char* buffer, std::size_t size) override
    {
        return lib_.randBytes(buffer, static_cast<int>(size)) == 1;
    }

    bool deriveKey(const std::string& password, const unsigned char* salt, std::size_t saltSize,
                   std::uint32_t iterations, Key& key) override
    {
        return lib_.pbkdf2(password.data(), static_cast<int>(password.size()), salt, static_cast<int>(saltSize),
                                 static_cast<int>(iterations), lib_.sha256(), static_cast<int>(key.size()),
                                 key.data()) == 1;
    }

    bool hmacSha256(const Key& key, const unsigned char* data, std::size_t size, Mac& mac) override
    {
        unsigned int length = 0;
        return lib_.hmac(lib_.sha256(), key.data(), static_cast<int>(key.size()), data, size, mac.data(), &length) &&
               length == mac.size();
    }

    std::unique_ptr<ChunkCipher> gcm(const Key& key) override
    {
        CipherContext ctx(lib_.cipherNew(), CipherDeleter{&lib_});
        if (!ctx)
            return nullptr;
        return std::make_unique<OpenSslGcm>(lib_, key, std::move(ctx));
    }

private:
    const LibCrypto& lib_;
};

// Without libcrypto: every call fails.
class MissingPrimitives final : public CryptoPrimitives {
public:
    bool randomBytes(unsigned char*, std::size_t) override { return false; }
    bool deriveKey(const std::string&, const unsigned char*, std::size_t, std::uint32_t, Key&) override { return false; }
    bool hmacSha256(const Key&, const unsigned char*, std::size_t, Mac&) override { return false; }
    std::unique_ptr<ChunkCipher> gcm(const Key&) override { return nullptr; }
};

}  // namespace

std::unique_ptr<CryptoPrimitives> HostCrypto::primitives() const
{
    const LibCrypto& lib = libCrypto(library_);
    if (!lib.ready)
        return std::make_unique<MissingPrimitives>();
    return std::make_unique<OpenSslPrimitives>(lib);
}

std::filesystem::path HostCrypto::fileOf(const std::string& path) const { return files_.hostPath(path); }

}  // namespace orv::platform
