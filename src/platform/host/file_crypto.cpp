#include "platform/host/file_crypto.h"

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include "platform/crypto.h"

namespace orv::platform {

namespace {

constexpr char Magic[8] = {'O', 'R', 'V', 'N', 'C', 'R', 'Y', '1'};
constexpr std::uint32_t FormatVersion = 1;
constexpr std::size_t SaltSize = 16;
constexpr std::size_t NonceSize = 12;
constexpr std::size_t TagSize = 16;
constexpr std::size_t CheckSize = 16;
constexpr std::size_t HeaderSize = 8 + 4 + 4 + 4 + SaltSize + NonceSize + CheckSize;  // 64
constexpr std::uint32_t MaxIterations = 10000000;
constexpr std::uint32_t MaxChunkSize = 16u << 20;
constexpr char KeyCheckLabel[] = "Orvanto key check";

using Header = std::array<unsigned char, HeaderSize>;
using Key = std::array<unsigned char, 32>;

struct CipherDeleter {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherDeleter>;

// Wipes the key when it goes out of scope.
struct SecretKey {
    Key bytes{};
    ~SecretKey() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
};

void putLe32(unsigned char* at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t getLe32(const unsigned char* at)
{
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// Offsets in the header.
constexpr std::size_t VersionAt = 8, IterationsAt = 12, ChunkSizeAt = 16, SaltAt = 20, NonceAt = 36, CheckAt = 48;

bool deriveKey(const std::string& password, const unsigned char* salt, std::uint32_t iterations, Key& key)
{
    return PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt, SaltSize,
                             static_cast<int>(iterations), EVP_sha256(), static_cast<int>(key.size()),
                             key.data()) == 1;
}

// The first 16 bytes of HMAC-SHA256(key, label): lets a reader tell a wrong password from
// a damaged file without revealing anything about the key.
bool keyCheck(const Key& key, unsigned char* check)
{
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
              reinterpret_cast<const unsigned char*>(KeyCheckLabel), sizeof KeyCheckLabel - 1, mac, &length))
        return false;
    std::memcpy(check, mac, CheckSize);
    return true;
}

std::array<unsigned char, NonceSize> chunkNonce(const Header& header, std::uint64_t index)
{
    std::array<unsigned char, NonceSize> nonce;
    std::memcpy(nonce.data(), header.data() + NonceAt, NonceSize);
    for (int i = 0; i < 8; ++i)
        nonce[4 + i] ^= static_cast<unsigned char>(index >> (8 * (7 - i)));
    return nonce;
}

// Header, chunk index (64-bit big-endian) and last-chunk flag: authenticated with each chunk.
std::array<unsigned char, HeaderSize + 9> chunkAad(const Header& header, std::uint64_t index, bool last)
{
    std::array<unsigned char, HeaderSize + 9> aad;
    std::memcpy(aad.data(), header.data(), HeaderSize);
    for (int i = 0; i < 8; ++i)
        aad[HeaderSize + i] = static_cast<unsigned char>(index >> (8 * (7 - i)));
    aad[HeaderSize + 8] = last ? 1 : 0;
    return aad;
}

// Reads as many bytes as fit (up to size); the count read.
std::size_t readUpTo(std::istream& in, unsigned char* buffer, std::size_t size)
{
    in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in.gcount());
}

bool atEnd(std::istream& in) { return in.peek() == std::char_traits<char>::eof(); }

bool sealChunk(EVP_CIPHER_CTX* ctx, const Key& key, const Header& header, std::uint64_t index, bool last,
               const unsigned char* plain, std::size_t size, std::vector<unsigned char>& sealed)
{
    auto nonce = chunkNonce(header, index);
    auto aad = chunkAad(header, index, last);
    sealed.resize(size + TagSize);
    int length = 0;
    if (EVP_EncryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) != 1 ||
        EVP_EncryptInit_ex(ctx, nullptr, nullptr, key.data(), nonce.data()) != 1 ||
        EVP_EncryptUpdate(ctx, nullptr, &length, aad.data(), static_cast<int>(aad.size())) != 1)
        return false;
    if (size > 0 && EVP_EncryptUpdate(ctx, sealed.data(), &length, plain, static_cast<int>(size)) != 1)
        return false;
    if (EVP_EncryptFinal_ex(ctx, sealed.data() + size, &length) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_GET_TAG, TagSize, sealed.data() + size) != 1)
        return false;
    return true;
}

// False when the tag does not match (or the cipher fails).
bool openChunk(EVP_CIPHER_CTX* ctx, const Key& key, const Header& header, std::uint64_t index, bool last,
               unsigned char* sealed, std::size_t size, std::vector<unsigned char>& plain)
{
    auto nonce = chunkNonce(header, index);
    auto aad = chunkAad(header, index, last);
    std::size_t textSize = size - TagSize;
    plain.resize(textSize);
    int length = 0;
    if (EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, NonceSize, nullptr) != 1 ||
        EVP_DecryptInit_ex(ctx, nullptr, nullptr, key.data(), nonce.data()) != 1 ||
        EVP_DecryptUpdate(ctx, nullptr, &length, aad.data(), static_cast<int>(aad.size())) != 1)
        return false;
    if (textSize > 0 && EVP_DecryptUpdate(ctx, plain.data(), &length, sealed, static_cast<int>(textSize)) != 1)
        return false;
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, TagSize, sealed + textSize) != 1)
        return false;
    return EVP_DecryptFinal_ex(ctx, plain.data() + textSize, &length) == 1;
}

// Turns one chunk read from the input (its index, whether it is the last, its bytes) into
// the bytes written for it; CryOk or the stream's failure.
using ChunkStep = std::function<int(std::uint64_t index, bool last, unsigned char* chunk, std::size_t size)>;

// Reads the input in chunks the size of `input`, lets step turn each into `output` and
// writes that. A short chunk, or a full one at the very end of the input, is the last; an
// empty input makes one empty last chunk. Both buffers are wiped afterwards.
int transformChunks(std::istream& in, std::ostream& out, std::vector<unsigned char>& input,
                    std::vector<unsigned char>& output, const ChunkStep& step)
{
    for (std::uint64_t index = 0;; ++index) {
        const std::size_t got = readUpTo(in, input.data(), input.size());
        if (in.bad())
            return CryReadFailed;
        const bool last = got < input.size() || atEnd(in);
        if (in.bad())
            return CryReadFailed;
        if (const int failure = step(index, last, input.data(), got); failure != CryOk)
            return failure;
        out.write(reinterpret_cast<const char*>(output.data()), static_cast<std::streamsize>(output.size()));
        if (!out)
            return CryWriteFailed;
        if (last)
            break;
    }
    OPENSSL_cleanse(input.data(), input.size());
    OPENSSL_cleanse(output.data(), output.size());
    out.flush();
    return out ? CryOk : CryWriteFailed;
}

}  // namespace

int encryptStream(std::istream& in, std::ostream& out, const std::string& password, std::uint32_t iterations)
{
    if (iterations < 1 || iterations > MaxIterations)
        return CryInternal;
    Header header{};
    std::memcpy(header.data(), Magic, sizeof Magic);
    putLe32(header.data() + VersionAt, FormatVersion);
    putLe32(header.data() + IterationsAt, iterations);
    putLe32(header.data() + ChunkSizeAt, CryptoChunkSize);
    if (RAND_bytes(header.data() + SaltAt, SaltSize) != 1 || RAND_bytes(header.data() + NonceAt, NonceSize) != 1)
        return CryInternal;
    SecretKey key;
    if (!deriveKey(password, header.data() + SaltAt, iterations, key.bytes) ||
        !keyCheck(key.bytes, header.data() + CheckAt))
        return CryInternal;
    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return CryInternal;

    out.write(reinterpret_cast<const char*>(header.data()), HeaderSize);
    std::vector<unsigned char> plain(CryptoChunkSize);
    std::vector<unsigned char> sealed;
    return transformChunks(in, out, plain, sealed,
                           [&](std::uint64_t index, bool last, unsigned char* chunk, std::size_t size) {
                               return sealChunk(ctx.get(), key.bytes, header, index, last, chunk, size, sealed)
                                          ? CryOk
                                          : CryInternal;
                           });
}

int decryptStream(std::istream& in, std::ostream& out, const std::string& password)
{
    Header header{};
    if (readUpTo(in, header.data(), HeaderSize) != HeaderSize)
        return in.bad() ? CryReadFailed : CryDamaged;
    std::uint32_t iterations = getLe32(header.data() + IterationsAt);
    std::uint32_t chunkSize = getLe32(header.data() + ChunkSizeAt);
    if (std::memcmp(header.data(), Magic, sizeof Magic) != 0 || getLe32(header.data() + VersionAt) != FormatVersion ||
        iterations < 1 || iterations > MaxIterations || chunkSize < 1 || chunkSize > MaxChunkSize)
        return CryDamaged;

    SecretKey key;
    unsigned char check[CheckSize];
    if (!deriveKey(password, header.data() + SaltAt, iterations, key.bytes) || !keyCheck(key.bytes, check))
        return CryInternal;
    if (CRYPTO_memcmp(check, header.data() + CheckAt, CheckSize) != 0)
        return CryBadPassword;
    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return CryInternal;

    std::vector<unsigned char> sealed(static_cast<std::size_t>(chunkSize) + TagSize);
    std::vector<unsigned char> plain;
    return transformChunks(in, out, sealed, plain,
                           [&](std::uint64_t index, bool last, unsigned char* chunk, std::size_t size) {
                               if (size < TagSize)
                                   return CryDamaged;
                               return openChunk(ctx.get(), key.bytes, header, index, last, chunk, size, plain)
                                          ? CryOk
                                          : CryDamaged;
                           });
}

}  // namespace orv::platform
