// Windows paths are the identity, held as UTF-16; the per-user folders follow ORVANTO_HOME;
// text and the command line convert between UTF-8 and UTF-16 without loss.
#include <fstream>

#include <gtest/gtest.h>

#include "model/file_io.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/win32/command_line.h"
#include "platform/win32/wide_text.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

class Win32Files : public test::HomeTest {
protected:
    FileSystem& files = *services().files;
    const std::string root = home.win("");  // ends in a backslash

    void write(const std::string& file) { std::ofstream(files.hostPath(file)) << file; }
};

TEST_F(Win32Files, PathsKeepNonAsciiNamesBothWays)
{
    const std::string folder = root + "Gr\xC3\xBC\xC3\x9F" "e \xCE\xB5\xCE\xBB";  // "Grüße ελ"
    EXPECT_EQ(files.hostPath(folder).native(), widen(root) + L"Gr\u00fc\u00dfe \u03b5\u03bb");
    EXPECT_EQ(files.windowsPath(files.hostPath(folder)), folder);
    EXPECT_EQ(files.windowsPath(std::filesystem::path(L"C:/a/b")), "C:\\a\\b");
    EXPECT_TRUE(files.hostPath("").empty());

    EXPECT_EQ(files.DirExists(folder), 0);
    EXPECT_NE(files.DirCreate(folder + "\\sub\\deeper"), 0);
    EXPECT_NE(files.DirExists(folder + "\\sub\\deeper"), 0);
    EXPECT_NE(files.DirCreate(folder), 0) << "an existing folder counts as made";
    write(folder + "\\Notiz \xC3\xBC.txt");
    EXPECT_TRUE(FileExists(folder + "\\Notiz \xC3\xBC.txt"));
    EXPECT_EQ(files.DirExists(folder + "\\Notiz \xC3\xBC.txt"), 0) << "a file is no folder";
}

TEST_F(Win32Files, PerUserFoldersLieUnderTheTestHome)
{
    const SystemFolders& folders = *services().folders;
    for (const auto& [folder, name] : {std::pair{folders.GetMyDocumentsDir(), "Documents"},
                                       std::pair{folders.GetSysAppDataDirectory(), "AppData"},
                                       std::pair{folders.GetTemporaryDir(), "Temp"}}) {
        EXPECT_EQ(folder, root + name);
        EXPECT_NE(files.DirExists(folder), 0) << name;
    }
    EXPECT_TRUE(FileExists(folders.ProgramFolder() + "\\platform_tests.exe"));
    EXPECT_NE(folders.ProgramFolder().back(), '\\');
}

TEST(Win32Text, Utf8AndUtf16RoundTrip)
{
    EXPECT_EQ(widen("p\xC3\xA4ssw\xC3\xB6rd"), L"p\u00e4ssw\u00f6rd");
    EXPECT_EQ(narrow(L"p\u00e4ssw\u00f6rd"), "p\xC3\xA4ssw\xC3\xB6rd");
    EXPECT_EQ(widen("\xF0\x9D\x84\x9E"), std::wstring(L"\xD834\xDD1E")) << "outside the BMP: a surrogate pair";
    EXPECT_EQ(narrow(L"\xD834\xDD1E"), "\xF0\x9D\x84\x9E");
    EXPECT_EQ(widen(""), L"");
    EXPECT_EQ(narrow(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
}

TEST(Win32Text, CommandLineArgumentsAreUtf8WithoutTheProgram)
{
    EXPECT_EQ(argumentsOfCommandLine(L"\"C:\\Program Files\\BE.exe\" \"E:\\My Menu\\a.cry\" --password-stdin "
                                     L"p\u00e4ss \"C:\\dir\\\\\" a\\\"b"),
              (std::vector<std::string>{"E:\\My Menu\\a.cry", "--password-stdin", "p\xC3\xA4ss", "C:\\dir\\",
                                        "a\"b"}));
    EXPECT_TRUE(argumentsOfCommandLine(L"BE.exe").empty());
    EXPECT_TRUE(argumentsOfCommandLine(L"").empty());
}

}  // namespace
}  // namespace orv::platform
