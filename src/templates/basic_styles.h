// New projects from the basic style catalogue: the choices of the two dialogs (style, then
// button placement), kept for the next new project in Session().newProject and the
// options, and the building of the project from them: the style's values, sample buttons
// and a sample picture.
#pragma once

#include <cstdint>
#include <string>

#include "model/menu_project.h"

namespace orv {

// The choices the dialogs start from.
struct NewProjectPreselection {
    std::int16_t color, layout, placement, titleAlignment;
    bool underlineTitle, addButtons, addPicture;
};
NewProjectPreselection CurrentNewProjectChoices();

// The style dialog was confirmed with a family and layout (White2 7 and 8: an empty project
// with or without sample buttons). True when the placement dialog follows; its preselection
// is then adjusted to the style, with both sample boxes checked.
bool TakeStyleChoice(std::int16_t color, std::int16_t layout, bool underlineTitle);
// The placement dialog was confirmed.
void TakePlacementChoice(std::int16_t placement, std::int16_t titleAlignment, bool underlineTitle, bool addButtons,
                         bool addPicture);
// A new project without the chooser: an empty one, with sample buttons when the options say so.
void ChooseEmptyProject();

// Resets the project and builds it from the current choices: the style's values (none for
// an empty project), the project type and its icon, sample buttons and the sample picture.
// programFolder is the editor's folder (Windows form), where the samples lie.
void CreateProjectFromBasicStyle(MenuProject& project, std::int16_t projectType, const std::string& programFolder);

// Writes the values of the chosen style into the project (nothing for an empty project).
void ApplyBasicStyle(MenuProject& project, const std::string& programFolder);

}  // namespace orv
