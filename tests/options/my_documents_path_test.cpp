#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "model/my_documents_path.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv {
namespace {

class MyDocumentsPathTest : public test::HomeTest {
protected:
    std::string documents() const { return platform::services().folders->GetMyDocumentsDir(); }

    static std::string upper(std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        return s;
    }
};

TEST_F(MyDocumentsPathTest, PathsBelowTheDocumentsFolderGetTheDisplayForm)
{
    ASSERT_EQ(documents()[1], ':');
    EXPECT_EQ(ShortenMyDocumentsPath(documents() + "\\Menus\\a.mnp"), "...\\My Documents\\Menus\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath("  " + documents() + "\\a.mnp  "), "...\\My Documents\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath(upper(documents()) + "\\A.MNP"), "...\\My Documents\\A.MNP");
    EXPECT_EQ(ShortenMyDocumentsPath(documents() + "\\\\twice\\\\a.mnp"), "...\\My Documents\\twice\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath(documents()), "...\\My Documents\\");
}

TEST_F(MyDocumentsPathTest, OtherPathsOnlyLoseTheirOuterBlanks)
{
    EXPECT_EQ(ShortenMyDocumentsPath(" E:\\Menus\\a.mnp "), "E:\\Menus\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath(documents() + "2\\a.mnp"), documents() + "2\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath("\\\\server\\share\\a.mnp"), "\\\\server\\share\\a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath("a.mnp"), "a.mnp");
    EXPECT_EQ(ShortenMyDocumentsPath(""), "");
}

TEST_F(MyDocumentsPathTest, NothingIsShortenedWhileTheDocumentsFolderIsMissing)
{
    std::string path = documents() + "\\a.mnp";
    std::filesystem::remove_all(home.path("Documents"));
    EXPECT_EQ(ShortenMyDocumentsPath(path), path);
}

TEST_F(MyDocumentsPathTest, DisplayFormIsExpandedToTheCurrentDocumentsFolder)
{
    EXPECT_EQ(ExpandMyDocumentsPath("...\\My Documents\\Menus\\a.mnp"), documents() + "\\Menus\\a.mnp");
    EXPECT_EQ(ExpandMyDocumentsPath(" ...\\My Documents\\a.mnp "), documents() + "\\a.mnp");
    EXPECT_EQ(ExpandMyDocumentsPath("...\\Mina dokument\\Menyer\\a.mnp"), documents() + "\\Menyer\\a.mnp");
    EXPECT_EQ(ExpandMyDocumentsPath("...\\My Documents\\"), documents() + "\\");
    EXPECT_EQ(ExpandMyDocumentsPath("E:\\a.mnp"), "E:\\a.mnp");
    EXPECT_EQ(ExpandMyDocumentsPath("  E:\\a.mnp"), "E:\\a.mnp");
}

TEST_F(MyDocumentsPathTest, ShortenedPathsExpandToThemselves)
{
    for (const std::string rest : {"\\a.mnp", "\\Menus\\Sub folder\\b.mnp", "\\Åsa\\c.mnp"}) {
        std::string path = documents() + rest;
        EXPECT_EQ(ExpandMyDocumentsPath(ShortenMyDocumentsPath(path)), path);
    }
}

}  // namespace
}  // namespace orv
