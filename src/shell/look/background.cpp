#include "shell/look/background.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shell/look/colour.h"

namespace orv::shell {

namespace {

// Position of pixel i of n along a blend, as a fraction (2i + 1) / 2n of the way: the
// colour is taken at the pixel's centre.
struct Fraction {
    long long numerator, denominator;
};

Fraction along(int i, int n) { return {2LL * i + 1, 2LL * n}; }
Fraction reversed(Fraction f) { return {f.denominator - f.numerator, f.denominator}; }
// 0 at both ends, 1 in the middle.
Fraction toMiddle(int i, int n) { return {2LL * n - std::llabs(2LL * (2LL * i + 1) - 2LL * n), 2LL * n}; }

}  // namespace

Bitmap renderBackground(const MenuDescription& menu, int width, int height)
{
    Bitmap bitmap;
    bitmap.width = std::max(0, width);
    bitmap.height = std::max(0, height);
    bitmap.pixels.assign(static_cast<std::size_t>(bitmap.width) * bitmap.height, 0);
    const WinColour first = menu.backColour;
    const WinColour second = blendTowards(first, menu.backColour2, menu.blendDepth);
    const int direction = menu.toneDirection;

    const auto at = [&](Fraction f) { return argbOf(mixColours(first, second, f.numerator, f.denominator)); };
    const auto rowOf = [&](int y) { return bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap.width; };
    // A straight blend changes along one axis only: one row, or one colour per row, is
    // worked out and copied, which makes a full-screen background cheap to start with.
    switch (direction) {
    case 1:
    case 2:
    case 6:
        for (int x = 0; x < bitmap.width; ++x)
            bitmap.pixels[static_cast<std::size_t>(x)] = at(direction == 1   ? along(x, width)
                                                            : direction == 2 ? reversed(along(x, width))
                                                                             : toMiddle(x, width));
        for (int y = 1; y < bitmap.height; ++y)
            std::copy(rowOf(0), rowOf(1), rowOf(y));
        break;
    case 3:
    case 4:
    case 7:
        for (int y = 0; y < bitmap.height; ++y)
            std::fill(rowOf(y), rowOf(y) + bitmap.width,
                      at(direction == 3 ? reversed(along(y, height)) : direction == 4 ? along(y, height) : toMiddle(y, height)));
        break;
    case 5:
        for (int y = 0; y < bitmap.height; ++y) {
            std::uint32_t* row = bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
            for (int x = 0; x < bitmap.width; ++x) {
                const double dx = x + 0.5 - width / 2.0, dy = y + 0.5 - height / 2.0;
                const double radius = std::max(width, height) / 2.0;
                const double t = std::min(1.0, std::sqrt(dx * dx + dy * dy) / radius);
                const auto steps = static_cast<long long>(std::lround(t * 4096));
                row[x] = argbOf(mixColours(second, first, steps, 4096));
            }
        }
        break;
    default:
        std::fill(bitmap.pixels.begin(), bitmap.pixels.end(), argbOf(first));
        break;
    }
    return bitmap;
}

}  // namespace orv::shell
