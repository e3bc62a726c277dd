#include "batch/command_line.h"

#include <algorithm>
#include <vector>

#include "model/text_helpers.h"

namespace orv {

namespace {

const char* const kLog = "/LOG:";
const char* const kBuildFolder = "/BUILDFOLDER:";
const char* const kBuild = "/BUILD";

std::string trimLine(const std::string& s) { return TrimmedText(s, " \t\r\n"); }

std::string withoutQuotes(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), '"'), s.end());
    return s;
}

// The text before the switch, trimmed; the whole text when the switch is absent.
std::string cutBefore(const std::string& s, const char* marker)
{
    auto pos = s.find(marker);
    return pos == std::string::npos ? s : trimLine(s.substr(0, pos));
}

}  // namespace

std::string GetProjectFileFromCommandLine(const std::string& commandLine)
{
    std::string s = trimLine(commandLine);
    s = cutBefore(s, kLog);
    s = cutBefore(s, kBuildFolder);
    s = cutBefore(s, kBuild);
    return trimLine(withoutQuotes(s));
}

bool IsBatchBuildCommandLine(const std::string& commandLine)
{
    std::string s = trimLine(commandLine);
    s = cutBefore(s, kLog);
    s = cutBefore(s, kBuildFolder);
    return s.find(kBuild) != std::string::npos;
}

std::string GetBuildFolderFromCommandLine(const std::string& commandLine)
{
    if (!IsBatchBuildCommandLine(commandLine))
        return {};
    std::string s = cutBefore(trimLine(commandLine), kLog);
    auto pos = s.find(kBuildFolder);
    if (pos == std::string::npos)
        return {};
    return trimLine(withoutQuotes(trimLine(s.substr(pos + std::char_traits<char>::length(kBuildFolder)))));
}

std::string GetLogFileFromCommandLine(const std::string& commandLine)
{
    if (!IsBatchBuildCommandLine(commandLine))
        return {};
    std::string s = trimLine(commandLine);
    auto pos = s.find(kLog);
    if (pos == std::string::npos)
        return {};
    return trimLine(withoutQuotes(trimLine(s.substr(pos + std::char_traits<char>::length(kLog)))));
}

CommandLine ParseCommandLine(const std::string& commandLine)
{
    CommandLine c;
    c.projectFile = GetProjectFileFromCommandLine(commandLine);
    c.batchBuild = IsBatchBuildCommandLine(commandLine);
    c.buildFolder = GetBuildFolderFromCommandLine(commandLine);
    c.logFile = GetLogFileFromCommandLine(commandLine);
    return c;
}

CommandLine ParseArguments(int argc, const char* const* argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + std::max(argc, 0));
    const size_t none = args.size();
    auto first = [&](auto matches, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (matches(args[i]))
                return i;
        return none;
    };
    auto isLog = [](const std::string& a) { return a.rfind(kLog, 0) == 0; };
    auto isFolder = [](const std::string& a) { return a.rfind(kBuildFolder, 0) == 0; };
    auto isBuild = [](const std::string& a) { return a == kBuild; };
    // The arguments from..to joined, without the first one's switch name.
    auto value = [&](size_t from, size_t to, size_t skip) {
        std::string joined;
        for (size_t i = from; i < to; ++i)
            joined += (i == from ? args[i].substr(skip) : ' ' + args[i]);
        return trimLine(withoutQuotes(joined));
    };

    const size_t log = first(isLog, 0, none);
    const size_t folder = first(isFolder, 0, log);
    const size_t build = first(isBuild, 0, std::min(log, folder));
    CommandLine c;
    c.projectFile = value(0, std::min({log, folder, build}), 0);
    c.batchBuild = build != none;
    if (c.batchBuild) {
        if (folder != none)
            c.buildFolder = value(folder, log, std::char_traits<char>::length(kBuildFolder));
        if (log != none)
            c.logFile = value(log, none, std::char_traits<char>::length(kLog));
    }
    return c;
}

std::string JoinArguments(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!line.empty())
            line += ' ';
        // A switch with a value holding blanks is quoted after its name, as users type it.
        if (arg.find(' ') != std::string::npos) {
            std::string prefix;
            for (const char* sw : {kBuildFolder, kLog}) {
                if (arg.rfind(sw, 0) == 0) {
                    prefix = sw;
                    break;
                }
            }
            line += prefix + '"' + arg.substr(prefix.size()) + '"';
        } else {
            line += arg;
        }
    }
    return line;
}

}  // namespace orv
