// The helper library's pure text operations (declared in file_system.h).
#include <cctype>
#include <vector>

#include "platform/file_system.h"

namespace orv::platform {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

// The root of an absolute Windows path ("C:\", "\\server\share\") and the rest after it;
// false for a relative path.
bool splitRoot(const std::string& path, std::string& root, std::string& rest)
{
    if (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':') {
        root = path.substr(0, 2) + "\\";
        rest = path.substr(2);
        return true;
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // \\server\share is the root of a network path.
        std::size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos)
            return false;
        std::size_t share = path.find_first_of("\\/", server + 1);
        root = "\\\\" + path.substr(2, server - 2) + "\\" +
               path.substr(server + 1, share == std::string::npos ? std::string::npos : share - server - 1) + "\\";
        rest = share == std::string::npos ? std::string() : path.substr(share);
        return true;
    }
    return false;
}

// Appends the names of a path part to names, resolving "." and ".."; false when ".."
// climbs above the start.
bool pushNames(const std::string& part, std::vector<std::string>& names)
{
    std::size_t pos = 0;
    while (pos <= part.size()) {
        std::size_t end = part.find_first_of("\\/", pos);
        if (end == std::string::npos)
            end = part.size();
        std::string name = part.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (names.empty())
                return false;
            names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    return true;
}

bool validLabel(std::string_view label)
{
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
        return false;
    for (char c : label) {
        auto u = static_cast<unsigned char>(c);
        if (!(isAsciiLetter(c) || isAsciiDigit(c) || c == '-' || u >= 0x80))
            return false;
    }
    return true;
}

bool isIpv4(std::string_view host)
{
    int parts = 0;
    std::size_t pos = 0;
    while (pos <= host.size()) {
        std::size_t end = host.find('.', pos);
        if (end == std::string_view::npos)
            end = host.size();
        std::string_view part = host.substr(pos, end - pos);
        if (part.empty() || part.size() > 3)
            return false;
        int value = 0;
        for (char c : part) {
            if (!isAsciiDigit(c))
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > 255)
            return false;
        ++parts;
        pos = end + 1;
    }
    return parts == 4;
}

// A host name: dotted labels, the last of letters only; "localhost" and IPv4 addresses too
// when the address named its scheme.
bool validHost(std::string_view host, bool withScheme)
{
    if (host.empty() || host.size() > 253)
        return false;
    if (withScheme && (isIpv4(host) || host == "localhost"))
        return true;
    std::vector<std::string_view> labels;
    std::size_t pos = 0;
    while (pos <= host.size()) {
        std::size_t end = host.find('.', pos);
        if (end == std::string_view::npos)
            end = host.size();
        labels.push_back(host.substr(pos, end - pos));
        pos = end + 1;
    }
    if (labels.size() < 2)
        return false;
    for (auto label : labels)
        if (!validLabel(label))
            return false;
    std::string_view top = labels.back();
    if (top.size() < 2)
        return false;
    for (char c : top)
        if (isAsciiDigit(c) || c == '-')
            return false;
    return true;
}

}  // namespace

std::string RemoveDupBackslashes(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    std::size_t start = 0;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        out = "\\\\";
        start = 2;
        while (start < path.size() && path[start] == '\\')
            ++start;
    }
    for (std::size_t i = start; i < path.size(); ++i) {
        if (path[i] == '\\' && !out.empty() && out.back() == '\\')
            continue;
        out += path[i];
    }
    return out;
}

bool CreateAbsolutePathFromRelativePath(const std::string& baseFolder, const std::string& relativePath,
                                        std::string& absolutePath)
{
    if (baseFolder.empty() || relativePath.empty())
        return false;
    std::string root, rest;
    std::vector<std::string> names;
    if (splitRoot(relativePath, root, rest)) {
        // Already absolute: only cleaned.
        if (!pushNames(rest, names))
            return false;
    } else {
        std::string baseRest;
        if (!splitRoot(baseFolder, root, baseRest))
            return false;
        if (!isSeparator(relativePath.front()) && !pushNames(baseRest, names))
            return false;
        if (!pushNames(relativePath, names))
            return false;
    }
    absolutePath = root;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            absolutePath += '\\';
        absolutePath += names[i];
    }
    return true;
}

int URLAddressValid(const std::string& address)
{
    std::string_view text = address;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    for (char c : text)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F)
            return 0;

    bool withScheme = false;
    for (std::string_view scheme : {"http://", "https://", "ftp://"}) {
        if (startsWithNoCase(text, scheme)) {
            text.remove_prefix(scheme.size());
            withScheme = true;
            break;
        }
    }
    if (!withScheme && text.find("://") != std::string_view::npos)
        return 0;  // another scheme

    std::size_t hostEnd = text.find_first_of("/?#");
    std::string_view authority = text.substr(0, hostEnd);
    if (authority.find('@') != std::string_view::npos)
        return 0;
    std::size_t colon = authority.find(':');
    std::string_view host = authority.substr(0, colon);
    if (colon != std::string_view::npos) {
        std::string_view port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5)
            return 0;
        long value = 0;
        for (char c : port) {
            if (!isAsciiDigit(c))
                return 0;
            value = value * 10 + (c - '0');
        }
        if (value < 1 || value > 65535)
            return 0;
    }
    return validHost(host, withScheme) ? 1 : 0;
}

std::vector<std::string> splitParameters(const std::string& parameters)
{
    std::vector<std::string> parts;
    std::string current;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '\\') {
            std::size_t count = 0;
            while (i < parameters.size() && parameters[i] == '\\') {
                ++count;
                ++i;
            }
            const bool beforeQuote = i < parameters.size() && parameters[i] == '"';
            current.append(beforeQuote ? count / 2 : count, '\\');
            if (beforeQuote && count % 2 == 1)
                current += '"';  // an escaped quote; the loop goes on after it
            else
                --i;  // the character after the backslashes is read normally
            any = true;
        } else if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any)
                parts.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        parts.push_back(current);
    return parts;
}

std::string quoteParameter(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quote (the argument's or the closing one).
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

}  // namespace orv::platform
