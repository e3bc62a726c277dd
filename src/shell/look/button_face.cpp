#include "shell/look/button_face.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "shell/look/colour.h"
#include "shell/look/picture.h"
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
const WinColour Silver = winRgb(0xC0, 0xC0, 0xC0);

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

// The hover look of a colour: lighter, or darker when it is light already.
WinColour hoverShift(WinColour c, int percent)
{
    const int luminance = (redOf(c) * 299 + greenOf(c) * 587 + blueOf(c) * 114) / 1000;
    return blendTowards(c, luminance > 200 ? 0 : winRgb(255, 255, 255), percent);
}

WinColour lighten(WinColour c, int percent) { return blendTowards(c, winRgb(255, 255, 255), percent); }
WinColour darken(WinColour c, int percent) { return blendTowards(c, 0, percent); }

// Brushed metal in a base colour: light at the top, a darker band just below the middle,
// lighter again at the bottom, with faint streaks that repeat every 13 rows.
WinColour brushedMetal(WinColour base, int row, double ty)
{
    WinColour c = gradient({{0, lighten(base, 70)}, {0.45, lighten(base, 20)}, {0.55, darken(base, 10)},
                            {1, lighten(base, 35)}},
                           ty);
    const int streak = (row * 7919) % 13 - 6;  // -6 .. 6: half a per cent each
    return streak >= 0 ? lighten(c, streak / 2) : darken(c, -streak / 2);
}

// Where a pixel lies along a length, at its centre: 0 at the start, 1 at the end.
double along(int i, int n) { return (2.0 * i + 1) / (2.0 * n); }

// A bitmap pixel as a colour, and its alpha.
WinColour colourOfPixel(std::uint32_t p) { return winRgb(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF); }
int alphaOfPixel(std::uint32_t p) { return static_cast<int>(p >> 24); }

// A picture under the mouse is lighter by 12 %, pressed darker by 12 %.
std::uint32_t pictureInState(std::uint32_t p, const ButtonState& state)
{
    if ((!state.pressed && !state.hover) || alphaOfPixel(p) == 0)
        return p;
    const WinColour c = colourOfPixel(p);
    return argbOf(state.pressed ? darken(c, 12) : lighten(c, 12), alphaOfPixel(p));
}

class BodyPainter {
public:
    BodyPainter(const ButtonFace& face, const Bitmap* picture)
        : f_(face),
          light_(inRange(face.style, BlendRightStyle, RectangularBlendStyle) ? face.colour1 : lighter(face.back, 170)),
          picture_(picture)
    {
    }

    // The fill at a pixel, with its alpha.
    std::uint32_t fillAt(int x, int y) const
    {
        const int s = f_.style;
        if (picture_)  // the picture scaled to the whole body
            return pictureInState(picture_->pixels[static_cast<std::size_t>(y) * picture_->width + x], f_.state);
        if (s == WindowsButtonStyle)
            return argbOf(f_.state.pressed ? WindowsPressedFace : f_.state.hover ? WindowsHoverFace : WindowsFace);
        if (isTransparent(s)) {
            if (f_.state.pressed)
                return argbOf(0, 48);  // a light shade while pressed
            return s == FramedTextStyle && f_.state.hover ? argbOf(f_.frame, 31) : 0;
        }
        WinColour c = f_.back;
        const double tx = along(x, f_.width), ty = along(y, f_.height);
        if (inRange(s, BlendRightStyle, BlendRightStyle + 3))
            c = gradient({{0, light_}, {1, f_.back}}, tx);
        else if (inRange(s, BlendDownStyle, BlendDownStyle + 3))
            c = gradient({{0, light_}, {1, f_.back}}, ty);
        else if (inRange(s, CylinderStyle, CylinderStyle + 3))
            c = gradient({{0, darken(f_.back, 20)}, {0.4, light_}, {1, darken(f_.back, 20)}}, ty);
        else if (s == RectangularBlendStyle)
            c = gradient({{0, light_}, {1, f_.back}}, std::max(std::abs(2 * tx - 1), std::abs(2 * ty - 1)));
        else if (s == MetallicStyle)
            c = brushedMetal(f_.colour1, y, ty);
        else if (s == PlasticStyle) {
            c = gradient({{0, lighten(f_.back, 10)}, {1, darken(f_.back, 15)}}, ty);
            // The gloss over the upper half, fading to nothing at the middle.
            if (ty < 0.5)
                c = lighten(c, static_cast<int>(std::lround((f_.state.hover ? 70 : 55) * (1 - 2 * ty))));
        }
        if (s == PlasticStyle && f_.effects.roundedSurface) {
            // Both ends of the capsule turn away from the light.
            const double end = std::min(tx, 1 - tx) * 6;
            if (end < 1)
                c = blendTowards(c, 0, static_cast<int>(std::lround(20 * (1 - end))));
        }
        if (f_.state.pressed)
            c = blendTowards(c, 0, 15);
        else if (f_.state.hover)
            c = hoverShift(c, s == MetallicStyle || s == PlasticStyle ? 12 : 15);
        return argbOf(c);
    }

    int frameWidth() const
    {
        if (f_.style == TextOnlyStyle || picture_)
            return 0;
        if (f_.style == ThreeDStyle || (f_.style == FramedTextStyle && f_.state.hover))
            return f_.style == ThreeDStyle ? 3 : 2;
        return 1;
    }

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
        if (inRange(f_.style, BlendRightStyle, RectangularBlendStyle))
            return darken(f_.back, 30);  // the frame colour is the blend's first colour
        if (f_.style == MetallicStyle)
            return darken(f_.colour1, 40);
        if (f_.style == PlasticStyle)
            return darken(f_.back, 35);
        return f_.frame;
    }

    bool activeRing() const { return f_.state.hover && f_.activeFrame && f_.style != WindowsButtonStyle; }

private:
    const ButtonFace& f_;
    WinColour light_;
    const Bitmap* picture_;
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

// The styles whose body is a filled shape that can cast a shadow.
bool hasShadow(int style)
{
    return !isTransparent(style) && style != ImageHotspotStyle;
}

// Blurs coverage values (0..FullCoverage) with a box of radius r, across and then down.
void boxBlur(std::vector<int>& values, int width, int height, int r)
{
    std::vector<int> line;
    const auto pass = [&](int count, int length, auto at) {
        for (int n = 0; n < count; ++n) {
            line.assign(static_cast<std::size_t>(length), 0);
            for (int i = 0; i < length; ++i) {
                int sum = 0;
                for (int k = std::max(0, i - r); k <= std::min(length - 1, i + r); ++k)
                    sum += at(n, k);
                line[static_cast<std::size_t>(i)] = (sum + r) / (2 * r + 1);
            }
            for (int i = 0; i < length; ++i)
                at(n, i) = line[static_cast<std::size_t>(i)];
        }
    };
    pass(height, width, [&](int y, int x) -> int& { return values[static_cast<std::size_t>(y) * width + x]; });
    pass(width, height, [&](int x, int y) -> int& { return values[static_cast<std::size_t>(y) * width + x]; });
}

// Puts colour with alpha (0..255) over a pixel of the body; the body's own alpha stays, so
// effects never reach outside its shape.
void tint(std::uint32_t& pixel, WinColour colour, int alpha)
{
    if ((pixel >> 24) == 0 || alpha <= 0)
        return;
    const auto channel = [&](int shift, int value) {
        const int below = static_cast<int>(pixel >> shift & 0xFF);
        return static_cast<std::uint32_t>((below * (255 - alpha) + value * alpha + 127) / 255) << shift;
    };
    pixel = (pixel & 0xFF000000u) | channel(16, redOf(colour)) | channel(8, greenOf(colour)) | channel(0, blueOf(colour));
}

const WinColour GlassColours[] = {winRgb(255, 255, 255), winRgb(0, 0, 0), winRgb(255, 0, 0), winRgb(0, 160, 0),
                                  winRgb(0, 0, 255)};

void drawEffects(Bitmap& bitmap, const ButtonFace& face)
{
    const ButtonEffects& fx = face.effects;
    const int w = bitmap.width, h = bitmap.height;
    const auto at = [&](int x, int y) -> std::uint32_t& { return bitmap.pixels[static_cast<std::size_t>(y) * w + x]; };
    const WinColour white = winRgb(255, 255, 255);
    if (fx.glass && fx.glassTransparency < 10) {
        // The upper half under coloured glass, fading out over its last fifth.
        const WinColour glass = GlassColours[std::clamp(fx.glassColour, 1, 5) - 1];
        const int strength = (10 - fx.glassTransparency) * 6 * 255 / 100;
        const int half = h / 2, fade = std::max(1, half / 5);
        for (int y = 0; y < half; ++y) {
            const int a = y < half - fade ? strength : strength * (half - y) / (fade + 1);
            for (int x = 0; x < w; ++x)
                tint(at(x, y), glass, a);
        }
    }
    if (fx.lines && h >= 8) {
        // Two light lines near the top and bottom edges, centred, fading out at their ends.
        const int length = std::min(fx.linesWidth, w - 2);
        const int start = (w - length) / 2, quarter = std::max(1, length / 4);
        for (int i = 0; i < length; ++i) {
            const int fromEnd = std::min(i, length - 1 - i);
            const int a = 128 * std::min(fromEnd + 1, quarter) / quarter;
            tint(at(start + i, 3), white, a);
            tint(at(start + i, h - 4), white, a);
        }
    }
    if (fx.light) {
        // A soft round highlight in the upper left.
        const double cx = w / 3.0, cy = h / 4.0, radius = 0.6 * w;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
                if (d < 1)
                    tint(at(x, y), white, static_cast<int>(std::lround(115 * (1 - d) * (1 - d))));
            }
    }
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

// The effects a style offers the author: the light for the downward and cylindrical blends,
// 3-D and metal, the light and the rounded surface for plastic, and the shadow, glass and
// lines for every other style. Values stored for another style are not drawn.
ButtonEffects effectsOfStyle(int style, const ButtonEffects& stored)
{
    ButtonEffects drawn;
    if (inRange(style, BlendDownStyle, CylinderStyle + 3) || style == ThreeDStyle || style == MetallicStyle) {
        drawn.light = stored.light;
    } else if (style == PlasticStyle) {
        drawn.light = stored.light;
        drawn.roundedSurface = stored.roundedSurface;
    } else {
        drawn = stored;
        drawn.light = drawn.roundedSurface = false;
    }
    return drawn;
}

// An image hotspot: the picture at its own size in the middle, lighter under the mouse and
// darker pressed; without one nothing shows but a dotted frame under the mouse and a light
// shade while pressed. It has no frame, no active frame and no effects.
void drawHotspot(Bitmap& bitmap, const ButtonFace& face, const Bitmap* picture)
{
    if (picture) {
        const int left = (bitmap.width - picture->width) / 2, top = (bitmap.height - picture->height) / 2;
        for (int y = std::max(0, top); y < std::min(bitmap.height, top + picture->height); ++y)
            for (int x = std::max(0, left); x < std::min(bitmap.width, left + picture->width); ++x)
                bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] = pictureInState(
                    picture->pixels[static_cast<std::size_t>(y - top) * picture->width + (x - left)], face.state);
    } else {
        if (face.state.pressed)
            std::fill(bitmap.pixels.begin(), bitmap.pixels.end(), argbOf(0, 48));
        if (face.state.hover)
            drawFocusFrame(bitmap, 0, face.text);
    }
    if (face.state.focus)
        drawFocusFrame(bitmap, 3, face.text);
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
    // Blends start at the frame colour the author chose, else at a lighter fill; metal is
    // silver unless the author chose its colour.
    const bool chosen = entry.ownColours || look.separateFrameColour;
    face.colour1 = chosen ? face.frame : look.style == MetallicStyle ? Silver : lighter(face.back, 170);
    face.effects = effectsOfStyle(look.style, look.effects);
    face.activeFrame = look.activeFrame;
    face.activeFrameColour = look.activeFrameColour;
    face.state = state;
    return face;
}

int buttonCornerRadius(const ButtonFace& face)
{
    const int style = face.style, h = face.height;
    int radius = 0;
    if (inRange(style, Rounded1Style, Rounded1Style + 2))
        radius = 4 * (style - Rounded1Style + 1);
    for (int first : {BlendRightStyle, BlendDownStyle, CylinderStyle})
        if (inRange(style, first + 1, first + 3))
            radius = 4 * (style - first);
    if (style == MetallicStyle)
        radius = std::min(h / 4, 6);
    if (style == PlasticStyle)
        radius = face.effects.roundedSurface ? h / 2 : h / 4;
    return std::min(radius, h / 2);
}

Bitmap renderButtonBody(const ButtonFace& face, const Bitmap* picture)
{
    Bitmap bitmap;
    if (face.width <= 0 || face.height <= 0)
        return bitmap;
    bitmap.width = face.width;
    bitmap.height = face.height;
    bitmap.pixels.assign(static_cast<std::size_t>(face.width) * face.height, 0);
    const bool hasPicture = picture && picture->width > 0 && picture->height > 0;
    if (face.style == ImageHotspotStyle) {
        drawHotspot(bitmap, face, hasPicture ? picture : nullptr);
        return bitmap;
    }

    Bitmap scaled;
    if (hasPicture && face.style == BitmapButtonStyle)
        scaled = scaledPicture(*picture, face.width, face.height);
    const BodyPainter painter(face, scaled.width > 0 ? &scaled : nullptr);
    const RoundedBox outer{0, 0, face.width, face.height, buttonCornerRadius(face)};
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
    drawEffects(bitmap, face);
    if (face.state.focus)
        drawFocusFrame(bitmap, frameWidth + 2, face.style == WindowsButtonStyle ? 0 : face.text);
    return bitmap;
}

Bitmap renderArrow(int width, int height, WinColour colour)
{
    Bitmap arrow;
    if (width <= 0 || height <= 0)
        return arrow;
    arrow.width = width;
    arrow.height = height;
    arrow.pixels.resize(static_cast<std::size_t>(width) * height);
    // Corners (0, 0), (0, height) and (width, height / 2); coverage from 4 x 4 samples a pixel.
    const double half = height / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    inside += px <= width * (1 - std::abs(py - half) / half);
                }
            arrow.pixels[static_cast<std::size_t>(y) * width + x] = argbOf(colour, (inside * 255 + 8) / 16);
        }
    return arrow;
}

Bitmap renderButtonShadow(const ButtonFace& face)
{
    const int size = face.effects.shadowSize;
    Bitmap shadow;
    if (!face.effects.shadow || size <= 0 || face.effects.shadowIntensity <= 0 || !hasShadow(face.style) ||
        face.width <= 0 || face.height <= 0)
        return shadow;
    shadow.width = face.width + 2 * size;
    shadow.height = face.height + 2 * size;
    // The body's shape at (size, size), then blurred by size pixels each way.
    const RoundedBox shape{size, size, size + face.width, size + face.height, buttonCornerRadius(face)};
    std::vector<int> mask(static_cast<std::size_t>(shadow.width) * shadow.height);
    for (int y = 0; y < shadow.height; ++y)
        for (int x = 0; x < shadow.width; ++x)
            mask[static_cast<std::size_t>(y) * shadow.width + x] = shape.coverage(x, y);
    boxBlur(mask, shadow.width, shadow.height, size);
    const int strength = std::min(10, face.effects.shadowIntensity) * 8;  // per cent at full coverage
    shadow.pixels.resize(mask.size());
    for (std::size_t i = 0; i < mask.size(); ++i)
        shadow.pixels[i] = argbOf(0, (mask[i] * strength * 255 + FullCoverage * 50) / (FullCoverage * 100));
    return shadow;
}

}  // namespace orv::shell
