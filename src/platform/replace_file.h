// Replacing a whole file safely: the new content goes to a temporary file beside the target
// (created with mode 0600, so no one else can read a half-written file), which is synced and
// renamed over the target. The old file survives any failure, and temporary files left by
// earlier saves that were killed are removed.
//
// A save (KeepFile) treats the target as the user's file: it keeps the old file's
// permissions and owner, writes through a symlink to its target, and refuses a
// write-protected file. A copy that creation makes (FreshFile) replaces whatever stands at
// the path: a symlink there is replaced, never written through, and an earlier read-only
// copy is replaced too, so a menu can be built again into the same folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace orv::platform {

enum class ReplaceMode { KeepFile, FreshFile };

// Makes bytes the whole content of target (a host path). A new file gets the usual mode of
// new files (0666 less the umask). Errors: is_a_directory for a folder, permission_denied
// for a write-protected file (no write bit at all) or one the user may not write or whose
// owner cannot be kept; otherwise what the system reported.
std::error_code replaceFileWithBytes(const std::filesystem::path& target, std::string_view bytes,
                                     ReplaceMode mode = ReplaceMode::KeepFile);

// The same with the content of source; a new target gets the source's permissions (less the
// umask). no_such_file_or_directory when the source is missing.
std::error_code replaceFileWithCopy(const std::filesystem::path& source, const std::filesystem::path& target,
                                    ReplaceMode mode = ReplaceMode::KeepFile);

}  // namespace orv::platform
