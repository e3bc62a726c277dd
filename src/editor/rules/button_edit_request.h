// What the button list hands to the button editor, and the button editor to the button
// options, and what comes back. The dialogs work on copies; the caller turns a confirmed
// answer into one step of the project's history.
#pragma once

#include <optional>

#include "model/menu_project.h"

namespace orv::editor {

// One entry of the project's button list to edit.
struct ButtonEditRequest {
    const MenuProject& project;  // the open project: style, type, colours, the list, the gallery
    MenuButton entry;            // a new entry comes with the defaults of a new button
    bool isNew = true;
    int rowNumber = 1;           // 1-based; the row count + 1 for a new entry
};

// The picture gallery settings live in the project, not in the entry: a confirmed options
// dialog hands back a project whose gallery fields are the chosen ones.
struct ButtonOptionsOutcome {
    MenuButton entry;
    MenuProject gallery;
    bool applyPositionTypeToAll = false;  // copy entry.DeltaType into every row
};

struct ButtonEditOutcome {
    bool confirmed = false;
    MenuButton entry;                     // the edited entry, when confirmed
    bool applyPositionTypeToAll = false;  // from the options dialog
    // Set when the options dialog was confirmed (also if the button editor was then
    // cancelled: the gallery settings are the project's, not the button's).
    std::optional<MenuProject> gallery;
};

// Copies the picture gallery settings (the [PictureGallery] fields) from one project to
// another.
void CopyPictureGallerySettings(const MenuProject& from, MenuProject& to);

}  // namespace orv::editor
