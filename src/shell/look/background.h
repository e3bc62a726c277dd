// The window's background: one colour, or a blend from BackColor towards BackColor2 (as
// deep as BlendDepth says) in one of the tone directions.
#pragma once

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// Tone directions: 0 one colour, 1 right, 2 left, 3 up, 4 down (the first colour at the
// start), 5 square (the second colour in the middle, round), 6 and 7 double horizontal
// and vertical (the first colour at both edges, the second in the middle). Opaque.
Bitmap renderBackground(const MenuDescription& menu, int width, int height);

}  // namespace orv::shell
