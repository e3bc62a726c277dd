#include "platform/win32/win32_crypto.h"

#include <windows.h>

#include <bcrypt.h>

#include <cstring>
#include <type_traits>

#include "platform/win32/wide_text.h"

namespace orv::platform {

namespace {

bool succeeded(NTSTATUS status) { return status >= 0; }

// bcrypt.dll's functions, loaded with the first use of encryption, so that a program that
// checks no password never loads it (Wine's bcrypt brings up its TLS library as it loads).
struct Bcrypt {
    decltype(&BCryptOpenAlgorithmProvider) OpenAlgorithmProvider = nullptr;
    decltype(&BCryptCloseAlgorithmProvider) CloseAlgorithmProvider = nullptr;
    decltype(&BCryptSetProperty) SetProperty = nullptr;
    decltype(&BCryptGenerateSymmetricKey) GenerateSymmetricKey = nullptr;
    decltype(&BCryptDestroyKey) DestroyKey = nullptr;
    decltype(&BCryptEncrypt) Encrypt = nullptr;
    decltype(&BCryptDecrypt) Decrypt = nullptr;
    decltype(&BCryptGenRandom) GenRandom = nullptr;
    decltype(&BCryptDeriveKeyPBKDF2) DeriveKeyPBKDF2 = nullptr;
    decltype(&BCryptCreateHash) CreateHash = nullptr;
    decltype(&BCryptHashData) HashData = nullptr;
    decltype(&BCryptFinishHash) FinishHash = nullptr;
    decltype(&BCryptDestroyHash) DestroyHash = nullptr;
    bool loaded = false;
};

const Bcrypt& bcrypt()
{
    static const Bcrypt functions = [] {
        Bcrypt f;
        HMODULE module = LoadLibraryExW(L"bcrypt.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module)
            module = LoadLibraryW(L"bcrypt.dll");  // systems without the search flag
        if (!module)
            return f;
        auto load = [module](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                reinterpret_cast<void*>(GetProcAddress(module, name)));
            return function != nullptr;
        };
        f.loaded = load(f.OpenAlgorithmProvider, "BCryptOpenAlgorithmProvider") &&
                   load(f.CloseAlgorithmProvider, "BCryptCloseAlgorithmProvider") &&
                   load(f.SetProperty, "BCryptSetProperty") &&
                   load(f.GenerateSymmetricKey, "BCryptGenerateSymmetricKey") &&
                   load(f.DestroyKey, "BCryptDestroyKey") &&
                   load(f.Encrypt, "BCryptEncrypt") &&
                   load(f.Decrypt, "BCryptDecrypt") &&
                   load(f.GenRandom, "BCryptGenRandom") &&
                   load(f.DeriveKeyPBKDF2, "BCryptDeriveKeyPBKDF2") &&
                   load(f.CreateHash, "BCryptCreateHash") &&
                   load(f.HashData, "BCryptHashData") &&
                   load(f.FinishHash, "BCryptFinishHash") &&
                   load(f.DestroyHash, "BCryptDestroyHash");
        return f;
    }();
    return functions;
}


PUCHAR bytes(const void* data) { return static_cast<PUCHAR>(const_cast<void*>(data)); }

class Provider {
public:
    Provider(LPCWSTR algorithm, ULONG flags)
    {
        if (!bcrypt().loaded || !succeeded(bcrypt().OpenAlgorithmProvider(&handle_, algorithm, nullptr, flags)))
            handle_ = nullptr;
    }
    ~Provider()
    {
        if (handle_)
            bcrypt().CloseAlgorithmProvider(handle_, 0);
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

// AES-256-GCM with one key; each chunk brings its own nonce and authenticated data.
class CngGcm final : public ChunkCipher {
public:
    explicit CngGcm(const CryptoPrimitives::Key& key) : aes_(BCRYPT_AES_ALGORITHM, 0)
    {
        if (aes_.get() &&
            succeeded(bcrypt().SetProperty(aes_.get(), BCRYPT_CHAINING_MODE, bytes(BCRYPT_CHAIN_MODE_GCM),
                                        sizeof BCRYPT_CHAIN_MODE_GCM, 0)) &&
            !succeeded(bcrypt().GenerateSymmetricKey(aes_.get(), &key_, nullptr, 0, bytes(key.data()), key.size(), 0)))
            key_ = nullptr;
    }
    ~CngGcm() override
    {
        if (key_)
            bcrypt().DestroyKey(key_);
    }
    CngGcm(const CngGcm&) = delete;
    CngGcm& operator=(const CngGcm&) = delete;
    bool ready() const { return key_ != nullptr; }

    bool seal(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* plain,
              std::size_t size, unsigned char* sealed, unsigned char* tag) override
    {
        return run(true, nonce, aad, aadSize, plain, size, sealed, tag);
    }
    bool open(const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize, const unsigned char* sealed,
              std::size_t size, const unsigned char* tag, unsigned char* plain) override
    {
        return run(false, nonce, aad, aadSize, sealed, size, plain, tag);
    }

private:
    // in -> out (size bytes each); the tag is written to (encrypt) or checked against.
    bool run(bool encrypt, const unsigned char* nonce, const unsigned char* aad, std::size_t aadSize,
             const unsigned char* in, std::size_t size, unsigned char* out, const unsigned char* tag)
    {
        BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
        std::memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        info.dwInfoVersion = BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO_VERSION;
        info.pbNonce = bytes(nonce);
        info.cbNonce = NonceSize;
        info.pbAuthData = bytes(aad);
        info.cbAuthData = static_cast<ULONG>(aadSize);
        info.pbTag = bytes(tag);
        info.cbTag = TagSize;
        unsigned char empty = 0;  // an empty chunk still needs buffers to point at
        const PUCHAR input = size ? bytes(in) : &empty;
        const PUCHAR output = size ? out : &empty;
        const ULONG length = static_cast<ULONG>(size);
        ULONG written = 0;
        const NTSTATUS status =
            encrypt ? bcrypt().Encrypt(key_, input, length, &info, nullptr, 0, output, length, &written, 0)
                    : bcrypt().Decrypt(key_, input, length, &info, nullptr, 0, output, length, &written, 0);
        return succeeded(status) && written == length;
    }

    Provider aes_;
    BCRYPT_KEY_HANDLE key_ = nullptr;
};

class CngPrimitives final : public CryptoPrimitives {
public:
    CngPrimitives() : hmac_(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG) {}

    bool randomBytes(unsigned char* buffer, std::size_t size) override
    {
        return bcrypt().loaded && succeeded(
            bcrypt().GenRandom(nullptr, buffer, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG));
    }

    bool deriveKey(const std::string& password, const unsigned char* salt, std::size_t saltSize,
                   std::uint32_t iterations, Key& key) override
    {
        unsigned char none = 0;  // an empty password still needs a buffer to point at
        const PUCHAR secret = password.empty() ? &none : bytes(password.data());
        return hmac_.get() &&
               succeeded(bcrypt().DeriveKeyPBKDF2(hmac_.get(), secret, static_cast<ULONG>(password.size()), bytes(salt),
                                               static_cast<ULONG>(saltSize), iterations, key.data(), key.size(), 0));
    }

    bool hmacSha256(const Key& key, const unsigned char* data, std::size_t size, Mac& mac) override
    {
        BCRYPT_HASH_HANDLE hash = nullptr;
        const bool ok =
            hmac_.get() &&
            succeeded(bcrypt().CreateHash(hmac_.get(), &hash, nullptr, 0, bytes(key.data()), key.size(), 0)) &&
            succeeded(bcrypt().HashData(hash, bytes(data), static_cast<ULONG>(size), 0)) &&
            succeeded(bcrypt().FinishHash(hash, mac.data(), mac.size(), 0));
        if (hash)
            bcrypt().DestroyHash(hash);
        return ok;
    }

    std::unique_ptr<ChunkCipher> gcm(const Key& key) override
    {
        auto cipher = std::make_unique<CngGcm>(key);
        if (!cipher->ready())
            return nullptr;
        return cipher;
    }

private:
    Provider hmac_;
};

}  // namespace

std::unique_ptr<CryptoPrimitives> Win32Crypto::primitives() const { return std::make_unique<CngPrimitives>(); }

std::filesystem::path Win32Crypto::fileOf(const std::string& path) const { return widen(path); }

}  // namespace orv::platform
