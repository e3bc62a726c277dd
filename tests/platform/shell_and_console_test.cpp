// The desktop shell's program, help and parameter rules, and the console user interface.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/host/console_user_interface.h"
#include "platform/file_system.h"
#include "platform/host/desktop_shell.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "support/test_home.h"

namespace fs = std::filesystem;

namespace orv::platform {
namespace {

void writeExecutable(const fs::path& file, bool executable = true)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "#!/bin/sh\nexit 0\n";
    fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

TEST(DesktopShellRules, ExeNamesMapToTheHostExecutableAndHelpPagesFallBackToTheContents)
{
    test::TestHome home;
    const fs::path dir = home.path("prog");
    writeExecutable(dir / "orvnedit");
    writeExecutable(dir / "Test" / "ORVNMENU.EXE");
    writeExecutable(dir / "Tool");
    writeExecutable(dir / "readme.txt", false);
    EXPECT_EQ(executableFor(dir / "ORVNEDIT.exe"), dir / "orvnedit");
    EXPECT_EQ(executableFor(dir / "Test" / "ORVNMENU.EXE"), dir / "Test" / "ORVNMENU.EXE");
    EXPECT_EQ(executableFor(dir / "Tool.EXE"), dir / "Tool");
    EXPECT_TRUE(executableFor(dir / "readme.txt").empty()) << "not executable";
    EXPECT_TRUE(executableFor(dir / "missing.exe").empty());
    EXPECT_TRUE(executableFor(dir).empty()) << "a folder is no program";
    EXPECT_TRUE(executableFor({}).empty());

    std::ofstream(dir / "index.html") << "contents";
    std::ofstream(dir / "120.html") << "page";
    EXPECT_EQ(helpPageFor(dir, 120), dir / "120.html");
    EXPECT_EQ(helpPageFor(dir, 7), dir / "index.html");
    EXPECT_EQ(helpPageFor(dir, 0), dir / "index.html");
    fs::remove(dir / "index.html");
    EXPECT_TRUE(helpPageFor(dir, 7).empty());
}

TEST(DesktopShellRules, ParametersSplitAndQuoteLikeAWindowsCommandLine)
{
    EXPECT_EQ(splitParameters("/TEST  \"C:\\My Menu\\x.mni\" last"),
              (std::vector<std::string>{"/TEST", "C:\\My Menu\\x.mni", "last"}));
    EXPECT_EQ(splitParameters("a\"b c\"d \"\""), (std::vector<std::string>{"ab cd", ""}));
    EXPECT_TRUE(splitParameters("   ").empty());
    // Backslashes count only before a quote: 2n give n, 2n+1 give n and a literal quote.
    EXPECT_EQ(splitParameters(R"(TARGETDIR="C:\a b" "C:\dir\\" a\\\"b C:\x\\y)"),
              (std::vector<std::string>{R"(TARGETDIR=C:\a b)", R"(C:\dir\)", R"(a\"b)", R"(C:\x\\y)"}));
    // Quoting for a command line: only where needed, and split back unchanged.
    EXPECT_EQ(quoteParameter("E:\\Menu\\a.swf"), "E:\\Menu\\a.swf");
    EXPECT_EQ(quoteParameter("E:\\My Menu\\"), "\"E:\\My Menu\\\\\"");
    for (const std::string arg : {"", "a b", "E:\\My Menu\\", "say \"hi\"", "x\\\"y", "tab\there", "\\\\srv\\s"})
        EXPECT_EQ(splitParameters(quoteParameter(arg)), std::vector<std::string>{arg}) << arg;
}

TEST(DesktopShellRules, WebAddressesGoToTheBrowser)
{
    for (const char* address : {"https://example.com", "WWW.example.com", "mailto:ann@example.com"})
        EXPECT_TRUE(isWebAddress(address)) << address;
    for (const char* path : {"Z:\\home\\ann\\index.html", "wwwroot\\a.html"})
        EXPECT_FALSE(isWebAddress(path)) << path;
}

class DesktopShellTest : public test::HomeTest {};

// The text of a file once the program that writes it has renamed it into place.
std::string waitForFile(const fs::path& file)
{
    for (int i = 0; i < 200 && !fs::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(DesktopShellTest, RunProgramSplitsTheTextAndFeedsTheInputAndMissingProgramsAreRefused)
{
    // The program writes its arguments, and with --read-input its standard input, into
    // its working folder.
    const fs::path program = home.path("bin/echo-args");
    fs::create_directories(program.parent_path());
    std::ofstream(program) << "#!/bin/sh\n"
                              "if [ \"$1\" = --read-input ]; then cat > input.part; mv input.part input.txt; fi\n"
                              "printf '<%s>' \"$@\" > args.part; mv args.part args.txt\n";
    fs::permissions(program, fs::perms::owner_all);
    fs::create_directories(home.path("out1"));
    fs::create_directories(home.path("out2"));
    Shell& shell = *services().shell;

    ASSERT_TRUE(shell.RunProgram(home.win("bin/echo-args"), "--read-input TARGETDIR=\"C:\\a b\"  /q",
                                 home.win("out1"), WindowState::Normal, "p\xC3\xA4ss\nrest"));
    EXPECT_EQ(waitForFile(home.path("out1/input.txt")), "p\xC3\xA4ss\nrest");
    EXPECT_EQ(waitForFile(home.path("out1/args.txt")), "<--read-input><TARGETDIR=C:\\a b></q>");

    ASSERT_TRUE(shell.RunProgram(home.win("bin/echo-args"), "\"\" \"x y\"", home.win("out2"), WindowState::Normal));
    EXPECT_EQ(waitForFile(home.path("out2/args.txt")), "<><x y>");

    EXPECT_FALSE(shell.RunProgram(home.win("bin/missing.exe"), "", {}, WindowState::Normal, "input"));
    fs::create_directories(home.path("out3"));
    // Arguments that are Windows paths reach the host program as host paths.
    EXPECT_TRUE(shell.StartProcess(home.win("bin") + "\\ECHO-ARGS.EXE", {"a b", "", home.win("Documents")},
                                   home.win("out3"), WindowState::Hidden));
    EXPECT_EQ(waitForFile(home.path("out3/args.txt")), "<a b><><" + home.path("Documents").string() + ">");
    EXPECT_FALSE(shell.StartProcess(home.win("bin") + "\\missing.exe", {}, {}, WindowState::Normal));
    EXPECT_FALSE(shell.StartProcess("Q:\\nothing.exe", {}, {}, WindowState::Normal));
    EXPECT_FALSE(shell.ShellOpen(home.win("no-such-document.pdf")));
    EXPECT_FALSE(shell.ShellOpen(""));
    EXPECT_FALSE(shell.ExploreFolder(home.win("no-such-folder")));
}

TEST(ConsoleUserInterface, WritesTitleAndTextAndAnswersWithTheFirstButton)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ConsoleUserInterface console(out);
    const std::tuple<const char*, int, const char*, int> messages[] = {
        {"Saved.", MsgInformation, "Orvanto", AnswerOk}, {"Create it?", MsgYesNo + MsgQuestion, "Folder", AnswerYes},
        {"Save?", MsgYesNoCancel + MsgWarning, "Project", AnswerYes}, {"Go on?", MsgOkCancel, "Step", AnswerOk}};
    for (const auto& [text, style, title, answer] : messages)
        EXPECT_EQ(console.Message(text, style, title), answer) << text;
    EXPECT_FALSE(console.PickOpenFile("Open", {}, "C:\\") || console.PickFolder("Folder", "C:\\") ||
                 console.PickColour(255) || console.PickFont({}));

    std::rewind(out);
    char buffer[256] = {};
    std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer, n), "Orvanto: Saved.\nFolder: Create it?\nProject: Save?\nStep: Go on?\n");
}

}  // namespace
}  // namespace orv::platform
