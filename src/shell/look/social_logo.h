// The round badges that link to the author's pages on social networks: a disc in a colour
// of the network's own, with a white mark drawn here (a play triangle, a camera) or white
// letters that the painter writes over it. Drawn by this program, not taken from any
// network's artwork.
#pragma once

#include <string>

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// The disc of the network (index into SocialNetworkNames) at size x size pixels,
// antialiased, transparent outside the circle; a little lighter under the mouse.
Bitmap renderSocialLogo(int network, int size, bool hover = false);

// The white letters written over the disc ("f", "in", ...); empty where the disc carries a
// drawn mark.
std::string socialLogoLetters(int network);

// The disc's colour.
WinColour socialLogoColour(int network);

}  // namespace orv::shell
