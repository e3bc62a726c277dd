// The file system of Windows itself: paths are already in Windows form, so the mapping is
// the identity (UTF-8 text <-> wide paths), and folders and copies use the wide API.
#pragma once

#include "platform/file_system.h"

namespace orv::platform {

class Win32FileSystem final : public FileSystem {
public:
    // The path as it is, held as UTF-16 (so that any name survives); empty for empty text.
    std::filesystem::path hostPath(const std::string& windowsPath) const override;
    // UTF-8 with backslashes.
    std::string windowsPath(const std::filesystem::path& hostPath) const override;
    int DirExists(const std::string& folder) const override;
    // Makes the parents too; an existing folder counts as made.
    int DirCreate(const std::string& folder) override;
    // The regular files that the pattern matches (Windows' own wildcard rules) are copied
    // into targetFolder, which is made when missing; files there are replaced. 1 on
    // success, 0 when the source folder is missing or a copy fails.
    std::int16_t MultiFileCopy(const std::string& pattern, const std::string& targetFolder) override;
};

}  // namespace orv::platform
