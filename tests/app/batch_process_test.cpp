// The batch build as a real process: the orvnedit of the program folder builds the example
// menu with no display server and no input, and reports a missing project by exit code
// and log.
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

    std::string read(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path program_;
    fs::path home_;
};

TEST_F(BatchProcessTest, BuildsTheExampleWithoutADisplay)
{
    requirePrograms();
    if (IsSkipped())
        return;
    const fs::path out = home_ / "demo menu";
    ASSERT_EQ(run("Examples/DemoMenu.mnp /BUILD '/BUILDFOLDER:" + out.string() + "' '/LOG:" +
                  (home_ / "build.log").string() + "'"),
              0)
        << read(home_ / "stdout.txt") << read(home_ / "build.log");
    EXPECT_TRUE(fs::exists(out / "ORVNMENU.EXE"));
    EXPECT_TRUE(fs::exists(out / "ORVNMENU.EXE.manifest"));
    EXPECT_TRUE(fs::exists(out / "orvnmenu.mni"));
    EXPECT_TRUE(fs::exists(out / "AUTORUN.INF"));
    EXPECT_TRUE(fs::exists(out / "docs" / "guide.html"));
    EXPECT_FALSE(fs::exists(home_ / "build.log"));
    EXPECT_NE(read(home_ / "stdout.txt").find("Files linked to buttons have been copied"), std::string::npos);
}

TEST_F(BatchProcessTest, MissingProjectEndsWithExitCode1AndTheLog)
{
    if (!fs::exists(program_ / "orvnedit"))
        GTEST_SKIP() << "no orvnedit in the program folder";
    EXPECT_EQ(run("missing.mnp /BUILD '/LOG:" + (home_ / "build.log").string() + "'"), 1);
    EXPECT_EQ(read(home_ / "build.log"), "The project file does not exist!\r\n");
}

}  // namespace
