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
    for (int y = 0; y < bitmap.height; ++y) {
        std::uint32_t* row = bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
        for (int x = 0; x < bitmap.width; ++x) {
            switch (direction) {
            case 1: row[x] = at(along(x, width)); break;
            case 2: row[x] = at(reversed(along(x, width))); break;
            case 3: row[x] = at(reversed(along(y, height))); break;
            case 4: row[x] = at(along(y, height)); break;
            case 5: {
                const double dx = x + 0.5 - width / 2.0, dy = y + 0.5 - height / 2.0;
                const double radius = std::max(width, height) / 2.0;
                const double t = std::min(1.0, std::sqrt(dx * dx + dy * dy) / radius);
                const auto steps = static_cast<long long>(std::lround(t * 4096));
                row[x] = argbOf(mixColours(second, first, steps, 4096));
                break;
            }
            case 6: row[x] = at(toMiddle(x, width)); break;
            case 7: row[x] = at(toMiddle(y, height)); break;
            default: row[x] = argbOf(first); break;
            }
        }
    }
    return bitmap;
}

}  // namespace orv::shell
