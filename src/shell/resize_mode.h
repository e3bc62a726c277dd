// Resize mode: the editor starts the menu program with "/RESIZE-ENG", the user sizes the
// window, and the program leaves the chosen client size in the registry values "Width" and
// "Height" under the current user's "Software\Veltrona\Orvanto\ResizeMode", where the
// editor's timer picks them up (it waits until both are non-zero).
#pragma once

namespace orv::shell {

inline constexpr const char* ResizeModeKey = "Software\\Veltrona\\Orvanto\\ResizeMode";

// Writes the size through the platform registry (current user). Sizes below 1 are written
// as 1, so the editor always sees a finished answer. False when a value could not be
// written.
bool storeResizeModeSize(int width, int height);

}  // namespace orv::shell
