// Helpers for Windows-form paths ("E:\Menu\docs\a.pdf") as the file formats store them.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The part before the last backslash; empty when there is none.
std::string PathDirectoryPart(std::string_view path);

// The part after the last backslash; the whole text when it holds no backslash.
std::string FileNamePart(std::string_view path);

// folder + "\" + name, without the backslash when the folder is three characters long
// (a drive root such as "C:\").
std::string JoinPath(std::string_view folder, std::string_view name);

// The extension of the file name part (after its last "."), in ASCII lower case; empty when
// it has none.
std::string LowerExtensionOf(std::string_view path);

// The part after the first ":"; a result of a single backslash becomes empty.
std::string StripDriveLetter(std::string_view path);

// A path that starts with the marker "¤" or "*" lies below the editor's own folder: the
// marker is replaced by that folder in lower case (with one backslash between). Other
// paths, and the empty path, are returned unchanged.
std::string ExpandProgramRelativePath(std::string_view path);

// A tidy path: doubled backslashes reduced to one, cut at a NUL and to 499 characters
// (the helper library's buffer), trailing blanks dropped.
std::string CleanPath(std::string_view path);

}  // namespace orv
