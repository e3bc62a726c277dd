// The drive map: which host folder each drive letter of a Windows-form path stands for, and
// the translation of paths between the two forms. Standard C++ only.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

class DriveMap {
public:
    // Z: is the host's root folder "/" and nothing else is mapped.
    DriveMap();

    // The map of a running system: Z: = "/", each removable folder on the next free letter
    // from D: upward (letters the drive map file names are skipped), then the drive map
    // file's [Drives] lines ("E = /host/folder"), which add or override letters; a line with
    // an empty value removes its letter.
    static DriveMap build(const std::vector<std::filesystem::path>& removableFolders,
                          std::string_view driveFileText);

    // Maps a letter (either case) to an absolute host folder; relative folders are refused.
    bool assign(char letter, const std::filesystem::path& folder);
    void remove(char letter);

    // The folder of a letter (either case); empty when the letter is not mapped.
    std::filesystem::path folderOf(char letter) const;

    // The letters given to removable folders by build, in the order of the folders.
    const std::vector<char>& removableLetters() const { return removable_; }

    // Host path of a Windows-form path ("Z:\home\ann\a.png", "E:\", "docs\a.pdf"). "." and
    // ".." are resolved by name; both slashes separate. Each component that does not exist
    // with its exact name is matched without regard to case against the folder's entries
    // (the first match in byte order); a component that matches nothing is kept as given. A
    // path starting with '/' is already a host path and comes back unchanged. A letter that
    // is not mapped, or a network path ("\\server\share"), has no host path: the result is
    // empty. A relative path is taken from the current folder.
    std::filesystem::path toHost(std::string_view windowsPath) const;

    // Windows form of a host path: the drive whose folder is the longest leading part of
    // the path gives the letter ("E:\" for the folder itself). A relative path is taken from
    // the current folder. When no drive holds the path, the host path comes back as it is.
    std::string toWindows(const std::filesystem::path& hostPath) const;

private:
    std::map<char, std::filesystem::path> drives_;
    std::vector<char> removable_;
};

// The mount points of removable drives in the text of /proc/mounts: entries whose block
// device has "<sysClassBlock>/<device>/removable" (or its parent's, for a partition) equal
// to 1, and entries mounted under /media or /run/media. The root folder never counts.
std::vector<std::filesystem::path> removableMountPoints(std::string_view mountsText,
                                                        const std::filesystem::path& sysClassBlock);

// The path with each component that does not exist with its exact name matched without
// regard to case (see DriveMap::toHost). No directory is read when the exact path exists.
std::filesystem::path resolveCaseInsensitive(const std::filesystem::path& base,
                                             const std::vector<std::string>& components);

}  // namespace orv::platform
