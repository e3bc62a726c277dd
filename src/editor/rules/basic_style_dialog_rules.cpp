#include "editor/rules/basic_style_dialog_rules.h"

#include <array>

#include "templates/basic_style_catalogue.h"

namespace orv::editor {

namespace {

bool validFamily(int family) { return family >= 1 && family <= BasicStyleFamilies; }

}  // namespace

StyleDialogSelection StyleDialogOpening(int color, int layout)
{
    StyleDialogSelection s;
    if (validFamily(color))
        s.tab = color - 1;
    if (layout >= 1 && layout <= StyleOptionsPerTab)
        s.option = layout - 1;
    return s;
}

StyleChoice StyleChoiceOf(int tab, int option)
{
    if (tab < 0 || tab >= BasicStyleFamilies || option < 0 || option >= StyleOptionsPerTab)
        return {};
    return {static_cast<std::int16_t>(tab + 1), static_cast<std::int16_t>(option + 1)};
}

std::string StyleTabPicture(int family)
{
    if (!validFamily(family))
        return {};
    return std::string("Tab-") + BasicStyleFamilyName(family) + ".bmp";
}

std::string StylePreviewPicture(int family, int layout)
{
    if (!validFamily(family))
        return {};
    // The previews are named by the family's and the layout's numbers: "styles\3-5.png".
    return "styles\\" + std::to_string(family) + "-" + std::to_string(layout) + ".png";
}

const char* PlacementCaption(int placement)
{
    static constexpr std::array<const char*, PlacementCount> captions = {
        "Buttons to the left", "Centered buttons", "Buttons to the right", "Two columns with buttons"};
    return placement >= 1 && placement <= PlacementCount ? captions[static_cast<std::size_t>(placement - 1)] : "";
}

std::string PlacementPreviewPicture(int placement) { return "placement-" + std::to_string(placement) + ".png"; }

int PlacementOpening(int placement) { return placement >= 1 && placement <= PlacementCount ? placement : 3; }

bool PlacementPictureBoxEnabled(int placement, int color, int layout)
{
    if (color == StyleWhite2 && layout == 2)
        return true;
    return placement != 2 && placement != 4;
}

}  // namespace orv::editor
