// The look of the menu's buttons as Qt style sheets, approximating the editor's button
// styles (framed, solid, rounded, colour-blended, metallic ...) with the menu's colours.
#pragma once

#include <QString>

#include "shell/menu_description.h"

namespace orv::shell {

// The sheet for one button: the common look, or the entry's own colours when it has them.
QString buttonStyleSheet(const ButtonLook& look, const MenuEntry& entry);

}  // namespace orv::shell
