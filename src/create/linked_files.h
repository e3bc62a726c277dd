// The files that buttons open, copied (or encrypted, or copied with their whole folder) to
// the place their links name in the menu folder, with the decryption program beside
// encrypted files and the flash player's data file beside each animation. What each button
// gets is its plan (button_plan.h); this carries it out.
#pragma once

#include "create/creation_run.h"

namespace orv {

inline constexpr const char* DecryptionProgram = "BE.exe";

// Every button's plan in list order; false when one stops the creation.
bool CopyLinkedFiles(CreationRun& run);

}  // namespace orv
