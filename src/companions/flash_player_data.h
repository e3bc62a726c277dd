// The flash player's data file "VTFlashPlayer.dat", written by menu creation into the
// folder of each animation: the animation's file name, the window title and size, and
// whether dialog boxes may be shown.
#pragma once

#include <optional>
#include <string>

namespace orv::companions {

inline constexpr const char* FlashPlayerDataFileName = "VTFlashPlayer.dat";

struct FlashPlayerData {
    std::string fileName;  // [General] FileName: the animation, in its folder
    std::string windowTitle;
    int width = 0;   // 0 when not given
    int height = 0;
    bool showDialogBoxes = true;
};

// Reads the data file (Windows-form or host path). Empty when the file is missing or holds
// no [General] section.
std::optional<FlashPlayerData> readFlashPlayerData(const std::string& file);

// What the flash player works on, from its command line and its own folder.
struct FlashPlayerRequest {
    std::string animation;  // full path; empty when none is known
    std::string dataFile;   // the data file used; empty when none was found
    FlashPlayerData data;
};

// The animation is the argument when one is given, else the data file's FileName in the
// data file's folder. The data file is looked for in the animation's folder first, then
// beside the program.
FlashPlayerRequest resolveFlashPlayerRequest(const std::string& argument, const std::string& programFolder);

}  // namespace orv::companions
