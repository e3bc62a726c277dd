// A check of a project before creation ("orvntool check PROJECT.mnp"): every problem that
// would stop "Create menu", one line each, found without copying or creating anything.
#pragma once

#include <string>
#include <vector>

#include "model/menu_project.h"

namespace orv {

// The problems of creating the project's menu in its destination folder (CreateDestDir),
// with the pictures, sounds and movie copied. Empty when the creation would run through.
// Uses the options in force (menu program names) and the sibling-product flags.
std::vector<std::string> PreflightCreateMenu(const MenuProject& project);

}  // namespace orv
