// Writing one profile value: the file is edited line by line so that every other line
// (comments, lines of other shapes, an end line, the spacing around "=") stays as it was.
#include <filesystem>
#include <vector>

#include "model/ansi_codec.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/profile_names.h"

namespace orv {

namespace {

using detail::isProfileBlank;
using detail::sameName;
using detail::trimBlanks;
using detail::writtenValue;

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\n", "\r" or empty for a last line without one
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines.push_back({text.substr(pos), {}});
            break;
        }
        const std::size_t len = (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n') ? 2 : 1;
        lines.push_back({text.substr(pos, brk - pos), text.substr(brk, len)});
        pos = brk + len;
    }
    return lines;
}

// What a line says to a reader: a NUL ends it.
std::string_view said(std::string_view line) { return line.substr(0, line.find('\0')); }

// The section name of a header line, or false when the line is no header.
bool headerName(std::string_view line, std::string_view& name)
{
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return false;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return false;
    name = trimBlanks(line.substr(1, close - 1));
    return true;
}

// The key of a "key = value" line, or false for a line of another shape.
bool keyOf(std::string_view line, std::string_view& key)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = trimBlanks(line.substr(0, eq));
    return !key.empty();
}

}  // namespace

bool PutProfileText(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    if (file.empty() || key.empty())
        return false;

    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
        // A file that exists but cannot be read must not be replaced by a new one.
        std::error_code ec;
        if (std::filesystem::exists(HostPath(file), ec))
            return false;
    }
    // A byte order mark is kept as it stands; a NUL ends only what its line says.
    const bool byteOrderMark = std::string_view(bytes).starts_with(Utf8ByteOrderMark);
    const std::string text = ProfileTextOfBytes(bytes);
    const std::vector<Line> lines = splitLines(text);
    const std::string newValue = writtenValue(value);

    // Find the first matching section, the first matching key in it, and the last key
    // line of the section (a new key goes after it, before the section's empty lines).
    std::size_t header = lines.size(), found = lines.size(), lastKey = lines.size();
    bool spacedStyle = true, styleKnown = false;
    bool inTarget = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name, lineKey;
        if (headerName(said(lines[i].text), name)) {
            if (inTarget)
                break;
            if (header == lines.size() && sameName(name, section)) {
                header = lastKey = i;
                inTarget = true;
            }
            continue;
        }
        if (!keyOf(said(lines[i].text), lineKey))
            continue;
        if (!styleKnown) {
            // New lines follow the file's own spacing around "=".
            const std::string_view t = said(lines[i].text);
            const std::size_t eq = t.find('=');
            spacedStyle = eq > 0 && t[eq - 1] == ' ';
            styleKnown = true;
        }
        if (!inTarget)
            continue;
        lastKey = i;
        if (sameName(lineKey, key)) {
            found = i;
            break;
        }
    }

    std::string out;
    out.reserve(text.size() + key.size() + newValue.size() + section.size() + 16);
    const std::string newLine = std::string(key) + (spacedStyle ? " = " : "=") + newValue;
    if (found < lines.size()) {
        // Replace the value, keeping the line's key and its spacing after "=".
        const std::string_view t = said(lines[found].text);
        std::size_t valueStart = t.find('=') + 1;
        while (valueStart < t.size() && isProfileBlank(t[valueStart]))
            ++valueStart;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == found) {
                out += t.substr(0, valueStart);
                out += newValue;
            } else {
                out += lines[i].text;
            }
            out += lines[i].end;
        }
    } else if (header < lines.size()) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += lines[i].text;
            const std::string_view end = lines[i].end.empty() ? std::string_view("\r\n") : lines[i].end;
            if (i == lastKey) {
                out += end;
                out += newLine;
                out += lines[i].end.empty() ? std::string_view() : end;
            } else {
                out += lines[i].end;
            }
        }
        if (lines[lastKey].end.empty())
            out += "\r\n";
    } else {
        out = text;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r')
            out += "\r\n";
        out += '[';
        out += section;
        out += "]\r\n";
        out += newLine;
        out += "\r\n\r\n";
    }
    return WriteFileAtomic(file, (byteOrderMark ? std::string(Utf8ByteOrderMark) : std::string()) + Utf8ToAnsi(out));
}

}  // namespace orv
