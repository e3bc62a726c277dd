// Per-user folders under ORVANTO_HOME, the program folder, and the folder and copy
// operations of the file system.
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_layout.h"
#include "platform/host/host_services.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

class FoldersTest : public test::HomeTest {};

TEST_F(FoldersTest, PerUserFoldersLiveUnderTheHomeAndExist)
{
    const SystemFolders& folders = *services().folders;
    EXPECT_EQ(folders.GetMyDocumentsDir(), home.win("Documents"));
    EXPECT_EQ(folders.GetSysAppDataDirectory(), home.win("AppData"));
    EXPECT_EQ(folders.GetTemporaryDir(), home.win("Temp"));
    for (const char* sub : {"Documents", "AppData", "Temp"})
        EXPECT_TRUE(fs::is_directory(home.path(sub))) << sub;
    for (const auto& folder : {folders.GetMyDocumentsDir(), folders.GetTemporaryDir(), folders.ProgramFolder()}) {
        EXPECT_EQ(folder.substr(1, 2), ":\\") << folder;
        EXPECT_NE(folder.back(), '\\') << folder;
    }
    const std::string fonts = folders.GetFontDir();
    EXPECT_EQ(fonts.substr(0, 3), "Z:\\");
    EXPECT_TRUE(fs::is_directory(services().files->hostPath(fonts))) << fonts;
}

// Without ORVANTO_HOME the temporary folder is the user's own, never the shared /tmp: the
// test runs start a program copied there.
TEST_F(FoldersTest, TheTemporaryFolderIsPrivateWithoutAHome)
{
    const auto saved = [](const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& v) {
        v ? ::setenv(name, v->c_str(), 1) : ::unsetenv(name);
    };
    const auto oldHome = saved("ORVANTO_HOME"), oldRuntime = saved("XDG_RUNTIME_DIR"), oldCache = saved("XDG_CACHE_HOME");
    ::unsetenv("ORVANTO_HOME");
    fs::create_directories(home.path("run"));
    ::setenv("XDG_RUNTIME_DIR", home.path("run").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", home.path("cache").c_str(), 1);
    const fs::path runtime = HostLayout::fromEnvironment().temp;
    ::unsetenv("XDG_RUNTIME_DIR");
    const fs::path cache = HostLayout::fromEnvironment().temp;
    restore("ORVANTO_HOME", oldHome);
    restore("XDG_RUNTIME_DIR", oldRuntime);
    restore("XDG_CACHE_HOME", oldCache);

    EXPECT_EQ(runtime, home.path("run") / "orvanto");
    EXPECT_EQ(cache, home.path("cache") / "orvanto" / "tmp");
    for (const fs::path& folder : {runtime, cache})
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
}

// Services installed inside others follow ORVANTO_PROGRAM_DIR and put the previous ones back.
TEST_F(FoldersTest, InnerServicesFollowTheProgramFolderAndPutThePreviousOnesBack)
{
    const char* old = std::getenv("ORVANTO_PROGRAM_DIR");
    const std::string previous = old ? old : "";
    fs::create_directories(home.path("prog"));
    ::setenv("ORVANTO_PROGRAM_DIR", (home.path("prog").string() + "/").c_str(), 1);
    const Services before = services();
    {
        HostServices inner(nullptr);
        EXPECT_EQ(services().folders->ProgramFolder(), home.win("prog"));
        EXPECT_NE(services().files, before.files);
        EXPECT_NE(services().ui, nullptr) << "a console stands in for a missing user interface";
    }
    ::setenv("ORVANTO_PROGRAM_DIR", previous.c_str(), 1);
    EXPECT_EQ(services().files, before.files);
    EXPECT_EQ(services().ui, before.ui);
}

class FileOperationsTest : public test::HomeTest {};

TEST_F(FileOperationsTest, DirExistsAndDirCreateWithParents)
{
    FileSystem& files = *services().files;
    std::string deep = home.win("") + "\\New\\Deeper\\Deepest";
    EXPECT_EQ(files.DirExists(deep), 0);
    EXPECT_NE(files.DirCreate(deep), 0);
    EXPECT_TRUE(fs::is_directory(home.path("New/Deeper/Deepest")));
    EXPECT_NE(files.DirExists(deep), 0);
    EXPECT_NE(files.DirExists(home.win("") + "\\NEW\\deeper"), 0) << "found without regard to case";
    EXPECT_NE(files.DirCreate(deep), 0) << "an existing folder counts as made";

    std::string file = home.writeFile("plain.txt", "x");
    EXPECT_EQ(files.DirExists(file), 0);
    EXPECT_EQ(files.DirCreate(file + "\\below"), 0);
    EXPECT_EQ(files.DirCreate("Q:\\unmapped"), 0);
}

}  // namespace
}  // namespace orv::platform
