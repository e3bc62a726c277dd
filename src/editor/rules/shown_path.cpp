#include "editor/rules/shown_path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/command_line_path.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// "E:\..." or "E:" alone, or rooted on the current drive ("\usr\share"); not a network
// path, not drive-relative ("E:menu"), not a host path.
bool hasHostForm(const std::string& path)
{
    const auto first = static_cast<unsigned char>(path[0]);
    const bool letter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (letter && path.size() >= 2 && path[1] == ':')
        return path.size() == 2 || isSeparator(path[2]);
    return path[0] == '\\' && (path.size() == 1 || !isSeparator(path[1]));
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> split(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

}  // namespace

PathEdge::PathEdge(const platform::FileSystem* files, std::string home) : files_(files), home_(std::move(home))
{
    while (home_.size() > 1 && home_.back() == '/')
        home_.pop_back();
    if (home_ == "/" || (!home_.empty() && home_.front() != '/'))
        home_.clear();
}

PathEdge PathEdge::current()
{
    const char* home = std::getenv("HOME");
    return PathEdge(platform::services().files, home ? home : "");
}

std::string PathEdge::shown(const std::string& windowsPath) const
{
    if (windowsPath.empty() || !files_ || !hasHostForm(windowsPath))
        return windowsPath;
    std::string host = files_->hostPath(windowsPath).string();
    if (host.empty())
        return windowsPath;
    while (host.size() > 1 && host.back() == '/')
        host.pop_back();
    return host;
}

std::string PathEdge::shownShort(const std::string& windowsPath) const
{
    std::string host = shown(windowsPath);
    if (home_.empty() || host.compare(0, home_.size(), home_) != 0)
        return host;
    if (host.size() == home_.size())
        return "~";
    if (host[home_.size()] != '/')
        return host;  // "/home/annette" is not inside "/home/ann"
    return "~" + host.substr(home_.size());
}

std::string PathEdge::shownInMenu(const std::string& windowsPath, std::size_t maxLength) const
{
    const std::string path = shownShort(windowsPath);
    if (path.size() <= maxLength || path.find('/') == std::string::npos)
        return path;
    // Keep the start ("~/Documents", "/media/ann") and as many of the last parts as fit.
    const std::vector<std::string> parts = split(path);
    if (parts.size() < 4)
        return path;
    const std::size_t headParts = parts[0].empty() ? 3 : 2;
    if (parts.size() <= headParts + 1)
        return path;
    std::string head = parts[0];
    for (std::size_t i = 1; i < headParts; ++i)
        head += "/" + parts[i];
    const std::string ellipsis = "/\u2026/";
    std::string tail = parts.back();
    std::size_t next = parts.size() - 2;
    while (next >= headParts && head.size() + ellipsis.size() + parts[next].size() + 1 + tail.size() <= maxLength)
        tail = parts[next--] + "/" + tail;
    if (next < headParts)
        return path;
    return head + ellipsis + tail;
}

std::string PathEdge::shownInText(const std::string& text) const
{
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const bool starts = (pos == 0 || text[pos - 1] == ' ' || text[pos - 1] == '\'' || text[pos - 1] == '"' ||
                             text[pos - 1] == '\n') &&
                            pos + 2 < text.size() && std::isalpha(static_cast<unsigned char>(text[pos])) &&
                            text[pos + 1] == ':' && text[pos + 2] == '\\';
        if (!starts) {
            out += text[pos++];
            continue;
        }
        const std::size_t end = std::min(text.find_first_of("'\"\r\n", pos), text.size());
        out += shown(text.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

std::string PathEdge::typed(const std::string& text) const
{
    std::string path = trimmed(text);
    if (path.empty())
        return {};
    if (!home_.empty() && (path == "~" || path.compare(0, 2, "~/") == 0))
        path = home_ + path.substr(1);
    if (platform::isRelativePath(path))
        return path;
    std::error_code ec;
    const std::filesystem::path working = std::filesystem::current_path(ec);
    return platform::commandLinePathToWindows(path, working, files_);
}

std::string PathEdge::stored(const std::string& text, const std::string& previous) const
{
    if (trimmed(text) == shown(previous))
        return previous;
    return typed(text);
}

std::string ShownPath(const std::string& windowsPath) { return PathEdge::current().shown(windowsPath); }
std::string ShownPathShort(const std::string& windowsPath) { return PathEdge::current().shownShort(windowsPath); }
std::string ShownPathInMenu(const std::string& windowsPath) { return PathEdge::current().shownInMenu(windowsPath); }
std::string ShownPathsInText(const std::string& text) { return PathEdge::current().shownInText(text); }
std::string PathFromTyped(const std::string& text) { return PathEdge::current().typed(text); }
std::string StoredPathOf(const std::string& text, const std::string& previous)
{
    return PathEdge::current().stored(text, previous);
}

}  // namespace orv::editor
