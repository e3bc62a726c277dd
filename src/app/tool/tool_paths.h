// Paths on orvntool's command line: host paths ("/home/ann/menu.mnp", "menu.mnp") or
// Windows-form paths ("Z:\home\ann\menu.mnp"); the model works on the Windows form.
#pragma once

#include <string>

namespace orv::tool {

// True for a drive path ("E:\x", "E:/x", "E:") or a network path ("\\server\share").
bool IsWindowsFormPath(const std::string& arg);

// The Windows form of a command-line path: a Windows-form path with its slashes turned into
// backslashes; a host path made absolute and mapped through the drive map.
std::string CommandLinePathToWindows(const std::string& arg);

}  // namespace orv::tool
