#include "shell/look/rounded_box.h"

#include <algorithm>

namespace orv::shell {

namespace {

// Whether the sample at (sx, sy) lies inside the corner circle whose
// centre is (cx, cy), both in eighths of a pixel.
bool inCircle(int sx, int sy, int cx, int cy, int radius8)
{
    const long long dx = sx - cx, dy = sy - cy;
    return dx * dx + dy * dy <= static_cast<long long>(radius8) * radius8;
}

}  // namespace

RoundedBox RoundedBox::inset(int d) const
{
    return RoundedBox{left + d, top + d, right - d, bottom - d, std::max(0, radius - d)};
}

int RoundedBox::coverage(int x, int y) const
{
    if (x < left || y < top || x >= right || y >= bottom)
        return 0;
    const int r = std::min({radius, (right - left) / 2, (bottom - top) / 2});
    const bool cornerColumn = x < left + r || x >= right - r;
    const bool cornerRow = y < top + r || y >= bottom - r;
    if (r <= 0 || !cornerColumn || !cornerRow)
        return FullCoverage;

    // Sample centres at 1/8, 3/8, 5/8 and 7/8 of the pixel, in eighths to stay integral.
    const int cx = 8 * (x < left + r ? left + r : right - r);
    const int cy = 8 * (y < top + r ? top + r : bottom - r);
    int inside = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const int sx = 8 * x + 2 * i + 1, sy = 8 * y + 2 * j + 1;
            const bool pastCornerX = x < left + r ? sx < cx : sx > cx;
            const bool pastCornerY = y < top + r ? sy < cy : sy > cy;
            if (!pastCornerX || !pastCornerY || inCircle(sx, sy, cx, cy, 8 * r))
                ++inside;
        }
    return inside;
}

}  // namespace orv::shell
