// The "Window" tab's size commands: grow or shrink the menu window by one per cent, fit it
// to the background picture, and take the size the user chose in the menu program's resize
// mode.
#pragma once

#include <optional>
#include <string>

#include "model/menu_project.h"

namespace orv::editor {

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// Width and height times 1.01, rounded; nothing when the result exceeds 1280 x 1024.
std::optional<WindowSize> IncreasedWindowSize(WindowSize size);
// Width and height times 0.99, rounded; nothing when the result falls below 200 x 100.
std::optional<WindowSize> DecreasedWindowSize(WindowSize size);

// The frame the menu window draws around its client area.
enum class WindowFrame { Caption, BorderOnly, None };
WindowFrame FrameOf(const MenuProject& project);

// The window size that shows the background picture whole: a BMP or JPEG of 1..1999 pixels
// each way, plus 10 x 29 with a caption, 6 x 6 with a border only, 4 x 4 otherwise. Nothing
// for any other picture.
std::optional<WindowSize> FitToBackground(const std::string& picture, WindowFrame frame);

// Writes a size into the project's Width and Height.
void SetProjectWindowSize(MenuProject& project, WindowSize size);
// The project's window size, each side clamped to its range.
WindowSize ProjectWindowSize(const MenuProject& project);

// Resize mode: the menu program leaves the size the user chose in two registry values of
// the current user, which the editor polls.
inline constexpr const char* ResizeModeRegistryKey = "Software\\Veltrona\\Orvanto\\ResizeMode";

class ResizeModeWatch {
public:
    // Writes 0 to both values, so that only a new answer counts.
    void start();
    // Reads both values; once both are non-zero, writes 0 to both again and returns the size.
    std::optional<WindowSize> poll();
};

}  // namespace orv::editor
