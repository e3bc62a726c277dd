// The rendered looks: colour blends, the window background and the button bodies.
#include <gtest/gtest.h>

#include "shell/look/background.h"
#include "shell/look/button_face.h"
#include "shell/look/colour.h"
#include "shell/look/picture.h"

namespace orv::shell {
namespace {

constexpr WinColour Black = 0, White = 0xFFFFFF;

std::uint32_t pixel(const Bitmap& b, int x, int y) { return b.pixels.at(static_cast<std::size_t>(y) * b.width + x); }
int alpha(std::uint32_t argb) { return static_cast<int>(argb >> 24); }

TEST(Colour, BlendsAndChannelOrder)
{
    EXPECT_EQ(argbOf(winRgb(255, 0, 0)), 0xFFFF0000u);  // Windows red is 0x0000FF
    EXPECT_EQ(argbOf(winRgb(1, 2, 3), 0x80), 0x80010203u);
    EXPECT_EQ(blendTowards(Black, White, 50), winRgb(128, 128, 128));
    EXPECT_EQ(blendTowards(winRgb(200, 0, 0), winRgb(0, 0, 100), 25), winRgb(150, 0, 25));
    EXPECT_EQ(blendTowards(Black, White, 250), White);  // depths beyond 100 stop at the second colour
    EXPECT_EQ(lighter(winRgb(0, 0, 100), 150), winRgb(0, 0, 150));
    EXPECT_EQ(lighter(winRgb(0, 0, 200), 200), winRgb(145, 145, 255));  // beyond full brightness: paler
}

TEST(Background, ToneDirections)
{
    MenuDescription m;
    m.backColour = Black;
    m.backColour2 = White;
    const auto row = [&](int direction, int depth) {
        m.toneDirection = direction;
        m.blendDepth = depth;
        const Bitmap b = renderBackground(m, 4, 2);
        return std::vector<std::uint32_t>{pixel(b, 0, 1), pixel(b, 1, 1), pixel(b, 2, 1), pixel(b, 3, 1)};
    };
    using Row = std::vector<std::uint32_t>;
    EXPECT_EQ(row(0, 100), (Row{0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}));
    // Taken at the pixel centres 1/8, 3/8, 5/8 and 7/8 of the way.
    EXPECT_EQ(row(1, 100), (Row{0xFF202020, 0xFF606060, 0xFF9F9F9F, 0xFFDFDFDF}));
    EXPECT_EQ(row(2, 100), (Row{0xFFDFDFDF, 0xFF9F9F9F, 0xFF606060, 0xFF202020}));
    EXPECT_EQ(row(1, 50), (Row{0xFF101010, 0xFF303030, 0xFF505050, 0xFF707070}));
    EXPECT_EQ(row(6, 100), (Row{0xFF404040, 0xFFBFBFBF, 0xFFBFBFBF, 0xFF404040}));
    // Down: the lower row is 3/4 of the way.
    EXPECT_EQ(row(4, 100), (Row{0xFFBFBFBF, 0xFFBFBFBF, 0xFFBFBFBF, 0xFFBFBFBF}));
    EXPECT_EQ(row(3, 100)[0], 0xFF404040u);
}

ButtonFace face(int style, ButtonState state = {})
{
    ButtonLook look;
    look.style = style;
    look.backColour = winRgb(0, 0, 128);
    look.foreColour = winRgb(255, 255, 0);
    look.activeFrame = true;
    look.activeFrameColour = White;
    return buttonFace(look, MenuEntry{}, state, 40, 30);
}

TEST(ButtonBody, RoundedCornersAreAntialiasedAndSymmetric)
{
    const Bitmap b = renderButtonBody(face(9));  // radius 12
    EXPECT_EQ(pixel(b, 0, 0), 0u);
    EXPECT_EQ(pixel(b, 20, 15), argbOf(winRgb(0, 0, 128)));
    EXPECT_EQ(pixel(b, 20, 0), argbOf(winRgb(255, 255, 0)));  // the frame
    const int edge = alpha(pixel(b, 2, 5));  // the arc crosses this pixel
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, 255);
    EXPECT_EQ(pixel(b, 37, 5), pixel(b, 2, 5));
    EXPECT_EQ(pixel(b, 2, 24), pixel(b, 2, 5));
}

TEST(ButtonBody, HoverPressedAndTransparentStyles)
{
    EXPECT_EQ(pixel(renderButtonBody(face(4, ButtonState{true, false, false})), 20, 0), argbOf(White));  // the active frame
    EXPECT_LT(pixel(renderButtonBody(face(4, ButtonState{true, true, false})), 20, 15) & 0xFF, 128u);  // darker
    const Bitmap textOnly = renderButtonBody(face(2));
    EXPECT_EQ(pixel(textOnly, 20, 0), 0u);
    EXPECT_EQ(pixel(textOnly, 20, 15), 0u);
    EXPECT_EQ(pixel(renderButtonBody(face(2, ButtonState{true, false, false})), 20, 0), argbOf(White));
}

// Each effect stays inside the body's shape and changes only its own part of it.
TEST(ButtonEffects, GlassLinesLightShadowAndRoundedSurface)
{
    ButtonFace plain = face(4);
    const Bitmap base = renderButtonBody(plain);

    ButtonFace glass = plain;
    glass.effects.glass = true;
    glass.effects.glassTransparency = 0;  // strongest: 60 % white
    const Bitmap glassy = renderButtonBody(glass);
    EXPECT_EQ(pixel(glassy, 20, 5), argbOf(winRgb(153, 153, 204)));
    EXPECT_EQ(pixel(glassy, 20, 20), pixel(base, 20, 20));  // the lower half stays
    glass.effects.glassTransparency = 10;
    EXPECT_EQ(renderButtonBody(glass).pixels, base.pixels);

    ButtonFace lines = plain;
    lines.effects.lines = true;
    lines.effects.linesWidth = 500;  // longer than the button: two pixels short of it
    const Bitmap lined = renderButtonBody(lines);
    EXPECT_NE(pixel(lined, 20, 3), pixel(base, 20, 3));
    EXPECT_NE(pixel(lined, 20, 26), pixel(base, 20, 26));
    EXPECT_EQ(pixel(lined, 20, 10), pixel(base, 20, 10));
    EXPECT_EQ(pixel(lined, 0, 3), pixel(base, 0, 3));

    ButtonFace light = plain;
    light.effects.light = true;
    const Bitmap lit = renderButtonBody(light);
    EXPECT_GT(pixel(lit, 13, 7) & 0xFF, pixel(base, 13, 7) & 0xFF);
    EXPECT_EQ(pixel(lit, 39, 29), pixel(base, 39, 29));  // beyond its reach

    ButtonFace shadow = plain;
    shadow.effects.shadow = true;
    shadow.effects.shadowSize = 4;
    shadow.effects.shadowIntensity = 10;
    const Bitmap cast = renderButtonShadow(shadow);
    EXPECT_EQ(cast.width, 48);
    EXPECT_EQ(cast.height, 38);
    EXPECT_EQ(alpha(pixel(cast, 24, 19)), 204);  // 80 % under the middle of the body
    EXPECT_EQ(alpha(pixel(cast, 0, 0)), 0);
    EXPECT_GT(alpha(pixel(cast, 45, 35)), 0);  // below and right of the body
    shadow.style = TextOnlyStyle;
    EXPECT_EQ(renderButtonShadow(shadow).width, 0);

    // A style draws only the effects the editor offers for it.
    ButtonLook metal;
    metal.style = MetallicStyle;
    metal.effects.glass = metal.effects.light = true;
    const ButtonEffects drawn = buttonFace(metal, MenuEntry{}, {}, 40, 30).effects;
    EXPECT_FALSE(drawn.glass);
    EXPECT_TRUE(drawn.light);

    ButtonFace capsule = face(PlasticStyle);
    capsule.effects.roundedSurface = true;
    const Bitmap pill = renderButtonBody(capsule);
    EXPECT_EQ(alpha(pixel(pill, 2, 2)), 0);  // radius 15: a capsule
    EXPECT_LT(pixel(pill, 1, 15) & 0xFF, pixel(pill, 20, 15) & 0xFF);  // the ends are darker
}

// A 2 x 1 picture, red then blue, over a black 5 x 3 background.
TEST(BackgroundPicture, PatternStretchPositionAndTitleBand)
{
    Bitmap picture{2, 1, {0xFFFF0000, 0xFF0000FF}};
    const auto place = [&](BackgroundPicture options, int band = 0) {
        Bitmap back{5, 3, std::vector<std::uint32_t>(15, 0xFF000000)};
        placeBackgroundPicture(back, picture, options, band);
        std::string rows;
        for (int y = 0; y < 3; ++y, rows += '|')
            for (int x = 0; x < 5; ++x) {
                const std::uint32_t p = pixel(back, x, y);
                rows += p == 0xFFFF0000 ? 'r' : p == 0xFF0000FF ? 'b' : p == 0xFF000000 ? '.' : '~';
            }
        return rows;
    };
    // One option at a time, as the editor allows.
    const auto with = [](bool BackgroundPicture::*option) {
        BackgroundPicture o;
        o.*option = true;
        o.x = 3;
        o.y = 2;
        return o;
    };
    EXPECT_EQ(place({}), "rb...|.....|.....|");
    EXPECT_EQ(place(with(&BackgroundPicture::pattern)), "rbrbr|rbrbr|rbrbr|");
    EXPECT_EQ(place(with(&BackgroundPicture::userPosition)), ".....|.....|...rb|");
    EXPECT_EQ(place(with(&BackgroundPicture::behindTitle), 0), ".....|.....|.....|");  // no title, no band
    picture = Bitmap{2, 2, {0xFFFF0000, 0xFF0000FF, 0xFFFF0000, 0xFF0000FF}};
    EXPECT_EQ(place(with(&BackgroundPicture::stretch)), "r~~~b|r~~~b|r~~~b|");  // blended between the centres

    Bitmap logo{2, 1, {0xFF000000, 0xFF102030}};
    makeTransparent(logo, winRgb(0, 0, 0));
    EXPECT_EQ(logo.pixels, (std::vector<std::uint32_t>{0u, 0xFF102030u}));
}

TEST(ButtonColours, OwnColoursSeparateFrameAndMetallicText)
{
    ButtonLook look;
    look.foreColour = 1;
    look.frameColour = 2;
    MenuEntry own;
    own.ownColours = true;
    own.textColour = 3;
    own.frameColour = 4;
    EXPECT_EQ(buttonFrameColour(look, MenuEntry{}), 1u);
    EXPECT_EQ(buttonFrameColour(look, own), 4u);
    look.separateFrameColour = true;
    EXPECT_EQ(buttonFrameColour(look, MenuEntry{}), 2u);
    EXPECT_EQ(buttonTextColour(look, own), 3u);
    look.style = MetallicStyle;
    EXPECT_EQ(buttonTextColour(look, MenuEntry{}), winRgb(0x20, 0x20, 0x20));
    EXPECT_EQ(buttonTextColour(look, own), 3u);
}

}  // namespace
}  // namespace orv::shell
