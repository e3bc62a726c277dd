#include "platform/win32/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace orv::platform {

std::vector<std::string> argumentsOfCommandLine(std::wstring_view commandLine)
{
    std::vector<std::string> arguments;
    // CommandLineToArgvW gives the running program's path for an empty line.
    if (commandLine.find_first_not_of(L" \t") == std::wstring_view::npos)
        return arguments;
    const std::wstring line(commandLine);
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(narrow(words[i]));
    LocalFree(words);
    return arguments;
}

std::vector<std::string> commandLineArguments() { return argumentsOfCommandLine(GetCommandLineW()); }

}  // namespace orv::platform
