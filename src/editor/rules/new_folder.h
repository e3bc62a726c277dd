// "New Folder" of the folder choosers: the name's checks and the folder's creation.
#pragma once

#include <string>

namespace orv::editor {

inline constexpr const char* NewFolderDefaultName = "New Folder";

struct NewFolderResult {
    std::string folder;   // the new folder, Windows form; empty when none was made
    std::string problem;  // why not, for a message; empty when it was made
};

// Makes the folder name (blanks around it dropped) inside parent (Windows form). Refused:
// an empty name, "." and "..", one with a character Windows does not allow in names
// (\ / : * ? " < > |) or ending in a dot, and a name that is already taken (letter case
// aside, as on the medium).
NewFolderResult CreateNewFolder(const std::string& parent, const std::string& name);

}  // namespace orv::editor
