// Colour arithmetic of the menu's looks, on Windows colour values (red in the low byte).
// Integer and double arithmetic only, so every build computes the same pixels.
#pragma once

#include <cstdint>

#include "shell/menu_description.h"

namespace orv::shell {

constexpr WinColour winRgb(int red, int green, int blue)
{
    return static_cast<WinColour>(red) | static_cast<WinColour>(green) << 8 | static_cast<WinColour>(blue) << 16;
}
constexpr int redOf(WinColour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(WinColour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blueOf(WinColour c) { return static_cast<int>(c >> 16 & 0xFF); }

// A pixel of a Bitmap (0xAARRGGBB) in that colour.
std::uint32_t argbOf(WinColour colour, int alpha = 255);

// The colour moved depthPercent (0..100, clamped) of the way from one colour to another.
WinColour blendTowards(WinColour from, WinColour to, int depthPercent);

// The colour at position numerator/denominator (0..1) of the way from one colour to another.
WinColour mixColours(WinColour from, WinColour to, long long numerator, long long denominator);

// Brighter by a factor in per cent (170 is 70 % brighter); a colour that would go beyond
// full brightness loses saturation instead, so light colours turn towards white.
WinColour lighter(WinColour colour, int factorPercent);
// Darker: the brightness divided by factorPercent / 100.
WinColour darker(WinColour colour, int factorPercent);

}  // namespace orv::shell
