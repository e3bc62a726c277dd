// Conditions the menu program checks before it acts: whether the menu shows at all (the
// registry value an installed application sets), and the author's text for a document
// that no program opens.
#pragma once

#include <string>

#include "shell/menu_description.h"

namespace orv::platform {
class Registry;
}

namespace orv::shell {

// True when the condition names a value and the registry holds it (with the given text,
// compared without regard to case, or any text when none is given): the menu then does
// not show. Only HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are looked in; with
// currentUserOnNewSystems the machine's part is looked for under the current user, where
// current Windows versions keep what programs write there without administrator rights.
bool noStartConditionHolds(const NoStartCondition& condition, const platform::Registry& registry);

// The text for a document of that path's extension, or nullptr.
const DocumentText* documentTextFor(const MenuDescription& menu, const std::string& path);

}  // namespace orv::shell
