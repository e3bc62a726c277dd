// The title's effects as bitmaps: the line under the title (simple, misty or blended) and
// the band behind it (thin lines or a brushed metal plate).
#pragma once

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// The underline at width x height: simple is solid colour 1; misty is colour 1, solid in its
// middle third and fading to nothing towards top and bottom; blend runs from colour 1 at
// the left to colour 2 at the right. Empty for no underline.
Bitmap renderUnderline(const TitleEffects& effects, int width, int height);

// The band behind the title: 1 px lines every 3 px in the lines colour at 35 % alpha
// (transparent between them), or an opaque silver metal plate with a light top and a dark
// bottom edge. Empty when neither is chosen.
Bitmap renderTitleBand(const TitleEffects& effects, int width, int height);

// Where an underline of the title text goes inside its row: as wide as the text (at most
// the row) at the title's alignment, or the whole row.
Rect underlineExtent(const Rect& row, int textWidth, int alignment, bool textOnly);

}  // namespace orv::shell
