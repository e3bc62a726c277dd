#include "shell/look/colour.h"

#include <algorithm>
#include <cmath>

namespace orv::shell {

namespace {

// a + (b - a) * n / d, rounded half away from zero.
int mixChannel(int a, int b, long long n, long long d)
{
    const long long x = (b - a) * n;
    const long long step = x >= 0 ? (x + d / 2) / d : -((-x + d / 2) / d);
    return a + static_cast<int>(step);
}

int clampChannel(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

}  // namespace

std::uint32_t argbOf(WinColour colour, int alpha)
{
    return static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)) << 24 | static_cast<std::uint32_t>(redOf(colour)) << 16 |
           static_cast<std::uint32_t>(greenOf(colour)) << 8 | static_cast<std::uint32_t>(blueOf(colour));
}

WinColour mixColours(WinColour from, WinColour to, long long numerator, long long denominator)
{
    if (denominator <= 0)
        return from;
    numerator = std::clamp(numerator, 0LL, denominator);
    return winRgb(mixChannel(redOf(from), redOf(to), numerator, denominator),
                  mixChannel(greenOf(from), greenOf(to), numerator, denominator),
                  mixChannel(blueOf(from), blueOf(to), numerator, denominator));
}

WinColour blendTowards(WinColour from, WinColour to, int depthPercent)
{
    return mixColours(from, to, std::clamp(depthPercent, 0, 100), 100);
}

WinColour lighter(WinColour colour, int factorPercent)
{
    const int c[3] = {redOf(colour), greenOf(colour), blueOf(colour)};
    const int top = std::max({c[0], c[1], c[2]});
    const int bottom = std::min({c[0], c[1], c[2]});
    if (top == 0)
        return colour;
    const double factor = factorPercent / 100.0;
    const double value = top * factor;
    int out[3];
    if (value <= 255) {
        for (int i = 0; i < 3; ++i)
            out[i] = clampChannel(c[i] * factor);
    } else {
        // Full brightness; the saturation drops by what the brightness would exceed.
        const double saturation = static_cast<double>(top - bottom) / top;
        const double reduced = std::max(0.0, saturation - (value - 255) / 255);
        for (int i = 0; i < 3; ++i) {
            const double atFull = c[i] * 255.0 / top;
            out[i] = saturation > 0 ? clampChannel(255 - (255 - atFull) * reduced / saturation) : 255;
        }
    }
    return winRgb(out[0], out[1], out[2]);
}

WinColour darker(WinColour colour, int factorPercent)
{
    if (factorPercent <= 0)
        return colour;
    const double factor = 100.0 / factorPercent;
    return winRgb(clampChannel(redOf(colour) * factor), clampChannel(greenOf(colour) * factor),
                  clampChannel(blueOf(colour) * factor));
}

}  // namespace orv::shell
