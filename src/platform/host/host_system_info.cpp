#include "platform/host/host_system_info.h"

#include "platform/host/host_file_system.h"

namespace orv::platform {

std::string HostSystemInfo::GetFirstUsbFlashDrive() const
{
    files_.reloadDriveMap();
    const DriveMap& map = files_.driveMap();
    for (char letter : map.removableLetters()) {
        std::error_code ec;
        if (!map.folderOf(letter).empty() && std::filesystem::is_directory(map.folderOf(letter), ec))
            return std::string{letter, ':', '\\'};
    }
    return {};
}

}  // namespace orv::platform
