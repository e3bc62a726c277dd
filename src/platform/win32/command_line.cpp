#include "platform/win32/command_line.h"

#include <windows.h>

#include <algorithm>

#include "platform/file_system.h"
#include "platform/win32/wide_text.h"

namespace orv::platform {

std::vector<std::string> argumentsOfCommandLine(std::wstring_view commandLine)
{
    // The program's name ends at its closing quote, or at the first blank when it is not
    // quoted (no backslash rules there); the rest is split by the rules of the C runtime.
    std::size_t rest = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        rest = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        rest = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    return splitParameters(narrow(commandLine.substr(rest)));
}

std::vector<std::string> commandLineArguments() { return argumentsOfCommandLine(GetCommandLineW()); }

}  // namespace orv::platform
