#include "shell/look/button_face.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "shell/look/colour.h"
#include "shell/look/rounded_box.h"

namespace orv::shell {

namespace {

bool inRange(int style, int first, int last) { return style >= first && style <= last; }

bool isTransparent(int style) { return style == TextOnlyStyle || style == FramedTextStyle; }

// The look of the native push button of current Windows versions.
const WinColour WindowsFace = winRgb(0xE1, 0xE1, 0xE1);
const WinColour WindowsHoverFace = winRgb(0xE5, 0xF1, 0xFB);
const WinColour WindowsPressedFace = winRgb(0xCC, 0xE4, 0xF7);
const WinColour WindowsFrame = winRgb(0xAD, 0xAD, 0xAD);
const WinColour WindowsHoverFrame = winRgb(0x00, 0x78, 0xD7);
const WinColour WindowsPressedFrame = winRgb(0x00, 0x54, 0x99);

const WinColour MetallicText = winRgb(0x20, 0x20, 0x20);

struct Stop {
    double at;
    WinColour colour;
};

WinColour gradient(std::initializer_list<Stop> stops, double t)
{
    const Stop* previous = stops.begin();
    for (const Stop& stop : stops) {
        if (t <= stop.at) {
            const double span = stop.at - previous->at;
            const double f = span > 0 ? (t - previous->at) / span : 0;
            return mixColours(previous->colour, stop.colour, std::lround(f * 4096), 4096);
        }
        previous = &stop;
    }
    return previous->colour;
}

// Where a pixel lies along a length, at its centre: 0 at the start, 1 at the end.
double along(int i, int n) { return (2.0 * i + 1) / (2.0 * n); }

class BodyPainter {
public:
    explicit BodyPainter(const ButtonFace& face)
        : f_(face), light_(lighter(face.back, 170)), dark_(darker(face.back, 140))
    {
    }

    // The fill at a pixel, with its alpha.
    std::uint32_t fillAt(int x, int y) const
    {
        const int s = f_.style;
        if (s == WindowsButtonStyle)
            return argbOf(f_.state.pressed ? WindowsPressedFace : f_.state.hover ? WindowsHoverFace : WindowsFace);
        if (isTransparent(s))
            return f_.state.pressed ? argbOf(0, 48) : 0;  // a light shade while pressed
        WinColour c = f_.back;
        const double tx = along(x, f_.width), ty = along(y, f_.height);
        if (inRange(s, BlendRightStyle, BlendRightStyle + 3))
            c = gradient({{0, light_}, {1, f_.back}}, tx);
        else if (inRange(s, BlendDownStyle, BlendDownStyle + 3))
            c = gradient({{0, light_}, {1, f_.back}}, ty);
        else if (inRange(s, CylinderStyle, CylinderStyle + 3))
            c = gradient({{0, dark_}, {0.5, light_}, {1, dark_}}, ty);
        else if (s == RectangularBlendStyle)
            c = gradient({{0, light_}, {1, f_.back}}, std::max(std::abs(2 * tx - 1), std::abs(2 * ty - 1)));
        else if (s == MetallicStyle)
            c = gradient({{0, winRgb(0xF4, 0xF4, 0xF4)},
                          {0.45, winRgb(0xC8, 0xC8, 0xC8)},
                          {0.55, winRgb(0xB0, 0xB0, 0xB0)},
                          {1, winRgb(0xE0, 0xE0, 0xE0)}},
                         ty);
        else if (s == PlasticStyle)
            c = gradient({{0, lighter(f_.back, 200)}, {0.49, light_}, {0.5, f_.back}, {1, dark_}}, ty);
        if (f_.state.pressed)
            c = blendTowards(c, 0, 15);
        return argbOf(c);
    }

    int frameWidth() const { return f_.style == TextOnlyStyle ? 0 : f_.style == ThreeDStyle ? 3 : 1; }

    WinColour frameAt(int x, int y) const
    {
        if (f_.style == WindowsButtonStyle)
            return f_.state.pressed ? WindowsPressedFrame : f_.state.hover ? WindowsHoverFrame : WindowsFrame;
        if (f_.style == ThreeDStyle) {
            // Raised: lit from the top left; pressed: the other way round.
            const bool topLeft = std::min(x, y) < std::min(f_.width - 1 - x, f_.height - 1 - y);
            return topLeft != f_.state.pressed ? blendTowards(f_.back, winRgb(255, 255, 255), 45)
                                               : blendTowards(f_.back, 0, 50);
        }
        return f_.frame;
    }

    bool activeRing() const { return f_.state.hover && f_.activeFrame && f_.style != WindowsButtonStyle; }

private:
    const ButtonFace& f_;
    WinColour light_, dark_;
};

// Layers that share a pixel without overlapping, each with its coverage (of 16), mixed by
// coverage and alpha into one pixel that is not premultiplied.
struct Layer {
    std::uint32_t argb;
    int coverage;
};

std::uint32_t mixLayers(std::initializer_list<Layer> layers)
{
    long long weight = 0, r = 0, g = 0, b = 0;
    for (const Layer& l : layers) {
        const long long w = static_cast<long long>(l.argb >> 24) * l.coverage;
        weight += w;
        r += w * (l.argb >> 16 & 0xFF);
        g += w * (l.argb >> 8 & 0xFF);
        b += w * (l.argb & 0xFF);
    }
    if (weight == 0)
        return 0;
    const auto channel = [&](long long sum) { return static_cast<std::uint32_t>((sum + weight / 2) / weight); };
    const auto alpha = static_cast<std::uint32_t>((weight + FullCoverage / 2) / FullCoverage);
    return alpha << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
}

void drawFocusFrame(Bitmap& bitmap, int inset, WinColour colour)
{
    const int left = inset, top = inset, right = bitmap.width - 1 - inset, bottom = bitmap.height - 1 - inset;
    if (right - left < 2 || bottom - top < 2)
        return;
    const std::uint32_t dot = argbOf(colour);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if ((x == left || x == right || y == top || y == bottom) && (x + y) % 2 == 0)
                bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] = dot;
}

}  // namespace

WinColour buttonFrameColour(const ButtonLook& look, const MenuEntry& entry)
{
    if (entry.ownColours)
        return entry.frameColour;
    return look.separateFrameColour ? look.frameColour : look.foreColour;
}

WinColour buttonTextColour(const ButtonLook& look, const MenuEntry& entry)
{
    if (look.style == WindowsButtonStyle)
        return 0;
    if (entry.ownColours)
        return entry.textColour;
    return look.style == MetallicStyle ? MetallicText : look.foreColour;
}

ButtonFace buttonFace(const ButtonLook& look, const MenuEntry& entry, ButtonState state, int width, int height)
{
    ButtonFace face;
    face.style = look.style;
    face.width = width;
    face.height = height;
    face.back = entry.ownColours ? entry.backColour : look.backColour;
    face.frame = buttonFrameColour(look, entry);
    face.text = buttonTextColour(look, entry);
    face.activeFrame = look.activeFrame;
    face.activeFrameColour = look.activeFrameColour;
    face.state = state;
    return face;
}

int buttonCornerRadius(int style)
{
    if (inRange(style, Rounded1Style, Rounded1Style + 2))
        return 4 * (style - Rounded1Style + 1);
    for (int first : {BlendRightStyle, BlendDownStyle, CylinderStyle})
        if (inRange(style, first + 1, first + 3))
            return 4 * (style - first);
    return 0;
}

Bitmap renderButtonBody(const ButtonFace& face)
{
    Bitmap bitmap;
    if (face.width <= 0 || face.height <= 0)
        return bitmap;
    bitmap.width = face.width;
    bitmap.height = face.height;
    bitmap.pixels.assign(static_cast<std::size_t>(face.width) * face.height, 0);

    const BodyPainter painter(face);
    const RoundedBox outer{0, 0, face.width, face.height, buttonCornerRadius(face.style)};
    const bool ring = painter.activeRing();
    const int frameWidth = std::max(painter.frameWidth(), ring ? 1 : 0);
    const RoundedBox insideRing = outer.inset(ring ? 1 : 0);
    const RoundedBox fillBox = outer.inset(frameWidth);
    const std::uint32_t active = argbOf(face.activeFrameColour);

    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x) {
            const int all = outer.coverage(x, y);
            if (all == 0)
                continue;  // outside a rounded corner
            const int inRing = insideRing.coverage(x, y);
            const int filled = fillBox.coverage(x, y);
            bitmap.pixels[static_cast<std::size_t>(y) * face.width + x] =
                mixLayers({{active, all - inRing}, {argbOf(painter.frameAt(x, y)), inRing - filled},
                           {painter.fillAt(x, y), filled}});
        }
    if (face.state.focus)
        drawFocusFrame(bitmap, frameWidth + 2, face.style == WindowsButtonStyle ? 0 : face.text);
    return bitmap;
}

}  // namespace orv::shell
