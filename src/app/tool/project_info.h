// What "orvntool info" prints about a project: the version the file was written by, its
// type, title, window size, button style and each row of the button list.
#pragma once

#include <string>

#include "model/menu_project.h"
#include "model/project_reader.h"

namespace orv::tool {

// Readable text, one fact per line, then one block per button row.
std::string ProjectInfoText(const MenuProject& project, const ProjectFileVersion& version);

// The same facts as one JSON object (UTF-8, ending with a line break).
std::string ProjectInfoJson(const MenuProject& project, const ProjectFileVersion& version);

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace orv::tool
