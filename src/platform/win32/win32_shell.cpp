#include "platform/win32/win32_shell.h"

#include <windows.h>


#include <algorithm>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/system_folders.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

int showCommand(WindowState state)
{
    switch (state) {
    case WindowState::Hidden: return SW_HIDE;
    case WindowState::Minimized: return SW_SHOWMINIMIZED;
    case WindowState::Maximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
    }
}

bool shellExecute(const wchar_t* verb, const std::string& target, const std::string& parameters,
                  const std::string& workingFolder, int show)
{
    const std::wstring file = widen(target), text = widen(parameters), folder = widen(workingFolder);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No error boxes of the shell's own: the caller tells the user what failed.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.lpParameters = text.empty() ? nullptr : text.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = show;
    return shell_library::executeEx(&info) != FALSE;
}

// CreateProcessW with the read end of a pipe as standard input; the text is written into
// the pipe (which is made large enough to hold it) and the pipe closed.
bool startWithInput(const std::string& program, const std::string& parameters, const std::string& workingFolder,
                    int show, const std::string& input)
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE reading = nullptr, writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inheritable, static_cast<DWORD>(std::max<std::size_t>(input.size(), 4096))))
        return false;
    SetHandleInformation(writing, HANDLE_FLAG_INHERIT, 0);  // only the child's end is inherited

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    startup.hStdInput = reading;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring commandLine = L"\"" + widen(program) + L"\"";
    if (!parameters.empty())
        commandLine += L" " + widen(parameters);
    const std::wstring folder = widen(workingFolder);
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process) != FALSE;
    CloseHandle(reading);
    if (started) {
        DWORD written = 0;
        WriteFile(writing, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(writing);
    return started;
}

}  // namespace

bool Win32Shell::ShellOpen(const std::string& target, const std::string& parameters,
                           const std::string& workingFolder)
{
    if (target.empty())
        return false;
    const bool bareAddress = target.size() > 4 && std::equal(target.begin(), target.begin() + 4, "www.",
                                                             [](char a, char b) { return (a | 0x20) == b; });
    return shellExecute(L"open", bareAddress ? "http://" + target : target, parameters, workingFolder,
                        SW_SHOWNORMAL);
}

bool Win32Shell::StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder, WindowState state)
{
    std::string parameters;
    for (const std::string& argument : arguments)
        parameters += (parameters.empty() ? "" : " ") + quoteParameter(argument);
    return RunProgram(program, parameters, workingFolder, state);
}

bool Win32Shell::RunProgram(const std::string& program, const std::string& parameters,
                            const std::string& workingFolder, WindowState state, const std::string& standardInput)
{
    if (program.empty())
        return false;
    if (standardInput.empty())
        return shellExecute(L"open", program, parameters, workingFolder, showCommand(state));
    return startWithInput(program, parameters, workingFolder, showCommand(state), standardInput);
}

bool Win32Shell::ShowHelp(int contextNumber)
{
    const fs::path help = fs::path(widen(folders_.ProgramFolder())) / L"help";
    std::error_code ec;
    fs::path page = help / (std::to_wstring(contextNumber) + L".html");
    if (contextNumber <= 0 || !fs::is_regular_file(page, ec))
        page = help / L"index.html";
    return fs::is_regular_file(page, ec) && shellExecute(L"open", narrow(page.native()), {}, {}, SW_SHOWNORMAL);
}

bool Win32Shell::ExploreFolder(const std::string& folder)
{
    std::error_code ec;
    return !folder.empty() && fs::is_directory(fs::path(widen(folder)), ec) &&
           shellExecute(L"explore", folder, {}, {}, SW_SHOWNORMAL);
}

}  // namespace orv::platform
