#include "shell/look/social_logo.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "shell/look/colour.h"

namespace orv::shell {

namespace {

enum Network { Facebook, Twitter, GooglePlus, YouTube, LinkedIn, Pinterest, Instagram, Networks };

constexpr std::array<WinColour, Networks> Colours = {
    winRgb(59, 89, 152),  winRgb(29, 155, 240), winRgb(219, 68, 55),  winRgb(222, 30, 30),
    winRgb(10, 102, 194), winRgb(200, 20, 40),  winRgb(190, 50, 130),
};

enum class Ink { None, Disc, Mark };

// A white play triangle pointing right, centred a little right of the middle.
bool inPlayMark(double x, double y)
{
    const double left = 0.38, right = 0.68, halfHeight = 0.17;
    if (x < left || x > right)
        return false;
    const double reach = halfHeight * (right - x) / (right - left);
    return std::abs(y - 0.5) <= reach;
}

// A white camera: a rounded square outline, a ring for the lens and a dot at the top right.
bool inCameraMark(double x, double y)
{
    const double dx = std::abs(x - 0.5), dy = std::abs(y - 0.5);
    const double outer = 0.25, inner = 0.19, corner = 0.08;
    const auto inRounded = [&](double half, double radius) {
        if (dx > half || dy > half)
            return false;
        const double cx = std::max(0.0, dx - (half - radius)), cy = std::max(0.0, dy - (half - radius));
        return cx * cx + cy * cy <= radius * radius;
    };
    if (inRounded(outer, corner) && !inRounded(inner, corner - 0.05))
        return true;
    const double lens = std::hypot(x - 0.5, y - 0.5);
    if (lens <= 0.11 && lens >= 0.06)
        return true;
    return std::hypot(x - 0.655, y - 0.345) <= 0.03;
}

Ink inkAt(int network, double x, double y)
{
    if (std::hypot(x - 0.5, y - 0.5) > 0.5)
        return Ink::None;
    if ((network == YouTube && inPlayMark(x, y)) || (network == Instagram && inCameraMark(x, y)))
        return Ink::Mark;
    return Ink::Disc;
}

}  // namespace

WinColour socialLogoColour(int network)
{
    return network >= 0 && network < Networks ? Colours[static_cast<std::size_t>(network)] : winRgb(96, 96, 96);
}

std::string socialLogoLetters(int network)
{
    switch (network) {
    case Facebook: return "f";
    case Twitter: return "t";
    case GooglePlus: return "g+";
    case LinkedIn: return "in";
    case Pinterest: return "P";
    default: return {};
    }
}

Bitmap renderSocialLogo(int network, int size, bool hover)
{
    Bitmap b;
    b.width = b.height = std::max(0, size);
    b.pixels.assign(static_cast<std::size_t>(b.width) * b.height, 0);
    const WinColour base = socialLogoColour(network);
    constexpr WinColour White = 0xFFFFFF;
    for (int y = 0; y < size; ++y) {
        // Lit from above: the top lighter by 20 %, the bottom the colour itself.
        WinColour disc = blendTowards(base, White, static_cast<int>(std::lround(20.0 * (size - 1 - y) / std::max(1, size - 1))));
        if (hover)
            disc = blendTowards(disc, White, 15);
        for (int x = 0; x < size; ++x) {
            // 4 x 4 samples per pixel, mixed by coverage.
            int discSamples = 0, markSamples = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) {
                    const Ink ink = inkAt(network, (x + (2 * i + 1) / 8.0) / size, (y + (2 * j + 1) / 8.0) / size);
                    discSamples += ink == Ink::Disc;
                    markSamples += ink == Ink::Mark;
                }
            const int covered = discSamples + markSamples;
            if (covered == 0)
                continue;
            const WinColour c = mixColours(disc, White, markSamples, covered);
            b.pixels[static_cast<std::size_t>(y) * size + x] = argbOf(c, (covered * 255 + 8) / 16);
        }
    }
    return b;
}

}  // namespace orv::shell
