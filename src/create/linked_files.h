// Step 24: the files that buttons open, copied (or encrypted, or copied with their whole
// folder) to the place their links name in the menu folder, with the decryption program
// beside encrypted files and the flash player's data file beside each animation.
#pragma once

#include "create/creation_run.h"

namespace orv {

inline constexpr const char* DecryptionProgram = "BE.exe";

// True for the commands whose target is never a file of the author's disk.
bool CommandCopiesNoFile(const std::string& command);

bool CopyLinkedFiles(CreationRun& run);

// "link of button #n": how messages about a button's link name it.
std::string LinkSubject(int row);

// The trap of a linked-file copy for error number `error` of file `name` (from sourceFolder
// to targetFolder): sends the message (or shows the detailed copy error) and returns false.
bool StopAtLinkedFileError(CreationRun& run, int error, const std::string& name, const std::string& sourceFolder,
                           const std::string& targetFolder);

}  // namespace orv
