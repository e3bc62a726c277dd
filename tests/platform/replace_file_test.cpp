// Replacing a file: when the final rename fails, the temporary file goes and the error comes
// back. The rename is made to fail by a folder that appears at the target while the new
// content is still being read (from a named pipe the test holds open).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include <gtest/gtest.h>

#include "platform/replace_file.h"
#include "support/test_home.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

bool holdsTemporaryFile(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".tmp")
            return true;
    return false;
}

TEST(ReplaceFile, AFailedRenameRemovesTheTemporaryFile)
{
    test::TestHome home;
    const fs::path pipe = home.path("source.pipe");
    const fs::path out = home.path("out");
    fs::create_directory(out);
    const fs::path target = out / "copy.bin";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    auto copy = std::async(std::launch::async, [&] { return replaceFileWithCopy(pipe, target, ReplaceMode::FreshFile); });
    const int writer = ::open(pipe.c_str(), O_WRONLY);  // waits until the copy opened the pipe
    ASSERT_GE(writer, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!holdsTemporaryFile(out) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_TRUE(holdsTemporaryFile(out)) << "the copy is reading into its temporary file";

    // A folder with content now stands at the target: no rename can replace it.
    fs::create_directory(target);
    std::ofstream(target / "keep") << "x";
    ASSERT_EQ(::write(writer, "content", 7), 7);
    ::close(writer);

    EXPECT_TRUE(copy.get()) << "the failed rename is reported";
    EXPECT_FALSE(holdsTemporaryFile(out));
    EXPECT_TRUE(fs::is_directory(target));
}

}  // namespace
}  // namespace orv::platform
