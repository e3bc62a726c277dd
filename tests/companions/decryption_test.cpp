#include "companions/decryption.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/crypto.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv::companions {
namespace {

class DecryptionTest : public test::HomeTest {
protected:
    // An encrypted copy made the way menu creation makes it.
    std::string encrypt(const std::string& relative, const std::string& content, const std::string& password)
    {
        const std::string plain = home.writeFile("source/" + relative, content);
        const std::string encrypted = home.win("medium") + "\\" + relative + ".cry";
        std::filesystem::create_directories(home.path("medium"));
        EXPECT_NE(platform::services().crypto->CrySimpleEncryptFile(plain, encrypted, password), 0);
        return encrypted;
    }
};

TEST_F(DecryptionTest, RightPasswordRestoresTheFile)
{
    const std::string content = std::string("%PDF-1.4\r\n\0binary\xff", 19);
    const std::string encrypted = encrypt("plan.pdf", content, "s3cret");

    const std::string target = defaultDecryptionTarget(encrypted);
    EXPECT_EQ(target, platform::services().folders->GetTemporaryDir() + "\\ORVNBE\\plan.pdf");
    ASSERT_EQ(decryptFile(encrypted, "s3cret", target), DecryptStatus::Ok);
    EXPECT_EQ(home.readFile("Temp/ORVNBE/plan.pdf"), content);
}

TEST_F(DecryptionTest, WrongPasswordWritesNothing)
{
    const std::string encrypted = encrypt("plan.pdf", "secret plans", "s3cret");
    const std::string target = home.win("out/restored/plan.pdf");

    EXPECT_EQ(decryptFile(encrypted, "S3CRET", target), DecryptStatus::WrongPassword);
    EXPECT_EQ(decryptFile(encrypted, "", target), DecryptStatus::WrongPassword);
    EXPECT_FALSE(std::filesystem::exists(home.path("out/restored/plan.pdf")));
    EXPECT_FALSE(std::filesystem::exists(home.path("out/restored")));  // the folder made for it is gone too

    // The right password afterwards still works.
    EXPECT_EQ(decryptFile(encrypted, "s3cret", target), DecryptStatus::Ok);
    EXPECT_EQ(home.readFile("out/restored/plan.pdf"), "secret plans");
}

TEST_F(DecryptionTest, MissingDamagedAndUnencryptedFiles)
{
    const std::string target = home.win("out/x.txt");
    EXPECT_EQ(decryptFile(home.win("medium/none.txt.cry"), "pw", target), DecryptStatus::SourceMissing);
    EXPECT_EQ(decryptFile(home.writeFile("medium/plain.txt", "plain"), "pw", target), DecryptStatus::NotEncrypted);
    EXPECT_EQ(decryptFile(home.writeFile("medium/junk.txt.cry", "not an encrypted file at all"), "pw", target),
              DecryptStatus::Damaged);
    EXPECT_FALSE(std::filesystem::exists(home.path("out")));
}

TEST(DecryptedFileName, DropsTheCryExtension)
{
    EXPECT_EQ(decryptedFileName("E:\\Menu\\docs\\plan.pdf.cry"), "plan.pdf");
    EXPECT_EQ(decryptedFileName("PLAN.PDF.CRY"), "PLAN.PDF");
    EXPECT_EQ(decryptedFileName("E:\\docs\\.cry"), "");
    EXPECT_EQ(decryptedFileName("E:\\docs\\plan.pdf"), "");
    EXPECT_EQ(decryptedFileName("/tmp/a.b.Cry"), "a.b");
}

TEST(DecryptionArguments, FileOptionsAndUnknowns)
{
    auto a = parseDecryptionArguments({"E:\\docs\\a.pdf.cry"});
    EXPECT_EQ(a.file, "E:\\docs\\a.pdf.cry");
    EXPECT_FALSE(a.passwordFromInput);
    EXPECT_TRUE(a.open);
    EXPECT_TRUE(a.output.empty());

    a = parseDecryptionArguments({"--password-stdin", "--output=/tmp/out.pdf", "--no-open", "a.cry", "b.cry"});
    EXPECT_TRUE(a.passwordFromInput);
    EXPECT_EQ(a.output, "/tmp/out.pdf");
    EXPECT_FALSE(a.open);
    EXPECT_EQ(a.file, "a.cry");

    EXPECT_TRUE(parseDecryptionArguments({"/?"}).help);
    EXPECT_EQ(parseDecryptionArguments({"--pasword=x", "--bogus"}).unknown, "--pasword=x");
    // A password never comes on the command line any more.
    EXPECT_EQ(parseDecryptionArguments({"--password=pw", "a.cry"}).unknown, "--password=pw");
}

TEST(DecryptionArguments, PasswordIsTheFirstInputLineWithoutItsEnd)
{
    EXPECT_EQ(passwordLine("p\xC3\xA4ss w\xC3\xB6rd\r\nsecond line\n"), "p\xC3\xA4ss w\xC3\xB6rd");
    EXPECT_EQ(passwordLine("s3cret\n"), "s3cret");
    EXPECT_EQ(passwordLine("no line end"), "no line end");
    EXPECT_EQ(passwordLine("\n"), "");
    EXPECT_EQ(passwordLine(""), "");
}

TEST_F(DecryptionTest, EncryptedFilesOfAFolder)
{
    home.writeFile("medium/b.doc.CRY", "x");
    home.writeFile("medium/a.pdf.cry", "x");
    home.writeFile("medium/readme.txt", "x");
    home.writeFile("medium/BE.exe", "x");
    const auto found = encryptedFilesIn(home.win("medium"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], home.win("medium/a.pdf.cry"));
    EXPECT_EQ(found[1], home.win("medium/b.doc.CRY"));
    EXPECT_TRUE(encryptedFilesIn(home.win("nowhere")).empty());
}

}  // namespace
}  // namespace orv::companions
