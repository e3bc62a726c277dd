#include "companions/decryption.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/crypto.h"
#include "platform/file_system.h"
#include "platform/services.h"
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

// The names in a folder that start as restore folders do.
std::vector<std::string> restoreFoldersIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind(RestoreFolderPrefix, 0) == 0)
            names.push_back(entry.path().filename().string());
    return names;
}

TEST_F(DecryptionTest, RightPasswordRestoresIntoAPrivateFolderOfItsOwnAndOnlyOldOnesAreRemoved)
{
    const std::string content = std::string("%PDF-1.4\r\n\0binary\xff", 19);
    const std::string encrypted = encrypt("plan.pdf", content, "s3cret");
    const std::string base = home.win("Temp");

    std::string old, recent;
    ASSERT_EQ(decryptIntoOwnFolder(encrypted, "s3cret", base, old), DecryptStatus::Ok);
    ASSERT_EQ(decryptIntoOwnFolder(encrypted, "s3cret", base, recent), DecryptStatus::Ok);
    EXPECT_NE(old, recent);  // a new folder for each run
    const auto file = platform::services().files->hostPath(recent);
    EXPECT_EQ(file.filename(), "plan.pdf");
    EXPECT_EQ(file.parent_path().parent_path(), home.path("Temp"));
    EXPECT_EQ(home.readFile("Temp/" + file.parent_path().filename().string() + "/plan.pdf"), content);
#ifndef _WIN32
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(file.parent_path()).permissions(), perms::owner_all);
    EXPECT_EQ(std::filesystem::status(file).permissions(), perms::owner_read | perms::owner_write);
#endif

    const auto oldFolder = platform::services().files->hostPath(old).parent_path();
    const auto longAgo = std::filesystem::file_time_type::clock::now() - RestoreFolderLifetime - std::chrono::hours(1);
    std::filesystem::last_write_time(oldFolder, longAgo);
    home.writeFile("Temp/other/keep.txt", "not ours");
    std::filesystem::last_write_time(home.path("Temp/other"), longAgo);
    removeOldRestoreFolders(base);
    EXPECT_FALSE(std::filesystem::exists(oldFolder));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(std::filesystem::exists(home.path("Temp/other/keep.txt")));
}

TEST_F(DecryptionTest, WrongPasswordWritesNothing)
{
    const std::string encrypted = encrypt("plan.pdf", "secret plans", "s3cret");
    const std::string target = home.win("out/restored/plan.pdf");

    EXPECT_EQ(decryptFile(encrypted, "S3CRET", target), DecryptStatus::WrongPassword);
    EXPECT_EQ(decryptFile(encrypted, "", target), DecryptStatus::WrongPassword);
    EXPECT_FALSE(std::filesystem::exists(home.path("out/restored/plan.pdf")));
    EXPECT_FALSE(std::filesystem::exists(home.path("out/restored")));  // the folder made for it is gone too
    std::string restored;
    EXPECT_EQ(decryptIntoOwnFolder(encrypted, "S3CRET", home.win("Temp"), restored), DecryptStatus::WrongPassword);
    EXPECT_TRUE(restored.empty());
    EXPECT_TRUE(restoreFoldersIn(home.path("Temp")).empty());

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
    for (const auto& [file, name] : {std::pair{"E:\\Menu\\docs\\plan.pdf.cry", "plan.pdf"}, {"PLAN.PDF.CRY", "PLAN.PDF"},
                                     {"E:\\docs\\.cry", ""}, {"E:\\docs\\plan.pdf", ""}, {"/tmp/a.b.Cry", "a.b"}})
        EXPECT_EQ(decryptedFileName(file), name) << file;
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
    for (const auto& [input, password] : {std::pair{"p\xC3\xA4ss w\xC3\xB6rd\r\nsecond line\n", "p\xC3\xA4ss w\xC3\xB6rd"},
                                          {"s3cret\n", "s3cret"}, {"no line end", "no line end"}, {"\n", ""}, {"", ""}})
        EXPECT_EQ(passwordLine(input), password) << input;
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
