// Where the parts of a menu go in the window: the title, the subtitle and each visible
// entry with its caption's area. Computed only from the numbers of the description (sizes
// in points turn into pixels by a fixed formula, text is never measured), so every front
// end gets the same rectangles. Entries flow in one or two columns; each may be moved from
// its place by its placement rule. The menu does not scroll: an entry that would reach
// below the window's bottom edge is left out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shell/menu_description.h"
#include "shell/render/canvas.h"

namespace orv::shell {

struct EntryBox {
    std::size_t entry = 0;  // index into MenuDescription::entries
    Rect rect;
    bool titleRow = false;
    Rect text;                 // where the caption goes
    std::optional<Rect> arrow; // the arrow of a button that opens a menu
};

// The sizes of the pictures that were found, in pixels; 0 when there is none.
struct PictureSizes {
    int logotypeWidth = 0, logotypeHeight = 0;
    int pictureWidth = 0, pictureHeight = 0;  // the menu picture as its file has it
    struct Size {
        int width = 0, height = 0;
    };
    std::vector<Size> buttons;  // per entry (index into MenuDescription::entries); may be short
};

struct MenuLayout {
    Rect window;
    std::optional<Rect> title;     // only when there is a title text
    std::optional<Rect> subtitle;  // only when there is a subtitle text
    std::optional<Rect> logotype;  // in the top corner; the texts keep clear of it
    std::optional<Rect> picture;   // the menu picture beside the buttons
    std::optional<Rect> movie;     // the menu movie, in the menu picture's place
    std::optional<Rect> underline;  // the line's row below the title, as wide as the title's box
    std::optional<Rect> titleBand;  // the background lines or metal plate behind the title
    std::vector<Rect> socialLogos;  // one per MenuDescription::socialLogos, in a row at the bottom right
    std::vector<EntryBox> entries;  // in the order of the file

    // The button (not a title row) under a point, if any; of buttons that overlap, the one
    // drawn last, which lies on top.
    const EntryBox* buttonAt(int x, int y) const;
    const EntryBox* boxOf(std::size_t entry) const;
};

// The height in pixels of a font of that many points at 96 pixels per inch, rounded.
int fontPixels(int points);
// The height of one line of text of that font: the pixel size and half of it again.
int lineHeight(const FontSpec& font);

// A caption's width guessed from its characters and font (no font engine is asked): the
// pixel size times 0.55 per character, 0.6 in bold.
int estimatedTextWidth(const std::string& text, const FontSpec& font);

// The logotype stands in the top right (or left) corner and the title and subtitle beside
// it; the entries start below both. The menu picture stands beside the buttons, on the
// side they leave free (none when they are centred or in two columns); a menu movie takes
// the same place at its own size.
MenuLayout layoutMenu(const MenuDescription& menu, int clientWidth, int clientHeight,
                      const PictureSizes& pictures = {});
// The side of a social-media logo and the room between two of them.
inline constexpr int SocialLogoSize = 24;
inline constexpr int SocialLogoGap = 6;

// The bottom of the band behind the title and subtitle (0 when there is no text).
int titleBandBottom(const MenuLayout& layout);

// The layout as lines of text, one rectangle a line as "x y width height":
//   window 0 0 500 400
//   titleband 0 20 500 24
//   title 20 20 460 24
//   underline 20 44 460 3
//   subtitle 20 50 460 19
//   logotype 380 20 100 40
//   picture 20 140 100 100
//   movie 20 140 150 150
//   entry 3 140 90 220 30      (a button; 3 is its position in the file, from 1)
//   arrow 3 344 100 6 10       (the arrow of button 3, which opens a menu)
//   heading 1 140 60 220 20    (a title row)
//   social 1 464 364 24 24     (a social-media logo; 1 is its place in the row, from 1)
// Both menu programs write it, so their layouts can be compared.
std::string layoutText(const MenuLayout& layout);

}  // namespace orv::shell
