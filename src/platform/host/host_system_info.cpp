#include "platform/host/host_system_info.h"

#include <cstdlib>
#include <sstream>

#include "platform/host/host_file_system.h"

namespace orv::platform {

std::string HostSystemInfo::WindowsProgramLoader() const
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty())
            continue;
        const std::filesystem::path wine = std::filesystem::path(folder) / "wine";
        std::error_code ec;
        const auto status = std::filesystem::status(wine, ec);
        if (!ec && std::filesystem::is_regular_file(status) &&
            (status.permissions() & std::filesystem::perms::others_exec) != std::filesystem::perms::none)
            return wine.string();
    }
    return {};
}

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
