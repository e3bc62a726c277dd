// The Windows decryption (CNG) reads the files the host encrypts (OpenSSL): golden files
// made once on the host, at a low iteration count stored in their headers.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "companions/decryption.h"
#include "model/path_helpers.h"
#include "platform/crypto.h"
#include "platform/services.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_crypto.h"
#include "support/test_home.h"

namespace orv::companions {
namespace {

namespace fs = std::filesystem;

const std::string Umlauts = "p\xC3\xA4ssw\xC3\xB6rd";  // "pässwörd"

std::string golden(const std::string& name) { return std::string(ORVANTO_TEST_DATA_DIR) + "\\encrypted\\" + name; }

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class GoldenDecryption : public test::HomeTest {
protected:
    // A copy of a golden file with changes, in the home folder.
    std::string damagedCopy(const std::string& name, std::size_t flipAt, std::size_t cutTo = std::string::npos)
    {
        std::string bytes = bytesOf(platform::widen(golden(name)));
        if (flipAt < bytes.size())
            bytes[flipAt] ^= 0x01;
        return home.writeFile("damaged/" + std::to_string(++copies_) + "/" + name, bytes.substr(0, cutTo));
    }
    // True when nothing at all was left in the output folder.
    bool outputEmpty() const { return !fs::exists(home.path("out")) || fs::is_empty(home.path("out")); }

private:
    int copies_ = 0;
};

TEST_F(GoldenDecryption, RightPasswordsRestoreTheHostsFiles)
{
    for (const auto& [name, password] : {std::pair{"note.txt", "s3cret"}, std::pair{"letter.txt", Umlauts.c_str()}}) {
        const std::string target = home.win(std::string("out/") + name);
        ASSERT_EQ(decryptFile(golden(std::string(name) + ".cry"), password, target), DecryptStatus::Ok) << name;
        EXPECT_EQ(home.readFile(std::string("out/") + name), bytesOf(platform::widen(golden(name)))) << name;
    }
}

TEST_F(GoldenDecryption, WrongPasswordsAndDamageLeaveNothing)
{
    platform::Crypto& crypto = *platform::services().crypto;
    fs::create_directories(home.path("out"));
    const std::string target = home.win("out/letter.txt");

    EXPECT_EQ(crypto.CryDecryptFile(golden("note.txt.cry"), home.win("out/note.txt"), "S3cret"), 0);
    EXPECT_EQ(crypto.CryGetLastError(), platform::CryBadPassword);
    EXPECT_EQ(crypto.CryDecryptFile(golden("letter.txt.cry"), target, "passw\xC3\xB6rd"), 0);
    EXPECT_EQ(crypto.CryGetLastError(), platform::CryBadPassword) << "the umlauts count as UTF-8 bytes";

    // A flipped bit in the second chunk, a cut-off last tag, a changed header.
    const std::size_t secondChunk = 64 + 65536 + 16 + 10;
    for (const std::string& copy : {damagedCopy("letter.txt.cry", secondChunk),
                                    damagedCopy("letter.txt.cry", std::string::npos, 65932 - 1),
                                    damagedCopy("letter.txt.cry", std::string::npos, 64 + 65536 + 16),
                                    damagedCopy("letter.txt.cry", 16)}) {
        EXPECT_EQ(crypto.CryDecryptFile(copy, target, Umlauts), 0) << copy;
        EXPECT_EQ(crypto.CryGetLastError(), platform::CryDamaged) << copy;
    }
    EXPECT_EQ(crypto.CryDecryptFile(home.win("none.cry"), target, Umlauts), 0);
    EXPECT_EQ(crypto.CryGetLastError(), platform::CrySourceNotFound);
    EXPECT_TRUE(outputEmpty()) << "no restored file and no temporary file";
}

TEST_F(GoldenDecryption, EachRunRestoresIntoAFolderOfItsOwn)
{
    fs::create_directories(home.path("runs"));
    std::string first, second, none;
    ASSERT_EQ(decryptIntoOwnFolder(golden("note.txt.cry"), "s3cret", home.win("runs"), first), DecryptStatus::Ok);
    ASSERT_EQ(decryptIntoOwnFolder(golden("note.txt.cry"), "s3cret", home.win("runs"), second), DecryptStatus::Ok);
    EXPECT_NE(PathDirectoryPart(first), PathDirectoryPart(second));
    EXPECT_EQ(FileNamePart(second), "note.txt");
    EXPECT_EQ(bytesOf(platform::widen(second)), bytesOf(platform::widen(golden("note.txt"))));
    EXPECT_EQ(decryptIntoOwnFolder(golden("note.txt.cry"), "S3cret", home.win("runs"), none),
              DecryptStatus::WrongPassword);
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path("runs")), fs::directory_iterator()), 2);
}

TEST_F(GoldenDecryption, WindowsEncryptionRoundTripsAtChunkEdges)
{
    platform::Win32Crypto crypto;
    crypto.useIterationsForTests(1000);
    for (const std::size_t size : {std::size_t{0}, std::size_t{65536}, std::size_t{65536 * 2 + 1}}) {
        std::string text(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            text[i] = static_cast<char>(i * 7 + i / 251);
        const std::string plain = home.writeFile("plain.bin", text);
        const std::string sealed = home.win("sealed.cry");
        ASSERT_NE(crypto.CrySimpleEncryptFile(plain, sealed, Umlauts), 0) << size;
        const std::size_t chunks = size == 0 ? 1 : (size + 65535) / 65536;
        EXPECT_EQ(fs::file_size(home.path("sealed.cry")), 64 + size + 16 * chunks) << size;
        ASSERT_NE(crypto.CryDecryptFile(sealed, home.win("back.bin"), Umlauts), 0) << size;
        EXPECT_EQ(home.readFile("back.bin"), text) << size;
    }
}

}  // namespace
}  // namespace orv::companions
