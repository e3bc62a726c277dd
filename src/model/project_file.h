// Saving and opening project files, and writing the menu description file.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_project.h"
#include "model/project_reader.h"

namespace orv {

inline constexpr const char* ProjectFileFilter = "Project Files (*.mnp)|*.mnp";
inline constexpr const char* MniFileFilter = "MNI Files (*.mni)|*.mni";
inline constexpr const char* ProjectFileExtension = ".mnp";

// Writes the project to its ProjectFilePath (all writer switches off), atomically: the old
// file stays intact when writing fails. On success puts the file on top of the recent
// lists. An empty path or "noname" writes nothing. False when nothing was written.
bool SaveProjectFile(MenuProject& project);

// "Save Project As" once a name is chosen: the name becomes the project file path, the
// window title follows it, and the project is saved.
bool SaveProjectFileAs(MenuProject& project, const std::string& path);

// Writes the menu description file FName (the menu-file switch on). False for an empty name
// or any write error.
bool CreateCDDataFile(const MenuProject& project, const std::string& FName,
                      bool bAddFontListToOptionFile = false);

// What a path names, as far as opening a project is concerned.
enum class ProjectFileKind {
    Missing,     // nothing there, or it cannot be read
    NotProject,  // not a regular file, or its bytes fail IsProjectText
    Project,
};

// The rule for a project file: a regular file (a link to one counts) whose bytes hold, before
// any NUL byte, a header line of a section the project format knows ("[Origin]", "[Buttons]",
// ...; names without case, blanks inside the brackets ignored). A leading UTF-8 byte order
// mark is skipped. So empty, binary, UTF-16 and truncated files, folders, named pipes and
// devices are no project files; a pipe or device is never opened.
bool IsProjectText(std::string_view bytes);
ProjectFileKind ProjectFileKindOf(const std::string& file);

// True when both paths name one existing file (also through links or other spellings), so a
// command that writes the one never destroys the other.
bool IsSameFile(const std::string& a, const std::string& b);

// "<file> is not a project file"
std::string NotAProjectFileText(const std::string& file);

// Opening a project: with a non-empty path, makes it the project file path, empties the
// button list, reads the file, puts it on top of the recent lists and refreshes the
// window title and column heading. The version read is returned (empty for an empty path).
ProjectFileVersion OpenProjectFile(MenuProject& project, const std::string& path);

}  // namespace orv
