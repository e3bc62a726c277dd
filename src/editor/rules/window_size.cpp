#include "editor/rules/window_size.h"

#include <cmath>

#include "editor/rules/field_rules.h"
#include "platform/pictures.h"
#include "platform/registry.h"
#include "platform/services.h"

namespace orv::editor {

namespace {

WindowSize scaled(WindowSize size, double factor)
{
    return {static_cast<int>(std::lround(size.width * factor)),
            static_cast<int>(std::lround(size.height * factor))};
}

void writeResizeValues(long width, long height)
{
    platform::Registry& registry = *platform::services().registry;
    registry.SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Height", height);
    registry.SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Width", width);
}

}  // namespace

std::optional<WindowSize> IncreasedWindowSize(WindowSize size)
{
    const WindowSize next = scaled(size, 1.01);
    if (next.width > 1280 || next.height > 1024)
        return std::nullopt;
    return next;
}

std::optional<WindowSize> DecreasedWindowSize(WindowSize size)
{
    const WindowSize next = scaled(size, 0.99);
    if (next.width < 200 || next.height < 100)
        return std::nullopt;
    return next;
}

WindowFrame FrameOf(const MenuProject& project)
{
    if (project.ShowCaption != 0)
        return WindowFrame::Caption;
    if (project.ShowBorder != 0)
        return WindowFrame::BorderOnly;
    return WindowFrame::None;
}

std::optional<WindowSize> FitToBackground(const std::string& picture, WindowFrame frame)
{
    if (picture.empty())
        return std::nullopt;
    const platform::Pictures& pictures = *platform::services().pictures;
    const int type = pictures.GetPictureFileType(picture);
    if (type != platform::PictureBmp && type != platform::PictureJpeg && type != platform::PicturePng &&
        type != platform::PictureGif)
        return std::nullopt;
    int width = 0;
    int height = 0;
    if (!pictures.GetPictureFileDimensions(picture, width, height))
        return std::nullopt;
    if (width < 1 || width > 1999 || height < 1 || height > 1999)
        return std::nullopt;
    switch (frame) {
    case WindowFrame::Caption: return WindowSize{width + 10, height + 29};
    case WindowFrame::BorderOnly: return WindowSize{width + 6, height + 6};
    case WindowFrame::None: break;
    }
    return WindowSize{width + 4, height + 4};
}

void SetProjectWindowSize(MenuProject& project, WindowSize size)
{
    project.Width = std::to_string(size.width);
    project.Height = std::to_string(size.height);
}

WindowSize ProjectWindowSize(const MenuProject& project)
{
    return {ProjectWindowWidth(project), ProjectWindowHeight(project)};
}

void ResizeModeWatch::start()
{
    writeResizeValues(0, 0);
}

std::optional<WindowSize> ResizeModeWatch::poll()
{
    const platform::Registry& registry = *platform::services().registry;
    const long height = registry.GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Height", 0);
    const long width = registry.GetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeRegistryKey, "Width", 0);
    if (height == 0 || width == 0)
        return std::nullopt;
    writeResizeValues(0, 0);
    return WindowSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace orv::editor
