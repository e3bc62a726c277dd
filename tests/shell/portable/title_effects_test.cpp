// The title's underline and band, the social-media badges and the window's fading: their
// pixels and where the painter puts them.
#include <gtest/gtest.h>

#include "shell/layout/menu_layout.h"
#include "shell/look/colour.h"
#include "shell/look/social_logo.h"
#include "shell/look/title_effects.h"
#include "shell/render/menu_painter.h"
#include "shell/session/window_fading.h"

namespace orv::shell {
namespace {

using Pixels = std::vector<std::uint32_t>;

std::uint32_t pixel(const Bitmap& b, int x, int y) { return b.pixels.at(static_cast<std::size_t>(y) * b.width + x); }
Pixels column(const Bitmap& b, int x)
{
    Pixels c;
    for (int y = 0; y < b.height; ++y)
        c.push_back(pixel(b, x, y));
    return c;
}

TEST(TitleEffectsLook, UnderlineTypesBackgroundLinesAndMetalPlate)
{
    TitleEffects fx;
    fx.underlineColour1 = winRgb(200, 0, 0);
    fx.underlineColour2 = winRgb(0, 0, 200);
    const auto underline = [&](int type) {
        fx.underline = type;
        return renderUnderline(fx, 4, 6);
    };
    EXPECT_EQ(underline(0).pixels.size(), 0u);
    EXPECT_EQ(column(underline(1), 3), Pixels(6, 0xFFC80000));
    // Misty: rows at 1/12, 3/12 ... of the height; solid in the middle third.
    EXPECT_EQ(column(underline(2), 1), (Pixels{0x40C80000, 0xBFC80000, 0xFFC80000, 0xFFC80000, 0xBFC80000, 0x40C80000}));
    // Blend: taken at the pixel centres 1/8, 3/8, 5/8 and 7/8 of the way.
    const Bitmap blend = underline(3);
    EXPECT_EQ(Pixels(blend.pixels.end() - 4, blend.pixels.end()), (Pixels{0xFFAF0019, 0xFF7D004B, 0xFF4B007D, 0xFF1900AF}));

    EXPECT_EQ(renderTitleBand(fx, 3, 5).pixels.size(), 0u);
    fx.lines = true;
    fx.linesColour = winRgb(0, 128, 0);
    EXPECT_EQ(column(renderTitleBand(fx, 3, 5), 2), (Pixels{0x59008000, 0, 0, 0x59008000, 0}));
    fx.lines = false;
    fx.metalPlate = true;
    const Bitmap plate = renderTitleBand(fx, 3, 20);
    EXPECT_EQ(pixel(plate, 1, 0), 0xFFF6F6F6u);   // silver lighter by 85 %
    EXPECT_EQ(pixel(plate, 1, 19), 0xFF6A6A6Au);  // silver darker by 45 %
    EXPECT_GT(pixel(plate, 0, 2) & 0xFF, pixel(plate, 0, 10) & 0xFF);  // lit at the top, darker below the middle
}

TEST(TitleEffectsLook, UnderlineAsWideAsTheTextAtTheTitlesAlignment)
{
    const Rect line{20, 67, 460, 3};
    EXPECT_EQ(underlineExtent(line, 100, 1, true), (Rect{20, 67, 100, 3}));
    EXPECT_EQ(underlineExtent(line, 100, 2, true), (Rect{200, 67, 100, 3}));
    EXPECT_EQ(underlineExtent(line, 100, 3, true), (Rect{380, 67, 100, 3}));
    EXPECT_EQ(underlineExtent(line, 600, 2, true), line);
    EXPECT_EQ(underlineExtent(line, 100, 3, false), line);
}

// A surface whose font engine makes every text 100 px wide.
class MeasuringCanvas : public Canvas {
public:
    std::vector<std::string> calls;
    void drawBitmap(int x, int y, const Bitmap& b) override
    {
        calls.push_back("bitmap " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(b.width) + 'x' +
                        std::to_string(b.height));
    }
    void drawText(const TextRun& run) override { calls.push_back("text " + run.text); }
    int textWidth(const TextRun&) override { return 100; }
};

TEST(TitleEffectsLook, PaintedBandFirstUnderlineUnderTheMeasuredTitleAndBadgesWithLetters)
{
    MenuDescription m;
    m.title.text = "Title";
    m.title.font.size = 26;  // a row of 52; the line starts 4 px below the 35 px letters
    m.title.alignment = 2;
    m.titleEffects.underline = 1;
    m.titleEffects.metalPlate = true;
    m.socialLogos = {SocialLogo{0, "https://example.org", "Ours"}, SocialLogo{3, "", ""}};
    MeasuringCanvas canvas;
    MenuPainter().paint(m, layoutMenu(m, 500, 400), {}, canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"bitmap 0 0 500x400", "bitmap 0 20 500x52", "bitmap 434 364 24x24",
                                                     "text f", "bitmap 464 364 24x24", "bitmap 200 67 100x3",
                                                     "text Title"}));
}

TEST(TitleEffectsLook, SocialLogoIsAnAntialiasedDiscWithItsMark)
{
    const Bitmap facebook = renderSocialLogo(0, 24);
    EXPECT_EQ(pixel(facebook, 0, 0), 0u);
    EXPECT_EQ(pixel(facebook, 12, 12), 0xFF4F6AA2u);  // (59, 89, 152) lighter by 10 %, half way down
    const std::uint32_t edge = pixel(facebook, 3, 3) >> 24;  // the circle crosses this pixel
    EXPECT_TRUE(edge > 0 && edge < 255) << edge;
    EXPECT_EQ(pixel(facebook, 20, 3), pixel(facebook, 3, 3));
    EXPECT_EQ(pixel(renderSocialLogo(3, 24), 12, 12), 0xFFFFFFFFu);  // the play triangle
    EXPECT_EQ(socialLogoLetters(3) + socialLogoLetters(4), "in");
}

TEST(WindowFading, SpeedsTransparencyAndSteps)
{
    EXPECT_EQ((std::vector<int>{fadeMilliseconds(0), fadeMilliseconds(1), fadeMilliseconds(2), fadeMilliseconds(3),
                                fadeMilliseconds(4), fadeMilliseconds(5), fadeMilliseconds(-1)}),
              (std::vector<int>{2400, 1600, 1000, 600, 300, 0, 0}));
    struct Case {
        WindowEffects effects;
        int elapsed, alpha;
    };
    for (const Case& c : {Case{{false, 2, 30}, 0, 255}, Case{{true, 2, 0}, 1000, 255}, Case{{true, 2, 30}, 0, 0},
                          Case{{true, 2, 30}, 500, 90}, Case{{true, 2, 30}, 1000, 179}, Case{{true, 2, 30}, 9000, 179},
                          Case{{true, 5, 90}, 0, 26}, Case{{true, 0, 95}, 2400, 26}})
        EXPECT_EQ(fadeAlpha(c.effects, c.elapsed), c.alpha) << c.effects.fadingSpeed << " " << c.elapsed;
}

}  // namespace
}  // namespace orv::shell
