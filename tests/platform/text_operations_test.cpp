// The helper library's pure text operations and the case mapping behind path lookups.
#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/text_case.h"

namespace orv::platform {
namespace {

TEST(TextOperations, RemoveDupBackslashesKeepsANetworkPrefix)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\\\Menu\\\\\\docs\\a.pdf", "C:\\Menu\\docs\\a.pdf"}, {"\\\\server\\\\share\\x", "\\\\server\\share\\x"},
        {"\\\\\\\\server\\x", "\\\\server\\x"}, {"E:\\Menu\\\\", "E:\\Menu\\"}, {"", ""},
        {"no/slashes//touched", "no/slashes//touched"}};
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(RemoveDupBackslashes(path), expected) << path;
}

TEST(TextOperations, CreateAbsolutePathFromRelativePath)
{
    struct Case {
        const char* base;
        const char* relative;
        const char* absolute;  // nullptr: refused, the output untouched
    };
    const Case cases[] = {
        {"C:\\Menu\\Pages", "..\\docs\\.\\a.pdf", "C:\\Menu\\docs\\a.pdf"},
        {"C:\\Menu\\", "a.pdf", "C:\\Menu\\a.pdf"},
        {"C:\\", "x/y\\\\z", "C:\\x\\y\\z"},
        {"C:\\Menu\\Pages", "..\\..", "C:\\"},
        {"D:\\Menu\\Pages", "\\top\\a.txt", "D:\\top\\a.txt"},
        {"D:\\Menu", "E:\\other\\..\\b.txt", "E:\\b.txt"},
        {"\\\\srv\\share\\dir", "..\\f.txt", "\\\\srv\\share\\f.txt"},
        {"\\\\srv\\share\\dir", "..\\..\\f.txt", nullptr},
        {"C:\\Menu", "..\\..\\a.txt", nullptr},
        {"", "a.txt", nullptr},
        {"C:\\Menu", "", nullptr},
        {"relative\\base", "a.txt", nullptr},
    };
    for (const Case& c : cases) {
        std::string out = "unchanged";
        EXPECT_EQ(CreateAbsolutePathFromRelativePath(c.base, c.relative, out), c.absolute != nullptr) << c.relative;
        EXPECT_EQ(out, c.absolute ? c.absolute : "unchanged") << c.base << " + " << c.relative;
    }
}

TEST(TextOperations, URLAddressValidTakesOrdinaryWebAddressesOnly)
{
    for (const char* address :
         {"http://example.com", "https://example.com/a?b=c#top", "HTTPS://Example.COM", "www.example.com",
          "www.example.co.uk/path/page.html", "example.org", "http://localhost:8080/x", "http://192.168.1.10/",
          "ftp://files.example.net/pub", "  https://example.com  ", "https://bücher.de"})
        EXPECT_NE(URLAddressValid(address), 0) << address;
    for (const char* address :
         {"", "   ", "hello world", "abc", "http://", "https:// example.com", "http://exa mple.com", "mailto:a@b.com",
          "javascript:alert(1)", "file:///etc/passwd", "http://-bad-.com", "www.", "http://example.c0m",
          "example.com:99999", "http://user@example.com", "http://a..b.com", "C:\\Menu\\index.html",
          "localhost", "1.2.3.4"})
        EXPECT_EQ(URLAddressValid(address), 0) << address;
}

TEST(TextCase, FoldsAndUpperCasesLettersOfTheAnsiScripts)
{
    for (const auto& [a, b] : {std::pair{"Logo.PNG", "logo.png"}, {"ÄÖÜ", "äöü"}, {"ŁÓDŹ", "łódź"}, {"МЕНЮ", "меню"},
                               {"ΑΒΓ", "αβγ"}})
        EXPECT_TRUE(equalsNoCase(a, b)) << a;
    EXPECT_FALSE(equalsNoCase("a.png", "a.pn"));
    // Malformed UTF-8 is compared byte for byte rather than dropped.
    EXPECT_EQ(foldCase(std::string("A\xC3", 2)), std::string("a\xC3", 2));
    EXPECT_EQ(foldCase(std::string("\xFF\x80Z", 3)), std::string("\xFF\x80z", 3));
    EXPECT_EQ(upperLatin1("menü café ÿ straße 1-a"), "MENÜ CAFÉ Ÿ STRAßE 1-A");
}

}  // namespace
}  // namespace orv::platform
