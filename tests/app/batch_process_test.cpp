// The batch build as a real process: the orvnedit of the program folder, with no display
// server and no input.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class BatchProcessTest : public ::testing::Test {
protected:
    BatchProcessTest() : program_(fs::path(ORVANTO_PROGRAM_DIR_FOR_TESTS))
    {
        home_ = fs::temp_directory_path() / ("orvanto-batch-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(home_);
    }
    ~BatchProcessTest() override
    {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }

    void requirePrograms()
    {
        for (const char* file : {"orvnedit", "Release/ORVNMENU.EXE", "Examples/DemoMenu.mnp"})
            if (!fs::exists(program_ / file))
                GTEST_SKIP() << "the program folder has no " << file << " (build the whole project first)";
    }

    // Runs orvnedit with the arguments, without any display and with no input; the exit code.
    int run(const std::string& arguments)
    {
        const std::string command = "cd '" + home_.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    "ORVANTO_HOME='" + home_.string() + "' ORVANTO_PROGRAM_DIR='" + program_.string() +
                                    "' '" + (program_ / "orvnedit").string() + "' " + arguments + " </dev/null >'" +
                                    (home_ / "stdout.txt").string() + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::string read(const fs::path& file)
    {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        return text.str();
    }

    fs::path program_;
    fs::path home_;
};

// A missing project ends with exit code 1 and its log line; the example builds, and the old
// log goes.
TEST_F(BatchProcessTest, BuildsTheExampleWithoutADisplay)
{
    requirePrograms();
    if (IsSkipped())
        return;
    const std::string log = " '/LOG:" + (home_ / "build.log").string() + "'";
    EXPECT_EQ(run("missing.mnp /BUILD" + log), 1);
    EXPECT_EQ(read(home_ / "build.log"), "The project file does not exist!\r\n");

    const fs::path out = home_ / "demo menu";
    ASSERT_EQ(run("Examples/DemoMenu.mnp /BUILD '/BUILDFOLDER:" + out.string() + "'" + log), 0)
        << read(home_ / "stdout.txt") << read(home_ / "build.log");
    for (const char* file : {"ORVNMENU.EXE", "ORVNMENU.EXE.manifest", "orvnmenu.mni", "AUTORUN.INF", "docs/guide.html"})
        EXPECT_TRUE(fs::exists(out / file)) << file;
    EXPECT_FALSE(fs::exists(home_ / "build.log"));
    EXPECT_NE(read(home_ / "stdout.txt").find("Files linked to buttons have been copied"), std::string::npos);
}

}  // namespace
