#include "editor/rules/enabling_rules.h"

#include <algorithm>
#include <cctype>


namespace orv::editor {

namespace {
constexpr int BitmapButtonStyle = 6;
constexpr int ImageHotspotStyle = 28;
constexpr int DefaultButtonStyle = 3;
}  // namespace

CaptionOptions ClickCaptionOption(bool caption, bool minimize, bool border)
{
    CaptionOptions o{caption, minimize, border, true, true};
    if (o.caption || o.minimize) {
        o.border = true;
        o.borderEnabled = false;
    }
    if (!o.caption) {
        o.minimize = false;
        o.minimizeEnabled = false;
    }
    return o;
}

CaptionOptions CaptionOptionsShown(bool caption, bool minimize, bool border)
{
    return {caption, minimize, border, caption, !(caption || minimize)};
}

void ApplyCaptionClick(MenuProject& project, bool caption, bool minimize)
{
    const CaptionOptions o = ClickCaptionOption(caption, minimize, project.ShowBorder != 0);
    project.ShowCaption = o.caption ? 1 : 0;
    project.ShowMinimizeButton = o.minimize ? 1 : 0;
    project.ShowBorder = o.border ? 1 : 0;
}

bool MenuPictureSizeEnabled(const MenuProject& project)
{
    if (project.MenuPictureSrc.empty())
        return false;
    std::string lower = project.MenuPictureSrc;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool metafile = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".wmf") == 0;
    return project.StretchMenuPicture != 0 || metafile;
}

std::vector<std::string> ButtonStyleListEntries()
{
    std::vector<std::string> entries;
    entries.reserve(ButtonStyleNames.size());
    for (int style = 1; style <= ButtonStyleCount; ++style) {
        const std::string name = ButtonStyleName(style);
        entries.push_back(IsButtonStyleHeading(style) ? name : "   " + name);
    }
    return entries;
}

int AssureItsAStyle(int listIndex)
{
    if (listIndex < 0 || listIndex >= ButtonStyleCount)
        return StyleListIndex(DefaultButtonStyle);
    if (IsButtonStyleHeading(ButtonStyleOfIndex(listIndex)))
        return listIndex + 1;  // a heading is always followed by a style
    return listIndex;
}

std::vector<std::string> ToneDirectionListEntries()
{
    return {ToneDirectionNames.begin(), ToneDirectionNames.end()};
}

void ChooseButtonTextColour(MenuProject& project, Colour colour)
{
    project.ButtonForeColor = colour;
    if (StyleListIndex(project.ButtonStyle) >= 4)
        project.SeparateFrameAndCharColor = true;
    if (!project.SeparateFrameAndCharColor)
        project.ButtonFrameColor = colour;
}

bool ButtonStyleUsesPictures(int buttonStyle)
{
    return buttonStyle == BitmapButtonStyle || buttonStyle == ImageHotspotStyle;
}

}  // namespace orv::editor
