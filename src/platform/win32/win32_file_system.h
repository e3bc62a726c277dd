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
};

}  // namespace orv::platform
