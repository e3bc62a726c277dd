// Pictures of the menu (background, logotype, menu picture) as bitmaps: scaled, fitted,
// made transparent and drawn into another bitmap by the same integer arithmetic on every
// build, so both menu programs show the same pixels.
#pragma once

#include <future>

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

// The pictures of one menu as loaded from their files (empty where there is none). The id
// tells apart two sets, so painters may keep what they made from one.
struct MenuPictures {
    Bitmap background, logotype, picture;
    std::vector<Bitmap> buttons;  // per entry, for the picture styles; empty where none was found
    int id = 0;
    std::shared_future<Bitmap> pendingBackground;  // the background while it is still being read
};

// The picture scaled to width x height with bilinear filtering (empty for an empty size).
Bitmap scaledPicture(const Bitmap& picture, int width, int height);

// Pixels of exactly that colour become fully transparent (a logotype's background).
void makeTransparent(Bitmap& picture, WinColour colour);

// Draws the picture into the target at (x, y), blending by its alpha, clipped to the
// target and to the clip rectangle.
void drawPicture(Bitmap& target, const Bitmap& picture, int x, int y, const Rect& clip);

// The background picture over the background colours, as the options say: tiled as a
// pattern, stretched to the window, at the author's position, or at the top left corner;
// behind the title only, it is cut off below the title band (titleBandBottom).
void placeBackgroundPicture(Bitmap& background, const Bitmap& picture, const BackgroundPicture& options,
                            int titleBandBottom);

}  // namespace orv::shell
