// The surface a menu is painted on. The menu's shapes (background, button bodies, frames)
// are rendered by portable code into bitmaps, so every front end shows the same pixels;
// the front end only blits those bitmaps and draws text with its own font engine.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "shell/menu_description.h"   // FontSpec, WinColour
namespace orv::shell {
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    bool contains(int px, int py) const { return px >= x && py >= y && px < right() && py < bottom(); }
    bool operator==(const Rect&) const = default;
};
// Pixels as 0xAARRGGBB, row after row, not premultiplied (the memory layout of Qt's
// QImage::Format_ARGB32 and of GDI+'s PixelFormat32bppARGB on little-endian machines).
struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
enum class HAlign { Left, Centre, Right };
// One piece of text. The box is where it goes; the text is centred vertically in it.
struct TextRun {
    Rect box;
    std::string text;            // UTF-8, drawn as it is (no mnemonics)
    FontSpec font;               // size in points; the painters use 96 pixels per inch
    WinColour colour = 0;
    HAlign align = HAlign::Left;
    int letterSpacing = 0;       // extra pixels after each character
    bool shrinkToFit = false;    // one line; the font is made smaller (to 6 pt) until it fits
    bool wrap = false;           // break lines at blanks to fit the width
    bool underline = false;
};
class Canvas {
public:
    virtual ~Canvas() = default;
    // Draws the bitmap with its top-left corner at (x, y), blending by its alpha.
    virtual void drawBitmap(int x, int y, const Bitmap& bitmap) = 0;
    virtual void drawText(const TextRun& run) = 0;
    // The width in pixels of the run's text as drawText would draw it (in the smaller font
    // when it shrinks to fit). A surface without a font engine estimates it.
    virtual int textWidth(const TextRun& run);
};

// The estimate: every character 0.55 times the font's pixel size wide, plus the spacing.
int estimatedTextWidth(const TextRun& run);
}  // namespace orv::shell
