#include "shell/look/title_effects.h"

#include <algorithm>
#include <cmath>

#include "shell/look/colour.h"

namespace orv::shell {

namespace {

constexpr WinColour White = 0xFFFFFF;
constexpr WinColour Silver = winRgb(0xC0, 0xC0, 0xC0);
constexpr int LinesAlpha = 89;  // 35 %
constexpr int LineSpacing = 3;

Bitmap blank(int width, int height)
{
    Bitmap b;
    b.width = std::max(0, width);
    b.height = std::max(0, height);
    b.pixels.assign(static_cast<std::size_t>(b.width) * b.height, 0);
    return b;
}

// The misty line's alpha at row y of h: full in the middle third, falling linearly to
// nothing at the outer edges, taken at the row's centre.
int mistyAlpha(int y, int h)
{
    const double t = (2.0 * y + 1) / (2.0 * h);
    const double edge = std::min(t, 1 - t);  // 0 at the edges, 0.5 in the middle
    return edge >= 1.0 / 3 ? 255 : static_cast<int>(std::lround(255 * edge * 3));
}

// The metal recipe of the metallic buttons, one colour per row: light at the top, a darker
// band just below the middle, lighter again at the bottom, with faint fixed streaks.
WinColour metalRow(int y, int h)
{
    struct Stop {
        double at;
        WinColour colour;
    };
    const Stop stops[] = {{0, blendTowards(Silver, White, 70)},
                          {0.45, blendTowards(Silver, White, 20)},
                          {0.55, blendTowards(Silver, 0, 10)},
                          {1, blendTowards(Silver, White, 35)}};
    const double t = (2.0 * y + 1) / (2.0 * h);
    WinColour c = stops[3].colour;
    for (int i = 1; i < 4; ++i)
        if (t <= stops[i].at) {
            const double f = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            c = mixColours(stops[i - 1].colour, stops[i].colour, std::lround(f * 4096), 4096);
            break;
        }
    const int streak = (y * 7919) % 13 - 6;  // -6 .. 6: half a per cent each
    return streak >= 0 ? blendTowards(c, White, streak / 2) : blendTowards(c, 0, -streak / 2);
}

}  // namespace

Bitmap renderUnderline(const TitleEffects& effects, int width, int height)
{
    if (effects.underline < 1 || effects.underline > 3)
        return {};
    Bitmap b = blank(width, height);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            std::uint32_t& p = b.pixels[static_cast<std::size_t>(y) * b.width + x];
            switch (effects.underline) {
            case 2: p = argbOf(effects.underlineColour1, mistyAlpha(y, b.height)); break;
            case 3:
                p = argbOf(mixColours(effects.underlineColour1, effects.underlineColour2, 2LL * x + 1, 2LL * b.width));
                break;
            default: p = argbOf(effects.underlineColour1); break;
            }
        }
    return b;
}

Bitmap renderTitleBand(const TitleEffects& effects, int width, int height)
{
    if (!effects.lines && !effects.metalPlate)
        return {};
    Bitmap b = blank(width, height);
    for (int y = 0; y < b.height; ++y) {
        std::uint32_t colour = 0;
        if (effects.lines)
            colour = y % LineSpacing == 0 ? argbOf(effects.linesColour, LinesAlpha) : 0;
        else if (y == 0)
            colour = argbOf(blendTowards(Silver, White, 85));
        else if (y == b.height - 1)
            colour = argbOf(blendTowards(Silver, 0, 45));
        else
            colour = argbOf(metalRow(y, b.height));
        std::fill_n(b.pixels.begin() + static_cast<std::ptrdiff_t>(y) * b.width, b.width, colour);
    }
    return b;
}

Rect underlineExtent(const Rect& row, int textWidth, int alignment, bool textOnly)
{
    if (!textOnly)
        return row;
    Rect r = row;
    r.width = std::clamp(textWidth, 0, row.width);
    if (alignment == 2)
        r.x = row.x + (row.width - r.width) / 2;
    else if (alignment == 3)
        r.x = row.right() - r.width;
    return r;
}

}  // namespace orv::shell
