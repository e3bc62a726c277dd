// The sub-menu wizard (Menu ▸ Create Sub Menus...): the open project becomes the main menu
// and the wizard adds sub menus with its look. Its pages: the start, how many sub menus,
// the folder of the menu structure, the example button, the creation with its progress
// lines, and the result with its preview and folder buttons.
#pragma once

#include <functional>

class QWidget;

namespace orv::editor {

class ProjectDocument;

struct SubMenuWizardHooks {
    // Shows the menu built in the creation folder (as Run Created Menu does).
    std::function<void()> preview;
};

// Runs the wizard over the open project; the project's changes are one step of its history
// and the main project is saved.
void RunSubMenuWizard(ProjectDocument& document, const SubMenuWizardHooks& hooks, QWidget* parent);

}  // namespace orv::editor
