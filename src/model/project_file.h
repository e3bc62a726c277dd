// Saving and opening project files, and writing the menu description file.
#pragma once

#include <string>

#include "model/menu_project.h"
#include "model/project_reader.h"

namespace orv {

inline constexpr const char* ProjectFileFilter = "Project Files (*.mnp)|*.mnp";
inline constexpr const char* MniFileFilter = "MNI Files (*.mni)|*.mni";
inline constexpr const char* ProjectFileExtension = ".mnp";

// Writes the project to its ProjectFilePath (all writer switches off), atomically: the old
// file stays intact when writing fails. On success clears Modified and puts the file on top
// of the recent lists. An empty path or "noname" writes nothing. False when nothing was written.
bool SaveProjectFile(MenuProject& project);

// "Save Project As" once a name is chosen: the name becomes the project file path, the
// window title follows it, and the project is saved.
bool SaveProjectFileAs(MenuProject& project, const std::string& path);

// Writes the menu description file FName (the menu-file switch on). False for an empty name
// or any write error.
bool CreateCDDataFile(const MenuProject& project, const std::string& FName,
                      bool bAddFontListToOptionFile = false);

// Opening a project: with a non-empty path, makes it the project file path, empties the
// button list, reads the file, puts it on top of the recent lists, clears Modified and refreshes the
// window title and column heading. The version read is returned (empty for an empty path).
ProjectFileVersion OpenProjectFile(MenuProject& project, const std::string& path);

}  // namespace orv
