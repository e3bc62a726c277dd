#include "shell/shell_arguments.h"

#include <algorithm>
#include <cctype>

#include "model/text_helpers.h"

namespace orv::shell {

namespace {
// An argument without the blanks and quotes around it.
std::string trimArgument(const std::string& s) { return TrimmedText(s, " \t\""); }
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
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string arg = trimArgument(arguments[i]);
        if (arg.empty())
            continue;
        const std::string key = upper(arg);
        if (key == "/TEST" || key == "-TEST")
            parsed.testRun = true;
        else if (key == "/RESIZE-ENG" || key == "-RESIZE-ENG")
            parsed.resizeMode = true;
        else if (key.rfind("/LAYOUT:", 0) == 0 || key.rfind("-LAYOUT:", 0) == 0)
            parsed.layoutFile = trimArgument(arg.substr(8));
        else if (key.rfind("/SCREENSHOT:", 0) == 0 || key.rfind("-SCREENSHOT:", 0) == 0)
            parsed.screenshotFile = trimArgument(arg.substr(12));
        else if (key == "--SCREENSHOT" && i + 1 < arguments.size())
            parsed.screenshotFile = trimArgument(arguments[++i]);
        else if (parsed.menuFile.empty() && (isPath(arg) || (arg[0] != '/' && arg[0] != '-')))
            parsed.menuFile = arg;
    }
    return parsed;
}

}  // namespace orv::shell
