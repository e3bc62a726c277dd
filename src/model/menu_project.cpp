#include "model/menu_project.h"

namespace orv {

const std::array<const char*, ButtonStyleCount> ButtonStyleNames = {
    "- Standard: -",
    "Text Only",
    "Framed Text",
    "Solid Rectangle",
    "Windows Button",
    "Bitmap Button",
    "Rectangle With Rounded Corners 1",
    "Rectangle With Rounded Corners 2",
    "Rectangle With Rounded Corners 3",
    "- Color Blended Buttons: -",
    "Color Blended Right - Right Angles",
    "Color Blended Right - Rounded Corners 1",
    "Color Blended Right - Rounded Corners 2",
    "Color Blended Right - Rounded Corners 3",
    "Color Blended Down - Right Angles",
    "Color Blended Down - Rounded Corners 1",
    "Color Blended Down - Rounded Corners 2",
    "Color Blended Down - Rounded Corners 3",
    "Color Blended Cylindrical - Right Angles",
    "Color Blended Cylindrical - Rounded Corners 1",
    "Color Blended Cylindrical - Rounded Corners 2",
    "Color Blended Cylindrical - Rounded Corners 3",
    "Color Blended Rectangular",
    "- Special: -",
    "3-Dimensional Button",
    "Metallic",
    "Plastic",
    "Image / Hotspot",
};

const std::array<const char*, 8> ToneDirectionNames = {
    "Only one color", "Direction Right", "Direction Left", "Direction Up",
    "Direction Down", "Square",          "Double - Horizontal", "Double - Vertikal",
};

bool IsButtonStyleHeading(int style) { return style == 1 || style == 10 || style == 24; }

std::string ButtonStyleName(int style)
{
    if (style < 1 || style > ButtonStyleCount)
        return {};
    return ButtonStyleNames[static_cast<size_t>(style - 1)];
}

std::string MenuProject::fileTitle() const
{
    size_t slash = ProjectFilePath.find_last_of('\\');
    return slash == std::string::npos ? ProjectFilePath : ProjectFilePath.substr(slash + 1);
}

std::string ProjectTypeMarker(std::int16_t projectType)
{
    return projectType == ProjectTypeUSB ? " - [USB flash drive]" : " - [CD/DVD]";
}

std::string FileNameColumnHeadingFor(std::int16_t projectType)
{
    return projectType == ProjectTypeUSB ? "Filename (USB flash drive)" : "Filename (CD/DVD)";
}

void RefreshProjectCaptions(MenuProject& project)
{
    project.FileNameColumnHeading = FileNameColumnHeadingFor(project.ProjectType);
}

void ResetParameters(MenuProject& project)
{
    const bool useUnicode = project.UseUnicode;
    project = MenuProject{};
    project.UseUnicode = useUnicode;
    RefreshProjectCaptions(project);
}

}  // namespace orv
