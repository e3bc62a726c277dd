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

// Reads the header and derives the key; CryOk when the password fits the file.
int openHeader(CryptoPrimitives& crypto, std::istream& in, const std::string& password, Header& header,
               SecretKey& key)
{
    if (readUpTo(in, header.data(), HeaderSize) != HeaderSize)
        return in.bad() ? CryReadFailed : CryDamaged;
    const std::uint32_t iterations = getLe32(header.data() + IterationsAt);
    const std::uint32_t chunkSize = getLe32(header.data() + ChunkSizeAt);
    if (std::memcmp(header.data(), Magic, sizeof Magic) != 0 || getLe32(header.data() + VersionAt) != FormatVersion ||
        iterations < 1 || iterations > MaxIterations || chunkSize < 1 || chunkSize > MaxChunkSize)
        return CryDamaged;
    unsigned char check[CheckSize];
    if (!deriveKey(crypto, password, header, key, check))
        return CryInternal;
    return sameInConstantTime(check, header.data() + CheckAt, CheckSize) ? CryOk : CryBadPassword;
}

int decryptStream(CryptoPrimitives& crypto, std::istream& in, std::ostream& out, const std::string& password)
{
    Header header{};
    SecretKey key;
    if (const int opened = openHeader(crypto, in, password, header, key); opened != CryOk)
        return opened;
    const std::uint32_t chunkSize = getLe32(header.data() + ChunkSizeAt);
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

int checkEncryptedFilePassword(CryptoPrimitives& crypto, const fs::path& source, const std::string& password)
{
    std::error_code ec;
    if (source.empty() || !fs::exists(source, ec))
        return CrySourceNotFound;
    std::ifstream in(source, std::ios::binary);
    if (!in || fs::is_directory(source, ec))
        return CryReadFailed;
    Header header{};
    SecretKey key;
    return openHeader(crypto, in, password, header, key);
}

namespace {

constexpr const char* VerifierScheme = "PBKDF2-SHA256";
constexpr std::size_t VerifierSaltSize = 16;

std::string hexOf(const unsigned char* bytes, std::size_t size)
{
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

bool bytesOfHex(const std::string& text, std::vector<unsigned char>& bytes)
{
    auto value = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    if (text.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = value(text[i]), low = value(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}

}  // namespace

std::string makePasswordVerifier(CryptoPrimitives& crypto, const std::string& password, std::uint32_t iterations)
{
    unsigned char salt[VerifierSaltSize];
    SecretKey key;
    if (iterations < 1 || iterations > MaxIterations || !crypto.randomBytes(salt, sizeof salt) ||
        !crypto.deriveKey(password, salt, sizeof salt, iterations, key.bytes))
        return {};
    return std::string(VerifierScheme) + "$" + std::to_string(iterations) + "$" + hexOf(salt, sizeof salt) + "$" +
           hexOf(key.bytes.data(), key.bytes.size());
}

bool checkPasswordVerifier(CryptoPrimitives& crypto, const std::string& verifier, const std::string& password)
{
    // "<scheme>$<iterations>$<salt>$<derived key>"
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = verifier.find('$', start)) != std::string::npos; start = at + 1)
        parts.push_back(verifier.substr(start, at - start));
    parts.push_back(verifier.substr(start));
    std::vector<unsigned char> salt, expected;
    if (parts.size() != 4 || parts[0] != VerifierScheme || parts[1].empty() || parts[1].size() > 8 ||
        parts[1].find_first_not_of("0123456789") != std::string::npos || !bytesOfHex(parts[2], salt) ||
        salt.empty() || !bytesOfHex(parts[3], expected) || expected.size() != CryptoPrimitives::Key().size())
        return false;
    const unsigned long iterations = std::stoul(parts[1]);
    SecretKey key;
    if (iterations < 1 || iterations > MaxIterations ||
        !crypto.deriveKey(password, salt.data(), salt.size(), static_cast<std::uint32_t>(iterations), key.bytes))
        return false;
    return sameInConstantTime(key.bytes.data(), expected.data(), expected.size());
}

}  // namespace orv::platform
