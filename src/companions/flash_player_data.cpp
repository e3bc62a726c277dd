#include "companions/flash_player_data.h"

#include <algorithm>

#include "companions/data_file.h"
#include "model/path_helpers.h"
#include "model/file_io.h"

namespace orv::companions {

std::optional<FlashPlayerData> readFlashPlayerData(const std::string& file)
{
    const auto doc = readDataFile(file);
    if (!doc || !doc->hasSection("General"))
        return std::nullopt;
    DataSection general(*doc, "General"), size(*doc, "Size"), options(*doc, "Options");
    FlashPlayerData d;
    d.fileName = general.text("FileName");
    d.windowTitle = general.text("WinTitle");
    d.width = std::clamp(size.number("Width", 0), 0L, 10000L);
    d.height = std::clamp(size.number("Height", 0), 0L, 10000L);
    d.showDialogBoxes = options.text("ShowDialogBoxes", "1") != "0";
    return d;
}

FlashPlayerRequest resolveFlashPlayerRequest(const std::string& argument, const std::string& programFolder)
{
    FlashPlayerRequest request;
    std::vector<std::string> candidates;
    if (!argument.empty()) {
        request.animation = argument;
        candidates.push_back(JoinPath(PathDirectoryPart(argument), FlashPlayerDataFileName));
    }
    candidates.push_back(JoinPath(programFolder, FlashPlayerDataFileName));

    for (const std::string& candidate : candidates) {
        if (auto data = readFlashPlayerData(candidate)) {
            request.data = *data;
            request.dataFile = candidate;
            break;
        }
    }
    if (request.animation.empty() && !request.dataFile.empty() && !request.data.fileName.empty())
        request.animation = JoinPath(PathDirectoryPart(request.dataFile), request.data.fileName);
    return request;
}

}  // namespace orv::companions
