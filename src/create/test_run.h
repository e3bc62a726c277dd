// Trying a menu from the editor: TestTheMenu writes the menu description file into a test
// folder, puts the menu program beside it and starts it with a test switch, copying no
// linked file; CmdRun starts the menu program of the last creation in its folder.
#pragma once

#include <string>

#include "create/creation_observer.h"
#include "model/menu_project.h"

namespace orv {

inline constexpr const char* TestFolderName = "ORVNTEST";
inline constexpr const char* TestProgramName = "ORVNMENU.EXE";
inline constexpr const char* TestDataFileName = "ORVNMENU.MNI";
inline constexpr const char* TestSwitch = "/TEST";
inline constexpr const char* ResizeSwitch = "/RESIZE-ENG";

// Editor-wide: true only while the main window's resize command runs the test.
bool& ResizeMode();

// The test folder: the temporary folder + "\ORVNTEST" on a modern system, else the
// editor's "Test" folder.
std::string TestFolder();

// TestTheMenu. True when the menu program was started; otherwise its message was shown.
bool TestTheMenu(const MenuProject& project, CreationObserver& observer);

// CmdRun: starts the created menu program in a normal window without arguments. True when
// it was started; otherwise its message was shown.
bool CmdRun(const MenuProject& project, CreationObserver& observer);

}  // namespace orv
