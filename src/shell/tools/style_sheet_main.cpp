// orv_style_sheet OUT.png: every button style of the menu program, normal, under the mouse
// and pressed, with and without the effects, on one sheet. The painters are the menu
// program's own, so the sheet shows what a menu shows.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "model/menu_project.h"
#include "shell/look/button_face.h"
#include "shell/look/colour.h"
#include "shell/window/qpainter_canvas.h"

using namespace orv;
using namespace orv::shell;

namespace {

constexpr int ButtonWidth = 190, ButtonHeight = 34, NameWidth = 290, Cell = 214, Row = 52;
const char* const Columns[] = {"Normal", "Hover", "Pressed", "Effects", "Effects, hover"};

// The pictures of the picture styles, drawn here rather than read from files: a warm band
// with a light top for the Bitmap Button, a round badge with a play sign for the hotspot.
Bitmap samplePicture(int style)
{
    const bool badge = style == ImageHotspotStyle;
    Bitmap b;
    b.width = badge ? ButtonHeight : ButtonWidth;
    b.height = ButtonHeight;
    b.pixels.resize(static_cast<std::size_t>(b.width) * b.height);
    const double r = b.height / 2.0;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            std::uint32_t& p = b.pixels[static_cast<std::size_t>(y) * b.width + x];
            if (!badge) {
                const WinColour c = mixColours(winRgb(250, 214, 120), winRgb(170, 100, 20), y, b.height - 1);
                p = argbOf(y < b.height / 3 ? blendTowards(c, winRgb(255, 255, 255), 25) : c);
                continue;
            }
            const double dx = x + 0.5 - r, dy = y + 0.5 - r;
            const double edge = std::clamp(r - 0.5 - std::sqrt(dx * dx + dy * dy), 0.0, 1.0);
            const bool play = dx > -r / 3 && dx < r / 2 && std::abs(dy) < (r / 2 - dx) * 0.58;
            p = argbOf(play ? winRgb(255, 255, 255) : winRgb(232, 150, 30), static_cast<int>(edge * 255));
        }
    return b;
}

void drawButton(Canvas& canvas, int x, int y, int style, ButtonState state, bool effects)
{
    ButtonLook look;
    look.style = style;
    look.foreColour = winRgb(255, 255, 255);
    look.frameColour = winRgb(120, 200, 255);  // colour 1 of the blends
    look.separateFrameColour = true;
    look.backColour = winRgb(20, 60, 140);
    look.activeFrame = true;
    look.activeFrameColour = winRgb(255, 210, 0);
    if (effects) {
        ButtonEffects& fx = look.effects;
        fx.shadow = true;
        fx.shadowSize = 4;
        fx.shadowIntensity = 6;
        if (style < 25) {
            fx.glass = true;
            fx.glassTransparency = 6;
            fx.lines = true;
            fx.linesWidth = 120;
        } else {
            fx.light = true;
            fx.roundedSurface = true;
        }
    }
    const bool picture = style == BitmapButtonStyle || style == ImageHotspotStyle;
    const Bitmap sample = picture ? samplePicture(style) : Bitmap{};
    // A hotspot takes its picture's size.
    const int width = style == ImageHotspotStyle ? sample.width : ButtonWidth;
    const ButtonFace face = buttonFace(look, MenuEntry{}, state, width, ButtonHeight);
    canvas.drawBitmap(x, y, renderButtonShadow(face));
    canvas.drawBitmap(x, y, renderButtonBody(face, picture ? &sample : nullptr));
    if (style == ImageHotspotStyle)
        return;  // no caption
    TextRun text;
    text.box = {x, y, ButtonWidth, ButtonHeight};
    text.text = "Install";
    text.font = {"Arial", 11, true, false};
    text.colour = face.text;
    text.align = HAlign::Centre;
    text.underline = style == TextOnlyStyle && state.hover;
    canvas.drawText(text);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: orv_style_sheet OUT.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    std::vector<int> styles;
    for (int s = 2; s <= ButtonStyleCount; ++s)
        if (!IsButtonStyleHeading(s))
            styles.push_back(s);
    const int width = NameWidth + Cell * static_cast<int>(std::size(Columns)) + 10;
    const int height = 40 + Row * static_cast<int>(styles.size());
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(0x1B, 0x26, 0x3B));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPainterCanvas canvas(painter);

    const auto label = [&](int x, int y, int w, const std::string& text, WinColour colour) {
        TextRun run;
        run.box = {x, y, w, 30};
        run.text = text;
        run.font = {"Arial", 10, false, false};
        run.colour = colour;
        canvas.drawText(run);
    };
    for (std::size_t c = 0; c < std::size(Columns); ++c)
        label(NameWidth + Cell * static_cast<int>(c), 6, Cell, Columns[c], winRgb(200, 210, 230));
    int y = 40;
    for (int style : styles) {
        label(12, y + 2, NameWidth - 12, ButtonStyleName(style), winRgb(235, 240, 250));
        const ButtonState states[] = {{}, {true, false, false}, {true, true, false}, {}, {true, false, false}};
        for (std::size_t c = 0; c < std::size(states); ++c)
            drawButton(canvas, NameWidth + Cell * static_cast<int>(c), y, style, states[c], c >= 3);
        y += Row;
    }
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
