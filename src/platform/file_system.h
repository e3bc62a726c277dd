// Folders and files, addressed by Windows-form paths ("E:\Menu\a.pdf"). The one place where
// such a path becomes a host path (drive map, case-insensitive lookup) and back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orv::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Host path of a Windows-form path. Each component that does not exist with its exact
    // name is matched without regard to case; components that match nothing stay as given.
    // A path that is already a host path (starts with '/') is returned as it is.
    virtual std::filesystem::path hostPath(const std::string& windowsPath) const = 0;

    // Windows form of a host path through the drive map (longest matching folder wins).
    virtual std::string windowsPath(const std::filesystem::path& hostPath) const = 0;

    // Non-zero when the folder exists.
    virtual int DirExists(const std::string& folder) const = 0;

    // Non-zero when the folder was made (parents are made too).
    virtual int DirCreate(const std::string& folder) = 0;

    // Reads the drive map again (mounted drives and the drive map file), e.g. after a USB
    // stick was plugged in or the drive map file was edited.
    virtual void reloadDriveMap() {}
};

// Pure text operations of the helper library; they touch no file.

// Doubled backslashes reduced to one (a leading "\\" of a network path is kept).
std::string RemoveDupBackslashes(const std::string& path);

// The absolute path of relativePath seen from baseFolder ("C:\Menu" or "\\server\share\x"),
// with "." and ".." resolved and separators made single backslashes. A relativePath that is
// already absolute is only cleaned; one starting with a backslash starts at the base's root.
// Returns false when the result would climb above the root, the base is not absolute, or
// an argument is empty.
bool CreateAbsolutePathFromRelativePath(const std::string& baseFolder, const std::string& relativePath,
                                        std::string& absolutePath);

// Non-zero when the text is an ordinary web address: "http://", "https://" or "ftp://"
// followed by a host name, IPv4 address or localhost, or without a scheme a dotted host
// name ("www.example.com", "example.org/page"); then an optional port, path, query and
// fragment. Blanks inside, other schemes (mailto:, file:, javascript:), user names and
// malformed host names are refused. Blanks around the text are ignored.
int URLAddressValid(const std::string& address);

// Splits a parameter text as a Windows program's C runtime splits its command line: blanks
// separate, double quotes group and are removed, 2n backslashes before a quote stand for n
// backslashes (2n+1 for n and a literal quote); other backslashes are kept as they are.
std::vector<std::string> splitParameters(const std::string& parameters);

// One argument as a command line writes it, so that splitParameters (and Windows) give it
// back unchanged: as it is when it has no blank or quote, otherwise in double quotes with
// quotes and the backslashes before them escaped.
std::string quoteParameter(const std::string& argument);

}  // namespace orv::platform
