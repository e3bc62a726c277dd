// The rules of the two dialogs of a new project made from a basic style: which tab and
// option open selected, the files of the previews and tab pictures, what a confirmed choice
// means, and when the sample-picture box of the placement dialog can be used.
#pragma once

#include <cstdint>
#include <string>

namespace orv::editor {

inline constexpr const char* BasicStyleDialogTitle = "Choose Basic Style For Menu";
inline constexpr const char* BasicStyleDialogText =
    "Below you can choose a basic style for your menu interface. You can change button style, colors, "
    "pictures etc. afterwards. More styles are available in the editor.";
inline constexpr const char* PlacementDialogTitle = "Choose Button Placement";
inline constexpr const char* PlacementDialogText =
    "Below you can choose placement for buttons and the title in the menu. When you have chosen your "
    "settings, click on 'Create Project' to create the project.";

// Every tab offers eight options; on the last (White2) the seventh and eighth are the empty projects.
inline constexpr int StyleOptionsPerTab = 8;
inline constexpr int PlacementCount = 4;

// The tab and option (both from 0) the style dialog opens with; option -1 when none is checked.
struct StyleDialogSelection {
    int tab = 0;
    int option = -1;
};
StyleDialogSelection StyleDialogOpening(int color, int layout);

// What a confirmed selection gives: colour = tab + 1, layout = option + 1; a missing option gives 0
// (no choice, as for Cancel).
struct StyleChoice {
    std::int16_t color = 0, layout = 0;
};
StyleChoice StyleChoiceOf(int tab, int option);

// The picture of a family's tab in the Res folder ("Tab-Blue.bmp"); both white families use Tab-White.
std::string StyleTabPicture(int family);
// The preview of a layout in the Res folder ("styles\White2-3.png").
std::string StylePreviewPicture(int family, int layout);

// The placement captions 1..4 ("Buttons to the left" ...) and their previews ("placement-1.png").
const char* PlacementCaption(int placement);
std::string PlacementPreviewPicture(int placement);

// The placement the dialog opens with: the given one, or "Buttons to the right" for anything else.
int PlacementOpening(int placement);

// Whether "Include sample picture in the project" can be changed: not for centred buttons and two
// columns, which carry no menu picture, except for White2 layout 2 whose sample is the background.
bool PlacementPictureBoxEnabled(int placement, int color, int layout);

}  // namespace orv::editor
