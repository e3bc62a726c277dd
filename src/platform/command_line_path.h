// Paths typed on a command line (the editor's, the batch build's, orvntool's) in the Windows
// form the model works on. The cases and why each is decided as it is are in docs/paths.md.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orv::platform {

class FileSystem;

// True for a path that names no root: it has no drive letter ("E:\x", "E:x"), is no
// network path ("\\server\share") and starts with no slash or backslash ("menu.mnp",
// "sub/menu.mnp").
bool isRelativePath(std::string_view typed);

// The Windows form of a typed path, in single backslashes, with "." and ".." resolved by
// name (never above the root) and without a trailing separator (a drive root keeps its
// "E:\"). A Windows-form path keeps its drive or network share; a drive-relative path
// ("C:menu.mnp") and a rooted one ("\menu.mnp") are taken on the working folder's drive when
// it is that drive, otherwise from the drive's root. A host path ("/tmp/x", "menu.mnp") is
// taken from workingFolder and mapped through files (left in host form when files is null).
// An empty text stays empty.
std::string commandLinePathToWindows(std::string_view typed, const std::filesystem::path& workingFolder,
                                     const FileSystem* files);

// The same from the process's current folder through the installed file system.
std::string commandLinePathToWindows(std::string_view typed);

}  // namespace orv::platform
