// File encryption: round trips of every size class, the stored layout, and refusal of wrong
// passwords, tampering, reordering and truncation without leaving a file behind.
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

#include <gtest/gtest.h>

#include "platform/crypto.h"
#include "platform/host/host_crypto.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace fs = std::filesystem;

// While watched, an allocation of 256 MiB or more fails and is noted: a test sees whether a
// buffer of a size that a file declares was asked for at all.
namespace {
std::atomic<bool> watchingAllocations{false};
std::atomic<bool> hugeAllocationAsked{false};
constexpr std::size_t HugeAllocation = std::size_t{256} << 20;
}  // namespace

void* operator new(std::size_t size)
{
    if (watchingAllocations && size >= HugeAllocation) {
        hugeAllocationAsked = true;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace orv::platform {
namespace {

constexpr std::size_t Header = 64;
constexpr std::size_t Chunk = CryptoChunkSize;
constexpr std::size_t Tag = 16;

std::string pattern(std::size_t size)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    return s;
}

class CryptoTest : public test::HomeTest {
protected:
    void SetUp() override
    {
        auto* host = dynamic_cast<HostCrypto*>(services().crypto);
        ASSERT_NE(host, nullptr);
        host->useIterationsForTests(1000);
    }
    Crypto& crypto() { return *services().crypto; }

    // Encrypts plain into "enc"; returns the encrypted bytes.
    std::string encrypt(const std::string& plain, const std::string& password = "s3cret")
    {
        EXPECT_NE(crypto().CrySimpleEncryptFile(home.writeFile("plain", plain), home.win("enc"), password), 0);
        return home.readFile("enc");
    }
    // Decrypts the given bytes over an existing target; the error code (CryOk on success) and
    // the output in out. A failure leaves the target as it was and no temporary file.
    int decrypt(const std::string& encrypted, std::string& out, const std::string& password = "s3cret")
    {
        const std::string source = home.writeFile("dec-in", encrypted);
        home.writeFile("dec-out", "before");
        const int ok = crypto().CryDecryptFile(source, home.win("dec-out"), password);
        EXPECT_EQ(ok != 0, crypto().CryGetLastError() == CryOk);
        out = home.readFile("dec-out");
        if (!ok)
            EXPECT_EQ(out, "before") << "the target is left as it was";
        for (const auto& entry : fs::directory_iterator(home.root()))
            EXPECT_EQ(entry.path().filename().string().find(".part-"), std::string::npos) << "no temporary file left";
        return crypto().CryGetLastError();
    }
};

TEST_F(CryptoTest, RoundTripsOfEverySizeClassFreshEachTime)
{
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, Chunk - 1, Chunk, Chunk + 1, 3 * Chunk + 1234}) {
        std::string plain = pattern(size);
        std::string encrypted = encrypt(plain);
        std::size_t chunks = size == 0 ? 1 : (size + Chunk - 1) / Chunk;
        EXPECT_EQ(encrypted.size(), Header + size + chunks * Tag) << size;
        std::string out;
        EXPECT_EQ(decrypt(encrypted, out), CryOk) << size;
        EXPECT_EQ(out, plain) << size;
    }
    std::string plain(5000, 'A');
    std::string first = encrypt(plain);
    EXPECT_NE(first, encrypt(plain)) << "random salt and nonce";
    EXPECT_EQ(first.find(std::string(32, 'A')), std::string::npos);
    EXPECT_EQ(first.substr(0, 8), "ORVNCRY1");
}

// The files of tests/data/encrypted were written once by this encryption: reading them pins
// the stored layout (key stretching, chunk nonces and tags). New files stretch the key fully.
TEST_F(CryptoTest, KeptFilesStillDecryptAndNewFilesStretchTheKeyFully)
{
    const auto bytesOf = [](const std::string& file) {
        std::ifstream in(std::string(ORVANTO_TEST_DATA_DIR) + "/encrypted/" + file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const auto& [name, password] : {std::pair{"note.txt", "s3cret"}, {"letter.txt", "p\xC3\xA4ssw\xC3\xB6rd"}}) {
        std::string out;
        EXPECT_EQ(decrypt(bytesOf(std::string(name) + ".cry"), out, password), CryOk) << name;
        EXPECT_EQ(out, bytesOf(name)) << name;
    }
    HostCrypto fresh(*services().files);
    ASSERT_NE(fresh.CrySimpleEncryptFile(home.writeFile("plain", "x"), home.win("enc"), "pw"), 0);
    const std::string file = home.readFile("enc");
    const auto le32 = [&](std::size_t at) {
        std::uint32_t n = 0;
        for (std::size_t i = 4; i-- > 0;)
            n = n << 8 | static_cast<unsigned char>(file[at + i]);
        return n;
    };
    EXPECT_GE(le32(12), 600000u);  // iterations
    EXPECT_EQ(le32(16), Chunk);
}

TEST_F(CryptoTest, WrongPasswordsAndTamperedReorderedTruncatedOrExtendedFilesAreRefused)
{
    const std::string encrypted = encrypt(pattern(3 * Chunk + 77));
    const std::string whole = encrypt(pattern(2 * Chunk));
    const std::size_t sealed = Chunk + Tag;
    auto flipped = [&](std::size_t at) {
        std::string copy = encrypted;
        copy[at] = static_cast<char>(copy[at] ^ 0x01);
        return copy;
    };
    const std::pair<std::string, const char*> cases[] = {
        {flipped(Header + 5), "first chunk's text"},
        {flipped(Header + sealed + 100), "second chunk's text"},
        {flipped(encrypted.size() - 1), "last tag"},
        {flipped(0), "magic"},
        {flipped(16), "chunk size"},
        {flipped(40), "base nonce"},
        {encrypted.substr(0, Header) + encrypted.substr(Header + sealed, sealed) + encrypted.substr(Header, sealed) +
             encrypted.substr(Header + 2 * sealed),
         "chunks swapped"},
        {encrypted.substr(0, Header + 3 * sealed), "last chunk dropped"},
        {encrypted.substr(0, Header + sealed), "cut at a chunk boundary"},
        {encrypted.substr(0, encrypted.size() - 5), "cut inside the last tag"},
        {encrypted.substr(0, Header + 10), "cut inside the first chunk"},
        {encrypted.substr(0, Header), "header only"},
        {encrypted.substr(0, 30), "cut header"},
        {"", "empty file"},
        {encrypted + "x", "data appended"},
        {pattern(5000), "not an encrypted file"},
        {whole.substr(0, Header + sealed), "an exact multiple of the chunk size cut to its own prefix"},
    };
    std::string out;
    for (const auto& [bytes, what] : cases)
        EXPECT_EQ(decrypt(bytes, out), CryDamaged) << what;
    EXPECT_NE(decrypt(flipped(25), out), CryOk) << "salt";
    for (const char* wrong : {"S3cret", "", "s3cret "})
        EXPECT_EQ(decrypt(encrypted, out, wrong), CryBadPassword) << wrong;
}

TEST_F(CryptoTest, AnAbsurdChunkSizeIsRefusedBeforeAnyBufferIsMade)
{
    std::string encrypted = encrypt("small");
    for (std::size_t i = 16; i < 20; ++i)
        encrypted[i] = '\xFF';  // 4 GiB chunks; the password check still fits
    std::string out;
    watchingAllocations = true;
    struct StopWatching {
        ~StopWatching() { watchingAllocations = false; }
    } stop;
    EXPECT_EQ(decrypt(encrypted, out), CryDamaged);
    EXPECT_FALSE(hugeAllocationAsked);
}

TEST_F(CryptoTest, FileErrorsAreNumberedAndWriteNothing)
{
    const std::string source = home.writeFile("a.txt", "abc");
    struct Case {
        const char* what;
        bool encrypting;
        std::string from, to;
        int error;
    };
    const Case cases[] = {
        {"missing source", true, home.win("nothing-here.pdf"), home.win("out.cry"), CrySourceNotFound},
        {"missing encrypted file", false, home.win("nothing-here.cry"), home.win("out"), CrySourceNotFound},
        {"unmapped drive", true, "Q:\\unmapped.pdf", home.win("out.cry"), CrySourceNotFound},
        {"no target folder", true, source, home.win("no-such-folder") + "\\a.cry", CryWriteFailed},
        {"a folder is no file", true, home.win("Documents"), home.win("d.cry"), CryReadFailed},
    };
    for (const Case& c : cases) {
        encrypt("data");  // a success resets the last error
        ASSERT_EQ(crypto().CryGetLastError(), CryOk);
        const int ok = c.encrypting ? crypto().CrySimpleEncryptFile(c.from, c.to, "pw")
                                    : crypto().CryDecryptFile(c.from, c.to, "pw");
        EXPECT_EQ(ok, 0) << c.what;
        EXPECT_EQ(crypto().CryGetLastError(), c.error) << c.what;
        EXPECT_FALSE(fs::exists(home.path("out.cry")) || fs::exists(home.path("out"))) << c.what;
    }
}

// libcrypto is loaded at the first use; without it every operation fails cleanly.
TEST_F(CryptoTest, WithoutTheLibraryEveryOperationFailsAndWritesNothing)
{
    const std::string encrypted = home.writeFile("kept.cry", encrypt("data"));
    const std::string verifier = crypto().CryPasswordVerifier("pw");
    HostCrypto missing(*services().files, "liborvanto-no-such-crypto.so.3");
    EXPECT_EQ(missing.CrySimpleEncryptFile(home.writeFile("b.txt", "abc"), home.win("out.cry"), "pw"), 0);
    EXPECT_EQ(missing.CryGetLastError(), CryInternal);
    EXPECT_EQ(missing.CryDecryptFile(encrypted, home.win("out"), "s3cret"), 0);
    EXPECT_EQ(missing.CryGetLastError(), CryInternal);
    EXPECT_EQ(missing.CryCheckPassword(encrypted, "s3cret"), CryInternal);
    EXPECT_EQ(missing.CryPasswordVerifier("pw"), "");
    EXPECT_FALSE(missing.CryCheckPasswordVerifier(verifier, "pw"));
    EXPECT_TRUE(crypto().CryCheckPasswordVerifier(verifier, "pw"));
    EXPECT_FALSE(fs::exists(home.path("out.cry")) || fs::exists(home.path("out")));
}

}  // namespace
}  // namespace orv::platform
