#include "platform/win32/win32_crypto.h"

#include <windows.h>

#include <bcrypt.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/win32/wide_text.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

constexpr char Magic[8] = {'O', 'R', 'V', 'N', 'C', 'R', 'Y', '1'};
constexpr std::uint32_t FormatVersion = 1;
constexpr std::uint32_t ChunkSize = 65536;
constexpr std::size_t SaltSize = 16, NonceSize = 12, TagSize = 16, CheckSize = 16;
constexpr std::size_t HeaderSize = 64;
constexpr std::size_t VersionAt = 8, IterationsAt = 12, ChunkSizeAt = 16, SaltAt = 20, NonceAt = 36, CheckAt = 48;
constexpr std::uint32_t MaxIterations = 10000000;
constexpr std::uint32_t MaxChunkSize = 16u << 20;
constexpr char KeyCheckLabel[] = "Orvanto key check";

using Header = std::array<unsigned char, HeaderSize>;
using Nonce = std::array<unsigned char, NonceSize>;
using Aad = std::array<unsigned char, HeaderSize + 9>;

bool succeeded(NTSTATUS status) { return status >= 0; }

PUCHAR bytes(const void* data) { return static_cast<PUCHAR>(const_cast<void*>(data)); }

// The 32-byte key, wiped when it goes out of scope.
struct SecretKey {
    std::array<unsigned char, 32> bytes{};
    ~SecretKey() { SecureZeroMemory(bytes.data(), bytes.size()); }
};

class Provider {
public:
    Provider(LPCWSTR algorithm, ULONG flags)
    {
        if (!succeeded(BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, flags)))
            handle_ = nullptr;
    }
    ~Provider()
    {
        if (handle_)
            BCryptCloseAlgorithmProvider(handle_, 0);
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

// PBKDF2-HMAC-SHA256 over the UTF-8 password, and the key check: the first 16 bytes of
// HMAC-SHA256(key, "Orvanto key check").
bool deriveKey(const std::string& password, const unsigned char* salt, std::uint32_t iterations, SecretKey& key,
               unsigned char* check)
{
    Provider hmac(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
    if (!hmac.get())
        return false;
    unsigned char none = 0;
    const PUCHAR secret = password.empty() ? &none : bytes(password.data());
    if (!succeeded(BCryptDeriveKeyPBKDF2(hmac.get(), secret, static_cast<ULONG>(password.size()), bytes(salt),
                                         SaltSize, iterations, key.bytes.data(), key.bytes.size(), 0)))
        return false;
    BCRYPT_HASH_HANDLE hash = nullptr;
    unsigned char mac[32];
    bool ok = succeeded(BCryptCreateHash(hmac.get(), &hash, nullptr, 0, key.bytes.data(), key.bytes.size(), 0)) &&
              succeeded(BCryptHashData(hash, bytes(KeyCheckLabel), sizeof KeyCheckLabel - 1, 0)) &&
              succeeded(BCryptFinishHash(hash, mac, sizeof mac, 0));
    if (hash)
        BCryptDestroyHash(hash);
    if (ok)
        std::memcpy(check, mac, CheckSize);
    return ok;
}

bool sameInConstantTime(const unsigned char* a, const unsigned char* b, std::size_t size)
{
    unsigned char difference = 0;
    for (std::size_t i = 0; i < size; ++i)
        difference |= a[i] ^ b[i];
    return difference == 0;
}

// AES-256-GCM with one key; each chunk has its own nonce and authenticated data.
class Gcm {
public:
    explicit Gcm(const SecretKey& key) : aes_(BCRYPT_AES_ALGORITHM, 0)
    {
        if (aes_.get() &&
            succeeded(BCryptSetProperty(aes_.get(), BCRYPT_CHAINING_MODE, bytes(BCRYPT_CHAIN_MODE_GCM),
                                        sizeof BCRYPT_CHAIN_MODE_GCM, 0)) &&
            !succeeded(BCryptGenerateSymmetricKey(aes_.get(), &key_, nullptr, 0, bytes(key.bytes.data()),
                                                  key.bytes.size(), 0)))
            key_ = nullptr;
    }
    ~Gcm()
    {
        if (key_)
            BCryptDestroyKey(key_);
    }
    Gcm(const Gcm&) = delete;
    Gcm& operator=(const Gcm&) = delete;
    bool ready() const { return key_ != nullptr; }

    // in -> out (size bytes each); the tag is written to or checked against tag.
    bool seal(const Nonce& nonce, const Aad& aad, const unsigned char* in, std::size_t size, unsigned char* out,
              unsigned char* tag)
    {
        return run(true, nonce, aad, in, size, out, tag);
    }
    bool open(const Nonce& nonce, const Aad& aad, const unsigned char* in, std::size_t size, unsigned char* out,
              unsigned char* tag)
    {
        return run(false, nonce, aad, in, size, out, tag);
    }

private:
    bool run(bool encrypt, const Nonce& nonce, const Aad& aad, const unsigned char* in, std::size_t size,
             unsigned char* out, unsigned char* tag)
    {
        BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
        std::memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        info.dwInfoVersion = BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO_VERSION;
        info.pbNonce = bytes(nonce.data());
        info.cbNonce = NonceSize;
        info.pbAuthData = bytes(aad.data());
        info.cbAuthData = aad.size();
        info.pbTag = tag;
        info.cbTag = TagSize;
        unsigned char empty = 0;  // an empty chunk still needs buffers to point at
        const PUCHAR input = size ? bytes(in) : &empty;
        const PUCHAR output = size ? out : &empty;
        ULONG written = 0;
        const NTSTATUS status =
            encrypt ? BCryptEncrypt(key_, input, size, &info, nullptr, 0, output, size, &written, 0)
                    : BCryptDecrypt(key_, input, size, &info, nullptr, 0, output, size, &written, 0);
        return succeeded(status) && written == size;
    }

    Provider aes_;
    BCRYPT_KEY_HANDLE key_ = nullptr;
};

void putLe32(unsigned char* at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t getLe32(const unsigned char* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// The base nonce with bytes 4 to 11 XORed with the chunk index (big-endian).
Nonce chunkNonce(const Header& header, std::uint64_t index)
{
    Nonce nonce;
    std::memcpy(nonce.data(), header.data() + NonceAt, NonceSize);
    for (int i = 0; i < 8; ++i)
        nonce[4 + i] ^= static_cast<unsigned char>(index >> (8 * (7 - i)));
    return nonce;
}

// The header, the chunk index (big-endian) and the last-chunk flag.
Aad chunkAad(const Header& header, std::uint64_t index, bool last)
{
    Aad aad;
    std::memcpy(aad.data(), header.data(), HeaderSize);
    for (int i = 0; i < 8; ++i)
        aad[HeaderSize + i] = static_cast<unsigned char>(index >> (8 * (7 - i)));
    aad[HeaderSize + 8] = last ? 1 : 0;
    return aad;
}

std::size_t readUpTo(std::istream& in, unsigned char* buffer, std::size_t size)
{
    in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in.gcount());
}

// Turns one chunk read from the input into the bytes written for it; CryOk or a failure.
using ChunkStep = std::function<int(std::uint64_t index, bool last, unsigned char* chunk, std::size_t size)>;

// Reads the input in chunks the size of `input`; a short chunk, or a full one at the very
// end, is the last (an empty input makes one empty last chunk). Both buffers are wiped.
int transformChunks(std::istream& in, std::ostream& out, std::vector<unsigned char>& input,
                    std::vector<unsigned char>& output, const ChunkStep& step)
{
    int result = CryOk;
    for (std::uint64_t index = 0;; ++index) {
        const std::size_t got = readUpTo(in, input.data(), input.size());
        const bool last = got < input.size() || in.peek() == std::char_traits<char>::eof();
        if (in.bad()) {
            result = CryReadFailed;
            break;
        }
        result = step(index, last, input.data(), got);
        if (result != CryOk)
            break;
        out.write(reinterpret_cast<const char*>(output.data()), static_cast<std::streamsize>(output.size()));
        if (!out) {
            result = CryWriteFailed;
            break;
        }
        if (last)
            break;
    }
    SecureZeroMemory(input.data(), input.size());
    SecureZeroMemory(output.data(), output.size());
    return result;
}

bool randomBytes(unsigned char* buffer, std::size_t size)
{
    return succeeded(BCryptGenRandom(nullptr, buffer, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

int encryptStream(std::istream& in, std::ostream& out, const std::string& password, std::uint32_t iterations)
{
    if (iterations < 1 || iterations > MaxIterations)
        return CryInternal;
    Header header{};
    std::memcpy(header.data(), Magic, sizeof Magic);
    putLe32(header.data() + VersionAt, FormatVersion);
    putLe32(header.data() + IterationsAt, iterations);
    putLe32(header.data() + ChunkSizeAt, ChunkSize);
    SecretKey key;
    if (!randomBytes(header.data() + SaltAt, SaltSize) || !randomBytes(header.data() + NonceAt, NonceSize) ||
        !deriveKey(password, header.data() + SaltAt, iterations, key, header.data() + CheckAt))
        return CryInternal;
    Gcm gcm(key);
    if (!gcm.ready())
        return CryInternal;

    out.write(reinterpret_cast<const char*>(header.data()), HeaderSize);
    std::vector<unsigned char> plain(ChunkSize), sealed;
    return transformChunks(in, out, plain, sealed,
                           [&](std::uint64_t index, bool last, unsigned char* chunk, std::size_t size) {
                               sealed.resize(size + TagSize);
                               return gcm.seal(chunkNonce(header, index), chunkAad(header, index, last), chunk,
                                               size, sealed.data(), sealed.data() + size)
                                          ? CryOk
                                          : CryInternal;
                           });
}

int decryptStream(std::istream& in, std::ostream& out, const std::string& password)
{
    Header header{};
    if (readUpTo(in, header.data(), HeaderSize) != HeaderSize)
        return in.bad() ? CryReadFailed : CryDamaged;
    const std::uint32_t iterations = getLe32(header.data() + IterationsAt);
    const std::uint32_t chunkSize = getLe32(header.data() + ChunkSizeAt);
    if (std::memcmp(header.data(), Magic, sizeof Magic) != 0 || getLe32(header.data() + VersionAt) != FormatVersion ||
        iterations < 1 || iterations > MaxIterations || chunkSize < 1 || chunkSize > MaxChunkSize)
        return CryDamaged;

    SecretKey key;
    unsigned char check[CheckSize];
    if (!deriveKey(password, header.data() + SaltAt, iterations, key, check))
        return CryInternal;
    if (!sameInConstantTime(check, header.data() + CheckAt, CheckSize))
        return CryBadPassword;
    Gcm gcm(key);
    if (!gcm.ready())
        return CryInternal;

    std::vector<unsigned char> sealed(static_cast<std::size_t>(chunkSize) + TagSize), plain;
    return transformChunks(in, out, sealed, plain,
                           [&](std::uint64_t index, bool last, unsigned char* chunk, std::size_t size) {
                               if (size < TagSize)
                                   return CryDamaged;
                               const std::size_t textSize = size - TagSize;
                               plain.resize(textSize);
                               return gcm.open(chunkNonce(header, index), chunkAad(header, index, last), chunk,
                                               textSize, plain.data(), chunk + textSize)
                                          ? CryOk
                                          : CryDamaged;
                           });
}

fs::path temporaryBeside(const fs::path& target)
{
    unsigned char random[4] = {};
    randomBytes(random, sizeof random);
    return target.parent_path() / (target.filename().native() + L".part-" + std::to_wstring(getLe32(random)));
}

using StreamTransform = std::function<int(std::istream&, std::ostream&)>;

// Runs the transform from source into a temporary file beside target and moves that over
// target only when everything was written.
int transformFile(const std::string& source, const std::string& target, const StreamTransform& transform)
{
    const fs::path from(widen(source)), to(widen(target));
    std::error_code ec;
    if (from.empty() || !fs::exists(from, ec))
        return CrySourceNotFound;
    std::ifstream in(from, std::ios::binary);
    if (!in || fs::is_directory(from, ec))
        return CryReadFailed;
    if (to.empty())
        return CryWriteFailed;
    const fs::path temporary = temporaryBeside(to);
    int result = CryWriteFailed;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out)
            result = transform(in, out);
        if (result == CryOk) {
            out.close();
            if (!out)
                result = CryWriteFailed;
        }
    }
    if (result == CryOk && !MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        result = CryWriteFailed;
    if (result != CryOk)
        fs::remove(temporary, ec);
    return result;
}

}  // namespace

int Win32Crypto::CrySimpleEncryptFile(const std::string& source, const std::string& target,
                                      const std::string& password)
{
    lastError_ = transformFile(source, target, [&](std::istream& in, std::ostream& out) {
        return encryptStream(in, out, password, iterations_);
    });
    return lastError_ == CryOk ? 1 : 0;
}

int Win32Crypto::CryDecryptFile(const std::string& source, const std::string& target, const std::string& password)
{
    lastError_ = transformFile(
        source, target, [&](std::istream& in, std::ostream& out) { return decryptStream(in, out, password); });
    return lastError_ == CryOk ? 1 : 0;
}

}  // namespace orv::platform
