// The reader of project files of every editor version. It checks nothing and reports
// nothing: a missing file, section or key gives the reader's own defaults (which are not
// those of a new project), a value that is not a number reads as 0, and older files are
// converted as they are read.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_project.h"
#include "model/profile.h"

namespace orv {

// A text value is read into a buffer of this size, so it keeps at most 199 characters.
inline constexpr int ProjectTextBufferSize = 200;

// What the [Origin] Ver value says about the file's format.
struct ProjectFileVersion {
    std::string Ver;               // as read; empty when missing
    bool NewStyleNumbers = true;   // button style 13 keeps its number
    bool OldFormat = false;        // versions 2 to 5: styles renumbered, newer button fields absent
    bool HasRunMaximized = false;  // RunProgramMaximized is stored
};

ProjectFileVersion ClassifyProjectVersion(std::string_view ver);

// Button style of a file after the conversions of its version: 13 becomes 14 for old style
// numbers, versions 2 to 5 are renumbered, and a style below 1 becomes 1.
int ConvertButtonStyle(int style, const ProjectFileVersion& version);

// The current command name of a command name of an earlier version (unchanged otherwise).
std::string TranslateLegacyCommand(const std::string& cmd);

// Reads a parsed project file into the project: every field the file format holds, the
// button list (at most ButtonListLimit entries) and the file-name column heading.
ProjectFileVersion LoadOptionsFromDocument(MenuProject& project, const ProfileDocument& document);

// Reads the file named by the project's ProjectFilePath (afresh from disk).
ProjectFileVersion LoadOptionsFromFile(MenuProject& project);

}  // namespace orv
