#include "platform/command_line_path.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::platform {

namespace {

namespace fs = std::filesystem;

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool hasDriveLetter(std::string_view text)
{
    const auto first = static_cast<unsigned char>(text.empty() ? 0 : text[0]);
    const bool letter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    return letter && text.size() >= 2 && text[1] == ':';
}

bool isNetworkPath(std::string_view text)
{
    return text.size() >= 2 && text[0] == '\\' && text[1] == '\\';
}

std::vector<std::string> splitComponents(std::string_view text)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (!isSeparator(c)) {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// Appends the components of text to a resolved list: "." is dropped, ".." removes the last
// component and stops at the root.
void appendResolved(std::vector<std::string>& resolved, std::string_view text)
{
    for (std::string& part : splitComponents(text)) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!resolved.empty())
                resolved.pop_back();
            continue;
        }
        resolved.push_back(std::move(part));
    }
}

// A root ("E:" or "\\server\share") and the components below it.
struct WindowsPath {
    std::string root;
    std::vector<std::string> below;

    std::string text() const
    {
        std::string result = root;
        for (const std::string& part : below)
            result += "\\" + part;
        // A drive root keeps its backslash ("E:\"); a share stays "\\server\share".
        if (below.empty() && !isNetworkPath(root))
            result += "\\";
        return result;
    }
};

// Splits an absolute Windows-form path into its root and its resolved components. A
// network path's server and share form its root, so ".." never climbs above the share.
WindowsPath splitWindowsPath(std::string_view text)
{
    WindowsPath path;
    if (isNetworkPath(text)) {
        std::vector<std::string> parts = splitComponents(text);
        path.root.assign(1, '\\');
        for (std::size_t i = 0; i < std::min<std::size_t>(2, parts.size()); ++i)
            path.root += "\\" + parts[i];
        const std::size_t consumed = std::min<std::size_t>(2, parts.size());
        for (std::size_t i = consumed; i < parts.size(); ++i)
            appendResolved(path.below, parts[i]);
        return path;
    }
    path.root = std::string(text.substr(0, 2));
    appendResolved(path.below, text.substr(2));
    return path;
}

// The host path of a typed host path: taken from the working folder, "." and ".." resolved,
// without a trailing separator.
fs::path absoluteHostPath(std::string_view typed, const fs::path& workingFolder)
{
    std::string text(typed);
    std::replace(text.begin(), text.end(), '\\', '/');
    fs::path host(text);
    if (host.is_relative())
        host = workingFolder / host;
    host = host.lexically_normal();
    if (host.has_relative_path() && !host.has_filename())
        host = host.parent_path();
    return host;
}

bool isWindowsFormPath(std::string_view text)
{
    return hasDriveLetter(text) || isNetworkPath(text);
}

}  // namespace

bool isRelativePath(std::string_view typed)
{
    return !typed.empty() && !isWindowsFormPath(typed) && !isSeparator(typed.front());
}

std::string commandLinePathToWindows(std::string_view typed, const fs::path& workingFolder, const FileSystem* files)
{
    if (typed.empty())
        return {};
    if (isNetworkPath(typed))
        return splitWindowsPath(typed).text();

    const bool drive = hasDriveLetter(typed);
    const bool rootedWithoutDrive = typed.front() == '\\';
    if (drive && typed.size() > 2 && isSeparator(typed[2]))
        return splitWindowsPath(typed).text();

    if (drive || rootedWithoutDrive) {
        // "C:menu.mnp" means the current folder of drive C:, "\menu.mnp" the root of the
        // current drive. The working folder is the current folder of its own drive; any
        // other drive is taken from its root, as a fresh Windows command prompt does.
        const std::string working = files ? files->windowsPath(workingFolder) : std::string();
        const bool workingIsWindows = isWindowsFormPath(working);
        if (rootedWithoutDrive) {
            if (!workingIsWindows)
                return absoluteHostPath(typed, workingFolder).string();
            WindowsPath path = splitWindowsPath(working);
            path.below.clear();
            appendResolved(path.below, typed);
            return path.text();
        }
        const bool sameDrive = workingIsWindows && hasDriveLetter(working) &&
                               (working[0] | 0x20) == (typed[0] | 0x20);
        WindowsPath path = sameDrive ? splitWindowsPath(working) : WindowsPath{std::string(typed.substr(0, 2)), {}};
        path.root = std::string(typed.substr(0, 2));
        appendResolved(path.below, typed.substr(2));
        return path.text();
    }

    const fs::path host = absoluteHostPath(typed, workingFolder);
    return files ? files->windowsPath(host) : host.string();
}

std::string commandLinePathToWindows(std::string_view typed)
{
    std::error_code ec;
    fs::path working = fs::current_path(ec);
    if (ec)
        working = "/";
    return commandLinePathToWindows(typed, working, services().files);
}

}  // namespace orv::platform
