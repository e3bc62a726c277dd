// The helper library's pure text operations and the case mapping behind path lookups.
#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/text_case.h"

namespace orv::platform {
namespace {

TEST(RemoveDupBackslashes, CollapsesEveryRunButKeepsANetworkPrefix)
{
    EXPECT_EQ(RemoveDupBackslashes("C:\\\\Menu\\\\\\docs\\a.pdf"), "C:\\Menu\\docs\\a.pdf");
    EXPECT_EQ(RemoveDupBackslashes("\\\\server\\\\share\\x"), "\\\\server\\share\\x");
    EXPECT_EQ(RemoveDupBackslashes("\\\\\\\\server\\x"), "\\\\server\\x");
    EXPECT_EQ(RemoveDupBackslashes("E:\\Menu\\\\"), "E:\\Menu\\");
    EXPECT_EQ(RemoveDupBackslashes(""), "");
    EXPECT_EQ(RemoveDupBackslashes("no/slashes//touched"), "no/slashes//touched");
}

TEST(CreateAbsolutePathFromRelativePath, ResolvesDotsAgainstTheBaseFolder)
{
    std::string out;
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("C:\\Menu\\Pages", "..\\docs\\.\\a.pdf", out));
    EXPECT_EQ(out, "C:\\Menu\\docs\\a.pdf");
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("C:\\Menu\\", "a.pdf", out));
    EXPECT_EQ(out, "C:\\Menu\\a.pdf");
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("C:\\", "x/y\\\\z", out));
    EXPECT_EQ(out, "C:\\x\\y\\z");
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("C:\\Menu\\Pages", "..\\..", out));
    EXPECT_EQ(out, "C:\\");
}

TEST(CreateAbsolutePathFromRelativePath, RootRelativeAndAbsoluteInputs)
{
    std::string out;
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("D:\\Menu\\Pages", "\\top\\a.txt", out));
    EXPECT_EQ(out, "D:\\top\\a.txt");
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("D:\\Menu", "E:\\other\\..\\b.txt", out));
    EXPECT_EQ(out, "E:\\b.txt");
    ASSERT_TRUE(CreateAbsolutePathFromRelativePath("\\\\srv\\share\\dir", "..\\f.txt", out));
    EXPECT_EQ(out, "\\\\srv\\share\\f.txt");
}

TEST(CreateAbsolutePathFromRelativePath, RefusesClimbingAboveTheRootAndEmptyInput)
{
    std::string out = "unchanged";
    EXPECT_FALSE(CreateAbsolutePathFromRelativePath("C:\\Menu", "..\\..\\a.txt", out));
    EXPECT_FALSE(CreateAbsolutePathFromRelativePath("", "a.txt", out));
    EXPECT_FALSE(CreateAbsolutePathFromRelativePath("C:\\Menu", "", out));
    EXPECT_FALSE(CreateAbsolutePathFromRelativePath("relative\\base", "a.txt", out));
    EXPECT_EQ(out, "unchanged");
}

TEST(ExtractFilenameExt, TakesTheLastDotOfTheFileNameOnly)
{
    EXPECT_EQ(ExtractFilenameExt("a.b.pdf"), "pdf");
    EXPECT_EQ(ExtractFilenameExt("C:\\Menu\\Logo.PNG"), "PNG");
    EXPECT_EQ(ExtractFilenameExt("C:\\my.folder\\readme"), "");
    EXPECT_EQ(ExtractFilenameExt("name."), "");
    EXPECT_EQ(ExtractFilenameExt("noext"), "");
    EXPECT_EQ(ExtractFilenameExt(""), "");
    EXPECT_EQ(ExtractFilenameExt("/host/dir.d/file.tar"), "tar");
}

TEST(StrUprF, UpperCasesAsciiAndLatin1InPlace)
{
    std::string text = "menü café ÿ straße 1-a";
    StrUprF(text);
    EXPECT_EQ(text, "MENÜ CAFÉ Ÿ STRAßE 1-A");
    std::string empty;
    EXPECT_EQ(StrUprF(empty), "");
}

TEST(URLAddressValid, AcceptsOrdinaryWebAddresses)
{
    for (const char* address :
         {"http://example.com", "https://example.com/a?b=c#top", "HTTPS://Example.COM", "www.example.com",
          "www.example.co.uk/path/page.html", "example.org", "http://localhost:8080/x", "http://192.168.1.10/",
          "ftp://files.example.net/pub", "  https://example.com  ", "https://bücher.de"})
        EXPECT_NE(URLAddressValid(address), 0) << address;
}

TEST(URLAddressValid, RefusesGarbage)
{
    for (const char* address :
         {"", "   ", "hello world", "abc", "http://", "https:// example.com", "http://exa mple.com", "mailto:a@b.com",
          "javascript:alert(1)", "file:///etc/passwd", "http://-bad-.com", "www.", "http://example.c0m",
          "example.com:99999", "http://user@example.com", "http://a..b.com", "C:\\Menu\\index.html",
          "localhost", "1.2.3.4"})
        EXPECT_EQ(URLAddressValid(address), 0) << address;
}

TEST(TextCase, FoldsLettersOfTheAnsiScripts)
{
    EXPECT_TRUE(equalsNoCase("Logo.PNG", "logo.png"));
    EXPECT_TRUE(equalsNoCase("ÄÖÜ", "äöü"));
    EXPECT_TRUE(equalsNoCase("ŁÓDŹ", "łódź"));
    EXPECT_TRUE(equalsNoCase("МЕНЮ", "меню"));
    EXPECT_TRUE(equalsNoCase("ΑΒΓ", "αβγ"));
    EXPECT_FALSE(equalsNoCase("a.png", "a.pn"));
    // Malformed UTF-8 is compared byte for byte rather than dropped.
    EXPECT_EQ(foldCase(std::string("A\xC3", 2)), std::string("a\xC3", 2));
    EXPECT_EQ(foldCase(std::string("\xFF\x80Z", 3)), std::string("\xFF\x80z", 3));
}

}  // namespace
}  // namespace orv::platform
