// The editor's window title: the product, the kind of medium and the project file's name.
#pragma once

#include <string>

#include "model/menu_project.h"

namespace orv::editor {

// "Veltrona Orvanto - [CD/DVD] - [menu.mnp]"; "[USB flash drive]" for a USB project and
// "[noname]" before the project has a file.
std::string EditorWindowTitle(const MenuProject& project);

}  // namespace orv::editor
