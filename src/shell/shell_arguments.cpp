#include "shell/shell_arguments.h"

#include <algorithm>
#include <cctype>

namespace orv::shell {

namespace {
std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\"");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\"");
    return s.substr(first, last - first + 1);
}

// An absolute host path ("/tmp/menu/ORVNMENU.MNI"), not a switch: a slash follows the first.
bool isPath(const std::string& arg)
{
    return arg[0] == '/' && arg.find('/', 1) != std::string::npos;
}

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}
}  // namespace

ShellArguments parseShellArguments(const std::vector<std::string>& arguments)
{
    ShellArguments parsed;
    for (const std::string& raw : arguments) {
        const std::string arg = trimmed(raw);
        if (arg.empty())
            continue;
        const std::string key = upper(arg);
        if (key == "/TEST" || key == "-TEST")
            parsed.testRun = true;
        else if (key == "/RESIZE-ENG" || key == "-RESIZE-ENG")
            parsed.resizeMode = true;
        else if (key.rfind("/LAYOUT:", 0) == 0 || key.rfind("-LAYOUT:", 0) == 0)
            parsed.layoutFile = trimmed(arg.substr(8));
        else if (parsed.menuFile.empty() && (isPath(arg) || (arg[0] != '/' && arg[0] != '-')))
            parsed.menuFile = arg;
    }
    return parsed;
}

}  // namespace orv::shell
