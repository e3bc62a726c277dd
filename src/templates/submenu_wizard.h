// The sub-menu wizard's work without its windows: the open project becomes the main menu
// and up to ten sub-menu projects are written beside it with its look, each with a button
// back to the main menu (and, when asked, an information button); the main menu gets a
// button for each sub menu; every menu is then built by its own batch build.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "model/menu_project.h"

namespace orv {

inline constexpr int SubMenuLimit = 10;

// What went wrong while a sub-menu project was written.
struct SubMenuError {
    long code = 0;
    std::string text;
    int point = 0;
    std::string badPath;
};

// "Catalog.mnp" gives "Catalog - Sub menu 2.mnp" for n = 2 (every occurrence of "." and the
// extension is replaced). Empty, with the error, when the main project's name does not do.
std::string SubMenuProjectPath(const std::string& mainProject, int n, SubMenuError* error = nullptr);
// The creation folder + "\SubMenu-" + n.
std::string SubMenuBuildFolder(const std::string& creationFolder, int n);
// The link of the main menu's button: "SubMenu-" + n + "\" + the menu program's name.
std::string SubMenuLink(int n, const std::string& menuProgramName);
// Where an existing sub-menu project is kept before it is written again: ".mnp" becomes
// "." + yyyyMMdd + "." + the time (hours and minutes) + ".bak".
std::string SubMenuBackupPath(const std::string& subMenuProject, const std::tm& now);

// Empties a list that holds only the sample buttons of a new project.
void RemoveSampleButtons(MenuProject& project);

// The generated buttons.
MenuButton InformationButton(const std::string& programFolder);
MenuButton ReturnToMainMenuButton();
MenuButton OpenSubMenuButton(int n, const std::string& menuProgramName);

// The lines the progress list shows for an error.
std::vector<std::string> SubMenuErrorLines(const SubMenuError& error);

struct SubMenuCreation {
    int count = 1;                // sub menus, 1..10
    bool withInformation = true;  // the example button
    std::string creationFolder;   // where the main menu is built; the sub menus below it
    std::string programFolder;    // the editor's folder (the information text's source)
    // A progress line for the list; the window repaints.
    std::function<void(const std::string& line)> progress;
    // Starts the batch build of a project into a folder, not waiting for it.
    std::function<void(const std::string& project, const std::string& folder)> startBuild;
    // Saves the main project (SaveProjectFile when not given); false when it failed.
    std::function<bool(MenuProject& project)> saveMain;
};

// The creation: asks whether earlier sub menus are to be updated (Yes/No/Cancel), writes
// and builds each sub menu, adds the main menu's buttons (and "Exit" when it has none),
// saves the main project and builds it. False when it was cancelled or a sub-menu project
// could not be written (the error lines are then in the progress list).
bool CreateSubMenus(MenuProject& mainProject, const SubMenuCreation& creation);

}  // namespace orv
