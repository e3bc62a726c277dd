#include "platform/drive_map.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/text_case.h"

namespace fs = std::filesystem;

namespace orv::platform {

namespace {

char upperLetter(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A folder in the form the map keeps: absolute, normalised, no trailing separator.
fs::path cleanFolder(const fs::path& folder)
{
    fs::path p = folder.lexically_normal();
    std::string s = p.string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return fs::path(s);
}

// The names of a path below its root, without empty and "." parts.
std::vector<std::string> namesOf(const fs::path& p)
{
    std::vector<std::string> names;
    for (const auto& part : p.relative_path()) {
        std::string s = part.string();
        if (!s.empty() && s != ".")
            names.push_back(s);
    }
    return names;
}

struct DriveLine {
    char letter;
    std::optional<fs::path> folder;  // empty optional: remove the letter
};

std::vector<DriveLine> parseDriveFile(std::string_view text)
{
    std::vector<DriveLine> lines;
    bool inDrives = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            auto close = line.find(']');
            std::string_view name = trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            inDrives = equalsNoCase(name, "Drives");
            continue;
        }
        auto eq = line.find('=');
        if (!inDrives || eq == std::string_view::npos)
            continue;
        std::string_view key = trim(line.substr(0, eq));
        std::string_view value = trim(line.substr(eq + 1));
        if (key.size() == 2 && key[1] == ':')
            key.remove_suffix(1);
        if (key.size() != 1 || !isLetter(key[0]))
            continue;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.empty())
            lines.push_back({upperLetter(key[0]), std::nullopt});
        else if (value.front() == '/')
            lines.push_back({upperLetter(key[0]), fs::path(std::string(value))});
    }
    return lines;
}

std::string unescapeMountField(std::string_view field)
{
    // /proc/mounts writes blanks, tabs, newlines and backslashes as \ooo octal.
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '7') {
            int value = 0;
            std::size_t j = i + 1;
            for (; j < field.size() && j < i + 4 && field[j] >= '0' && field[j] <= '7'; ++j)
                value = value * 8 + (field[j] - '0');
            out += static_cast<char>(value);
            i = j - 1;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool readsOne(const fs::path& file)
{
    std::ifstream in(file);
    std::string value;
    return in && (in >> value) && value == "1";
}

bool isRemovableDevice(const std::string& device, const fs::path& sysClassBlock)
{
    if (device.rfind("/dev/", 0) != 0)
        return false;
    std::error_code ec;
    fs::path dev = fs::canonical(device, ec);
    std::string name = ec ? fs::path(device).filename().string() : dev.filename().string();
    if (name.empty())
        return false;
    fs::path entry = sysClassBlock / name;
    if (readsOne(entry / "removable"))
        return true;
    // A partition's entry lives inside its disk's entry.
    fs::path real = fs::canonical(entry, ec);
    return !ec && readsOne(real.parent_path() / "removable");
}

bool startsWithFolder(const std::string& path, std::string_view folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

}  // namespace

DriveMap::DriveMap() { drives_['Z'] = fs::path("/"); }

DriveMap DriveMap::build(const std::vector<fs::path>& removableFolders, std::string_view driveFileText)
{
    DriveMap map;
    std::vector<DriveLine> lines = parseDriveFile(driveFileText);
    auto namedInFile = [&](char letter) {
        return std::any_of(lines.begin(), lines.end(), [&](const DriveLine& l) { return l.letter == letter; });
    };
    auto folderInFile = [&](const fs::path& folder) {
        return std::any_of(lines.begin(), lines.end(), [&](const DriveLine& l) {
            return l.folder && cleanFolder(*l.folder) == cleanFolder(folder);
        });
    };
    char next = 'D';
    for (const auto& folder : removableFolders) {
        if (folderInFile(folder))
            continue;
        while (next < 'Z' && (namedInFile(next) || map.drives_.count(next)))
            ++next;
        if (next >= 'Z')
            break;
        if (map.assign(next, folder))
            map.removable_.push_back(next);
        ++next;
    }
    for (const auto& line : lines) {
        if (line.folder)
            map.assign(line.letter, *line.folder);
        else
            map.remove(line.letter);
    }
    return map;
}

bool DriveMap::assign(char letter, const fs::path& folder)
{
    if (!isLetter(letter) || !folder.is_absolute())
        return false;
    drives_[upperLetter(letter)] = cleanFolder(folder);
    return true;
}

void DriveMap::remove(char letter) { drives_.erase(upperLetter(letter)); }

fs::path DriveMap::folderOf(char letter) const
{
    auto it = drives_.find(upperLetter(letter));
    return it == drives_.end() ? fs::path() : it->second;
}

fs::path DriveMap::toHost(std::string_view windowsPath) const
{
    if (windowsPath.empty())
        return {};
    if (windowsPath.front() == '/')
        return fs::path(std::string(windowsPath));

    fs::path base;
    std::string_view rest = windowsPath;
    bool fromRoot = false;
    if (windowsPath.size() >= 2 && isLetter(windowsPath[0]) && windowsPath[1] == ':') {
        base = folderOf(windowsPath[0]);
        if (base.empty())
            return {};
        rest.remove_prefix(2);
        fromRoot = true;
    } else if (windowsPath.front() == '\\') {
        if (windowsPath.size() >= 2 && (windowsPath[1] == '\\' || windowsPath[1] == '/'))
            return {};  // network path
        base = folderOf('Z');  // the root of the current drive
        if (base.empty())
            return {};
        fromRoot = true;
    } else {
        std::error_code ec;
        base = fs::current_path(ec);
    }

    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos <= rest.size()) {
        std::size_t end = rest.find_first_of("\\/", pos);
        if (end == std::string_view::npos)
            end = rest.size();
        std::string_view name = rest.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
            else if (!fromRoot)
                base = base.parent_path();
            continue;
        }
        names.emplace_back(name);
    }
    return resolveCaseInsensitive(base, names);
}

std::string DriveMap::toWindows(const fs::path& hostPath) const
{
    fs::path p = hostPath;
    if (p.empty())
        return {};
    if (p.is_relative()) {
        std::error_code ec;
        p = fs::current_path(ec) / p;
    }
    std::vector<std::string> names = namesOf(p.lexically_normal());

    char bestLetter = 0;
    std::size_t bestLength = 0;
    for (const auto& [letter, folder] : drives_) {
        std::vector<std::string> folderNames = namesOf(folder);
        if (folderNames.size() > names.size() || (bestLetter && folderNames.size() <= bestLength))
            continue;
        if (std::equal(folderNames.begin(), folderNames.end(), names.begin())) {
            bestLetter = letter;
            bestLength = folderNames.size();
        }
    }
    if (!bestLetter)
        return hostPath.string();

    std::string out{bestLetter, ':', '\\'};
    for (std::size_t i = bestLength; i < names.size(); ++i) {
        if (i > bestLength)
            out += '\\';
        out += names[i];
    }
    return out;
}

std::vector<fs::path> removableMountPoints(std::string_view mountsText, const fs::path& sysClassBlock)
{
    std::vector<fs::path> points;
    std::istringstream in{std::string(mountsText)};
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint))
            continue;
        std::string point = unescapeMountField(mountPoint);
        if (point == "/" || point.empty() || point.front() != '/')
            continue;
        bool removable = startsWithFolder(point, "/media") || startsWithFolder(point, "/run/media") ||
                         isRemovableDevice(unescapeMountField(device), sysClassBlock);
        if (removable && std::find(points.begin(), points.end(), fs::path(point)) == points.end())
            points.emplace_back(point);
    }
    return points;
}

fs::path resolveCaseInsensitive(const fs::path& base, const std::vector<std::string>& components)
{
    fs::path exact = base;
    for (const auto& name : components)
        exact /= name;
    std::error_code ec;
    if (fs::symlink_status(exact, ec).type() != fs::file_type::not_found && !ec)
        return exact;

    fs::path current = base;
    bool parentExists = true;
    for (const auto& name : components) {
        fs::path candidate = current / name;
        if (!parentExists) {
            current = candidate;
            continue;
        }
        ec.clear();
        if (fs::symlink_status(candidate, ec).type() != fs::file_type::not_found && !ec) {
            current = candidate;
            continue;
        }
        // Scan the folder for names equal without regard to case; the smallest wins so the
        // choice does not depend on the order of directory entries.
        std::string wanted = foldCase(name);
        std::optional<std::string> best;
        ec.clear();
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            std::string entry = it->path().filename().string();
            if (foldCase(entry) == wanted && (!best || entry < *best))
                best = entry;
        }
        if (best) {
            current /= *best;
        } else {
            current = candidate;
            parentExists = false;
        }
    }
    return current;
}

}  // namespace orv::platform
