// Help pages, documents and folders opened with the desktop's programs. When nothing could
// open one, the user is told in a message (the desktop alone only writes a line on stderr).
#pragma once

#include <string>

namespace orv::editor {

inline constexpr const char* CannotOpenTitle = "Cannot Open";

// Each returns true when the desktop opened it; false after the message.
bool ShowHelpOrReport(int contextNumber);
bool OpenFileOrReport(const std::string& windowsPath);
bool ExploreFolderOrReport(const std::string& windowsPath);

}  // namespace orv::editor
