// Programs started through the shell get their parameter text exactly as typed, and text
// for their standard input through a pipe. The child is this test program itself: started
// with "--echo-child FILE" (or "--echo-child-input FILE") it only writes the rest of its
// command line (and then its standard input) into FILE and ends.
#include <windows.h>

#include <chrono>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/services.h"
#include "platform/shell.h"
#include "platform/win32/command_line.h"
#include "platform/win32/wide_text.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

// The command line after the program's name and the blanks that follow it.
std::wstring afterProgramName(const wchar_t* line)
{
    const wchar_t* p = line;
    if (*p == L'"') {
        p = std::wcschr(p + 1, L'"');
        p = p ? p + 1 : line + std::wcslen(line);
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

// Runs before main: in the child, writes what it was given and ends the process.
const bool echoChild = [] {
    const std::wstring rest = afterProgramName(GetCommandLineW());
    const bool withInput = rest.rfind(L"--echo-child-input ", 0) == 0;
    if (!withInput && rest.rfind(L"--echo-child ", 0) != 0)
        return false;
    const std::wstring afterOption = rest.substr(rest.find(L' ') + 1);
    const std::size_t fileEnd = afterOption.find(L' ');
    const std::wstring file = afterOption.substr(0, fileEnd);
    std::string text = narrow(fileEnd == std::wstring::npos ? L"" : afterOption.substr(fileEnd + 1)) + "\n";
    if (withInput) {
        HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0)
            text.append(buffer, got);
    }
    const std::wstring part = file + L".part";
    std::ofstream(std::filesystem::path(part), std::ios::binary) << text;
    MoveFileExW(part.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
    ExitProcess(0);
}();

std::string thisProgram()
{
    wchar_t path[MAX_PATH];
    return narrow(std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH)));
}

std::string waitForFile(const std::filesystem::path& file)
{
    for (int i = 0; i < 400 && !std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Win32RunProgram : public test::HomeTest {
protected:
    Shell& shell = *services().shell;
};

TEST_F(Win32RunProgram, ParameterTextArrivesAsTyped)
{
    const std::string typed = "TARGETDIR=\"C:\\a b\" /q  \"\" p\xC3\xA4ss \"C:\\dir\\\\\"";
    ASSERT_TRUE(shell.RunProgram(thisProgram(), "--echo-child " + home.win("args.txt") + " " + typed, home.win(""),
                                 WindowState::Hidden));
    EXPECT_EQ(waitForFile(home.path("args.txt")), typed + "\n");

    // StartProcess quotes its arguments so that the program splits them back unchanged.
    const std::vector<std::string> arguments{"a b", "C:\\My Menu\\", "q\"x", "", "p\xC3\xA4ss"};
    std::vector<std::string> started{"--echo-child", home.win("split.txt")};
    started.insert(started.end(), arguments.begin(), arguments.end());
    ASSERT_TRUE(shell.StartProcess(thisProgram(), started, home.win(""), WindowState::Hidden));
    std::string line = waitForFile(home.path("split.txt"));
    ASSERT_FALSE(line.empty());
    line.pop_back();
    EXPECT_EQ(argumentsOfCommandLine(L"child " + widen(line)), arguments);
}

TEST_F(Win32RunProgram, StandardInputArrivesAndIsClosed)
{
    ASSERT_TRUE(shell.RunProgram(thisProgram(), "--echo-child-input " + home.win("input.txt") + " \"E:\\a b.cry\"",
                                 home.win(""), WindowState::Hidden, "p\xC3\xA4ssw\xC3\xB6rd\nsecond"));
    EXPECT_EQ(waitForFile(home.path("input.txt")), "\"E:\\a b.cry\"\np\xC3\xA4ssw\xC3\xB6rd\nsecond");

    EXPECT_FALSE(shell.RunProgram(home.win("missing.exe"), "", {}, WindowState::Normal, "input"));
    EXPECT_FALSE(shell.RunProgram(home.win("missing.exe"), "", {}, WindowState::Normal));
}

}  // namespace
}  // namespace orv::platform
