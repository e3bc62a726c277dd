#include "platform/encrypted_file.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "platform/crypto.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

constexpr char Magic[8] = {'O', 'R', 'V', 'N', 'C', 'R', 'Y', '1'};
constexpr std::uint32_t FormatVersion = 1;
constexpr std::size_t SaltSize = 16, CheckSize = 16;
constexpr std::size_t NonceSize = ChunkCipher::NonceSize, TagSize = ChunkCipher::TagSize;
constexpr std::size_t HeaderSize = 64;
constexpr std::size_t VersionAt = 8, IterationsAt = 12, ChunkSizeAt = 16, SaltAt = 20, NonceAt = 36, CheckAt = 48;
constexpr std::uint32_t MaxIterations = 10000000;
constexpr std::uint32_t MaxChunkSize = 16u << 20;
constexpr char KeyCheckLabel[] = "Orvanto key check";

using Header = std::array<unsigned char, HeaderSize>;
using Nonce = std::array<unsigned char, NonceSize>;
using Aad = std::array<unsigned char, HeaderSize + 9>;

// Zeroes memory in a way the compiler may not drop as a dead store.
void wipe(void* data, std::size_t size)
{
    volatile unsigned char* at = static_cast<volatile unsigned char*>(data);
    while (size--)
        *at++ = 0;
}

// The 32-byte key, wiped when it goes out of scope.
struct SecretKey {
    CryptoPrimitives::Key bytes{};
    ~SecretKey() { wipe(bytes.data(), bytes.size()); }
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

bool sameInConstantTime(const unsigned char* a, const unsigned char* b, std::size_t size)
{
    unsigned char difference = 0;
    for (std::size_t i = 0; i < size; ++i)
        difference |= a[i] ^ b[i];
    return difference == 0;
}

// The key from the password and the header's salt and count, and its check value: the first
// 16 bytes of HMAC-SHA256(key, label), which tells a wrong password from a damaged file
// without revealing anything about the key.
bool deriveKey(CryptoPrimitives& crypto, const std::string& password, const Header& header, SecretKey& key,
               unsigned char* check)
{
    CryptoPrimitives::Mac mac{};
    const bool ok =
        crypto.deriveKey(password, header.data() + SaltAt, SaltSize, getLe32(header.data() + IterationsAt),
                         key.bytes) &&
        crypto.hmacSha256(key.bytes, reinterpret_cast<const unsigned char*>(KeyCheckLabel), sizeof KeyCheckLabel - 1,
                          mac);
    if (ok)
        std::memcpy(check, mac.data(), CheckSize);
    wipe(mac.data(), mac.size());
    return ok;
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

// Authenticated with each chunk: the header, the chunk index (big-endian) and the
// last-chunk flag, so that changed headers and reordered, dropped or cut chunks fail.
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

// Reads the input in pieces the size of `input` and writes what step makes of each into
// `output`. A short piece, or a full one at the very end, is the last; an empty input makes
// one empty last piece. step(index, last, piece, size) returns CryOk or a failure. Both
// buffers are wiped afterwards.
template <typename Step>
int transformChunks(std::istream& in, std::ostream& out, std::vector<unsigned char>& input,
                    std::vector<unsigned char>& output, Step step)
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
    wipe(input.data(), input.size());
    wipe(output.data(), output.size());
    return result;
}

int encryptStream(CryptoPrimitives& crypto, std::istream& in, std::ostream& out, const std::string& password,
                  std::uint32_t iterations)
{
    if (iterations < 1 || iterations > MaxIterations)
        return CryInternal;
    Header header{};
    std::memcpy(header.data(), Magic, sizeof Magic);
    putLe32(header.data() + VersionAt, FormatVersion);
    putLe32(header.data() + IterationsAt, iterations);
    putLe32(header.data() + ChunkSizeAt, CryptoChunkSize);
    SecretKey key;
    if (!crypto.randomBytes(header.data() + SaltAt, SaltSize) ||
        !crypto.randomBytes(header.data() + NonceAt, NonceSize) ||
        !deriveKey(crypto, password, header, key, header.data() + CheckAt))
        return CryInternal;
    const std::unique_ptr<ChunkCipher> gcm = crypto.gcm(key.bytes);
    if (!gcm)
        return CryInternal;

    out.write(reinterpret_cast<const char*>(header.data()), HeaderSize);
    std::vector<unsigned char> plain(CryptoChunkSize), sealed;
    return transformChunks(in, out, plain, sealed,
                           [&](std::uint64_t index, bool last, const unsigned char* chunk, std::size_t size) {
                               const Nonce nonce = chunkNonce(header, index);
                               const Aad aad = chunkAad(header, index, last);
                               sealed.resize(size + TagSize);
                               return gcm->seal(nonce.data(), aad.data(), aad.size(), chunk, size, sealed.data(),
                                                sealed.data() + size)
                                          ? CryOk
                                          : CryInternal;
                           });
}

int decryptStream(CryptoPrimitives& crypto, std::istream& in, std::ostream& out, const std::string& password)
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
    if (!deriveKey(crypto, password, header, key, check))
        return CryInternal;
    if (!sameInConstantTime(check, header.data() + CheckAt, CheckSize))
        return CryBadPassword;
    const std::unique_ptr<ChunkCipher> gcm = crypto.gcm(key.bytes);
    if (!gcm)
        return CryInternal;

    std::vector<unsigned char> sealed(static_cast<std::size_t>(chunkSize) + TagSize), plain;
    return transformChunks(in, out, sealed, plain,
                           [&](std::uint64_t index, bool last, const unsigned char* chunk, std::size_t size) {
                               if (size < TagSize)
                                   return CryDamaged;
                               const std::size_t textSize = size - TagSize;
                               const Nonce nonce = chunkNonce(header, index);
                               const Aad aad = chunkAad(header, index, last);
                               plain.resize(textSize);
                               return gcm->open(nonce.data(), aad.data(), aad.size(), chunk, textSize,
                                                chunk + textSize, plain.data())
                                          ? CryOk
                                          : CryDamaged;
                           });
}

// Runs transform from source into a temporary file beside target and moves that over
// target only when everything was written; on any failure the temporary file goes.
template <typename Transform>
int transformFile(CryptoPrimitives& crypto, const fs::path& from, const fs::path& to, Transform transform)
{
    std::error_code ec;
    if (from.empty() || !fs::exists(from, ec))
        return CrySourceNotFound;
    std::ifstream in(from, std::ios::binary);
    if (!in || fs::is_directory(from, ec))
        return CryReadFailed;
    if (to.empty())
        return CryWriteFailed;
    unsigned char random[4];
    if (!crypto.randomBytes(random, sizeof random))
        return CryInternal;
    fs::path temporary = to;
    temporary += ".part-" + std::to_string(getLe32(random));

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
    if (result == CryOk) {
        fs::rename(temporary, to, ec);
        if (ec)
            result = CryWriteFailed;
    }
    if (result != CryOk)
        fs::remove(temporary, ec);
    return result;
}

}  // namespace

int writeEncryptedFile(CryptoPrimitives& crypto, const fs::path& source, const fs::path& target,
                       const std::string& password, std::uint32_t iterations)
{
    return transformFile(crypto, source, target, [&](std::istream& in, std::ostream& out) {
        return encryptStream(crypto, in, out, password, iterations);
    });
}

int restoreEncryptedFile(CryptoPrimitives& crypto, const fs::path& source, const fs::path& target,
                         const std::string& password)
{
    return transformFile(crypto, source, target, [&](std::istream& in, std::ostream& out) {
        return decryptStream(crypto, in, out, password);
    });
}

}  // namespace orv::platform
