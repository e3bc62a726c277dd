#include "templates/tools/sample_art.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace orv::art {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A small fixed generator, so that scattered things (clouds, glints) land in the same
// places on every build.
class Scatter {
public:
    explicit Scatter(unsigned seed) : state_(seed) {}
    double next()  // 0..1
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    unsigned state_;
};

QColor rgb(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }

QImage canvas(int width, int height, QColor fill = Qt::transparent)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void antialiased(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A vertical gradient through the given stops over the rectangle.
void fillVertical(QPainter& p, const QRectF& r, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(r, g);
}

// A soft round light: colour in the middle, fading out at radius.
void glow(QPainter& p, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(0, colour);
    g.setColorAt(0.35, QColor(colour.red(), colour.green(), colour.blue(), colour.alpha() / 2));
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void disc(QPainter& p, QPointF centre, double radius, QColor inner, QColor outer)
{
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A fluffy cloud: overlapping puffs, a shaded underside first, then the lit tops.
void cloud(QPainter& p, QPointF at, double size, QColor light, QColor shade, unsigned seed)
{
    Scatter s(seed);
    std::vector<QRectF> puffs;
    const int count = 7;
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        const double r = size * (0.22 + 0.2 * std::sin(t * Pi)) * s.between(0.85, 1.15);
        const double x = at.x() + (t - 0.5) * size * 1.6;
        const double y = at.y() - r * 0.55 * std::sin(t * Pi) + s.between(-2, 2);
        puffs.emplace_back(x - r, y - r, 2 * r, 2 * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    for (const QRectF& r : puffs)
        p.drawEllipse(r.translated(0, size * 0.06));
    p.drawRoundedRect(QRectF(at.x() - size * 0.8, at.y() - size * 0.05, size * 1.6, size * 0.22), size * 0.11,
                      size * 0.11);
    for (const QRectF& r : puffs) {
        QRadialGradient g(r.center() - QPointF(0, r.height() * 0.25), r.width() * 0.6);
        g.setColorAt(0, light);
        g.setColorAt(1, QColor::fromRgbF(light.redF() * 0.97, light.greenF() * 0.97, light.blueF() * 0.99));
        p.setBrush(g);
        p.drawEllipse(r.adjusted(0, 0, 0, -size * 0.05));
    }
}

// Glints on water: soft horizontal flecks, wider and closer near the light's column, each
// fading out at both ends.
void glints(QPainter& p, double centreX, double top, double bottom, double spread, QColor colour, unsigned seed)
{
    Scatter s(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const double t = s.next();
        const double y = top + (bottom - top) * t * t;
        const double width = spread * (0.25 + t) * s.between(0.3, 1.0);
        const double x = centreX + s.between(-1, 1) * spread * (0.3 + t);
        const double thickness = 0.8 + 1.6 * t;
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * (1.0 - 0.5 * t) * s.between(0.4, 1.0));
        QColor clear = c;
        clear.setAlpha(0);
        QLinearGradient fleck(x - width / 2, 0, x + width / 2, 0);
        fleck.setColorAt(0, clear);
        fleck.setColorAt(0.5, c);
        fleck.setColorAt(1, clear);
        p.setBrush(fleck);
        p.drawEllipse(QRectF(x - width / 2, y - thickness / 2, width, thickness));
    }
}

// A ridge line across the picture: a closed shape from a baseline upwards.
QPainterPath ridge(double width, double baseline, double bottom, const std::function<double(double)>& height)
{
    QPainterPath path(QPointF(0, bottom));
    for (double x = 0; x <= width; x += 2)
        path.lineTo(x, baseline - height(x));
    path.lineTo(width, bottom);
    path.closeSubpath();
    return path;
}

// ---- The sample menu pictures (Examples/Objects) ----

QImage doubleSuns()
{
    const int w = 189, h = 252, horizon = 176;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, horizon),
                 {{0, rgb(8, 16, 78)}, {0.45, rgb(40, 70, 170)}, {0.8, rgb(150, 130, 190)}, {1, rgb(255, 196, 120)}});
    glow(p, QPointF(66, 118), 95, rgb(255, 220, 150, 170));
    glow(p, QPointF(136, 88), 55, rgb(255, 200, 140, 150));
    disc(p, QPointF(66, 118), 27, rgb(255, 252, 225), rgb(255, 214, 110));
    disc(p, QPointF(136, 88), 13, rgb(255, 246, 220), rgb(255, 180, 100));
    // The far coast.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(36, 44, 112));
    p.drawPath(ridge(w, horizon, horizon + 1,
                     [](double x) { return 8 + 7 * std::sin(x / 23.0) + 4 * std::sin(x / 7.0 + 1); }));
    fillVertical(p, QRectF(0, horizon, w, h - horizon),
                 {{0, rgb(60, 80, 170)}, {0.4, rgb(22, 36, 120)}, {1, rgb(4, 8, 48)}});
    glints(p, 66, horizon + 2, h - 4, 28, rgb(255, 230, 160, 220), 11);
    glints(p, 136, horizon + 2, h - 30, 14, rgb(255, 210, 160, 170), 12);
    return image;
}

QImage coffeeCup()
{
    const int w = 189, h = 252, table = 176;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, table), {{0, rgb(232, 242, 214)}, {1, rgb(176, 206, 150)}});
    glow(p, QPointF(40, 40), 120, rgb(255, 255, 240, 150));
    fillVertical(p, QRectF(0, table, w, h - table), {{0, rgb(150, 100, 62)}, {1, rgb(92, 56, 30)}});
    p.setPen(QPen(rgb(120, 78, 44, 120), 1));
    for (int y = table + 9; y < h; y += 13)
        p.drawLine(0, y, w, y + 3);

    const double cx = 94;
    // Shadow and saucer.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(50, 30, 15, 90));
    p.drawEllipse(QPointF(cx + 6, 206), 80, 18);
    QLinearGradient saucer(0, 186, 0, 218);
    saucer.setColorAt(0, rgb(255, 255, 255));
    saucer.setColorAt(1, rgb(196, 204, 198));
    p.setBrush(saucer);
    p.drawEllipse(QPointF(cx, 200), 76, 17);
    p.setBrush(rgb(220, 228, 222));
    p.drawEllipse(QPointF(cx, 197), 44, 9);

    // The handle, behind the body's right side.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(216, 222, 218), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(cx + 28, 118, 44, 50), -70 * 16, 160 * 16);
    p.setPen(QPen(rgb(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(cx + 30, 120, 40, 46), -40 * 16, 110 * 16);

    // The body: a tapering bowl.
    QPainterPath body;
    body.moveTo(cx - 52, 110);
    body.lineTo(cx + 52, 110);
    body.cubicTo(cx + 50, 160, cx + 38, 192, cx + 16, 196);
    body.lineTo(cx - 16, 196);
    body.cubicTo(cx - 38, 192, cx - 50, 160, cx - 52, 110);
    QLinearGradient porcelain(cx - 52, 0, cx + 52, 0);
    porcelain.setColorAt(0, rgb(200, 208, 204));
    porcelain.setColorAt(0.3, rgb(255, 255, 255));
    porcelain.setColorAt(0.7, rgb(236, 240, 238));
    porcelain.setColorAt(1, rgb(176, 186, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(porcelain);
    p.drawPath(body);
    // A green band around the cup.
    p.save();
    p.setClipPath(body);
    QLinearGradient band(cx - 52, 0, cx + 52, 0);
    band.setColorAt(0, rgb(0, 90, 20));
    band.setColorAt(0.35, rgb(40, 160, 60));
    band.setColorAt(1, rgb(0, 80, 20));
    p.fillRect(QRectF(0, 140, w, 12), band);
    p.restore();
    // Rim and coffee.
    p.setBrush(rgb(246, 248, 246));
    p.drawEllipse(QPointF(cx, 110), 52, 11);
    QRadialGradient coffee(QPointF(cx - 10, 108), 50);
    coffee.setColorAt(0, rgb(196, 140, 84));
    coffee.setColorAt(0.45, rgb(132, 78, 38));
    coffee.setColorAt(1, rgb(74, 40, 18));
    p.setBrush(coffee);
    p.drawEllipse(QPointF(cx, 111), 47, 8.5);

    // Steam.
    for (int i = 0; i < 3; ++i) {
        const double x = cx - 22 + i * 22;
        QPainterPath steam(QPointF(x, 98));
        steam.cubicTo(x - 14, 80, x + 14, 66, x, 46 - i * 4);
        steam.cubicTo(x - 10, 34, x + 8, 24, x + 2, 14 + i * 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgb(255, 255, 255, 110), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(steam);
        p.setPen(QPen(rgb(255, 255, 255, 150), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(steam);
    }
    return image;
}

QImage redSea()
{
    const int w = 189, h = 252, horizon = 150;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, horizon),
                 {{0, rgb(50, 0, 14)}, {0.5, rgb(168, 22, 24)}, {0.85, rgb(240, 96, 50)}, {1, rgb(255, 168, 90)}});
    glow(p, QPointF(94, horizon), 110, rgb(255, 170, 90, 170));
    p.save();
    p.setClipRect(0, 0, w, horizon);
    disc(p, QPointF(94, horizon + 4), 32, rgb(255, 246, 200), rgb(255, 150, 70));
    p.restore();
    cloud(p, QPointF(44, 62), 40, rgb(236, 120, 100), rgb(140, 26, 34), 31);
    cloud(p, QPointF(150, 36), 30, rgb(214, 96, 86), rgb(110, 14, 28), 32);
    fillVertical(p, QRectF(0, horizon, w, h - horizon), {{0, rgb(200, 50, 40)}, {0.35, rgb(130, 10, 20)}, {1, rgb(36, 0, 6)}});
    // Waves: thin lighter crests.
    Scatter s(33);
    for (int row = 0; row < 16; ++row) {
        const double y = horizon + 6 + row * row * 0.42 + row * 2;
        const double amplitude = 0.6 + row * 0.25;
        QPainterPath wave(QPointF(-4, y));
        const double phase = s.between(0, 2 * Pi);
        for (double x = -4; x <= w + 4; x += 3)
            wave.lineTo(x, y + amplitude * std::sin(x / (6.0 + row) + phase));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgb(255, 120, 90, 70 - row * 3), 1 + row * 0.12));
        p.drawPath(wave);
    }
    glints(p, 94, horizon + 2, h - 6, 30, rgb(255, 220, 150, 230), 34);
    return image;
}

QImage sunSet()
{
    const int w = 189, h = 252, horizon = 182;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, h),
                 {{0, rgb(118, 46, 104)},
                  {0.35, rgb(226, 96, 64)},
                  {0.62, rgb(255, 170, 70)},
                  {0.75, rgb(255, 220, 120)},
                  {1, rgb(255, 200, 90)}});
    glow(p, QPointF(96, 156), 120, rgb(255, 236, 160, 190));
    disc(p, QPointF(96, 156), 40, rgb(255, 252, 220), rgb(255, 200, 80));
    // Thin clouds across the sun.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QLinearGradient streak(20 + i * 31, 0, 110 + i * 23, 0);
        streak.setColorAt(0, rgb(200, 80, 90, 0));
        streak.setColorAt(0.5, rgb(200, 80, 90, 90 - i * 12));
        streak.setColorAt(1, rgb(200, 80, 90, 0));
        p.setBrush(streak);
        p.drawEllipse(QRectF(20 + i * 31, 70 + i * 22, 90 - i * 8, 5));
    }
    // Hills, far to near.
    p.setBrush(rgb(196, 92, 72));
    p.drawPath(ridge(w, horizon, h, [](double x) { return 22 + 12 * std::sin(x / 30.0 + 0.5) + 5 * std::sin(x / 11.0); }));
    p.setBrush(rgb(122, 44, 48));
    p.drawPath(ridge(w, horizon + 22, h, [](double x) { return 18 + 16 * std::sin(x / 42.0 + 2.4) + 3 * std::sin(x / 7.0); }));
    p.setBrush(rgb(58, 18, 28));
    p.drawPath(ridge(w, h - 14, h, [](double x) { return 10 + 12 * std::cos(x / 35.0) + 2 * std::sin(x / 5.0); }));
    // Birds.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(70, 20, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& b : {QPointF(40, 58), QPointF(58, 46), QPointF(140, 70), QPointF(152, 80)}) {
        QPainterPath bird(b + QPointF(-6, -2));
        bird.quadTo(b + QPointF(-3, -5), b);
        bird.quadTo(b + QPointF(3, -5), b + QPointF(6, -2));
        p.drawPath(bird);
    }
    return image;
}

// A stage: dark velvet curtains drawn to the sides, folds shaded per pixel, and a spotlight
// on the floor between them.
QImage blackCurtain()
{
    const int w = 168, h = 252;
    const double mid = w / 2.0;
    QImage image = canvas(w, h, Qt::black);
    {
        QPainter p(&image);
        antialiased(p);
        QLinearGradient cone(mid, 0, mid, h);
        cone.setColorAt(0, rgb(120, 130, 150, 60));
        cone.setColorAt(1, rgb(200, 205, 220, 30));
        QPolygonF beam({QPointF(mid - 13, 0), QPointF(mid + 13, 0), QPointF(mid + 52, h - 20), QPointF(mid - 52, h - 20)});
        p.setPen(Qt::NoPen);
        p.setBrush(cone);
        p.drawPolygon(beam);
        QRadialGradient spot(QPointF(mid, h - 22), 58);
        spot.setColorAt(0, rgb(230, 232, 240, 150));
        spot.setColorAt(1, rgb(230, 232, 240, 0));
        p.setBrush(spot);
        p.drawEllipse(QPointF(mid, h - 22), 58, 15);
    }
    for (int y = 0; y < h; ++y) {
        const double t = static_cast<double>(y) / (h - 1);
        const double edge = 34 + 26 * t * t;  // the curtains gather towards the floor
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double fromSide = x < w / 2 ? x : w - 1 - x;
            if (fromSide > edge)
                continue;
            const double u = fromSide / edge;  // 0 at the side, 1 at the curtain's edge
            const double folds = 0.5 + 0.5 * std::sin((1.0 - u) * (7.5 + 2 * t) * Pi + (x < w / 2 ? 0 : 1.3));
            double light = 0.18 + 0.62 * std::pow(folds, 1.6);
            light *= 0.75 + 0.25 * u;                  // lit from the stage
            light *= 0.55 + 0.45 * std::sin(Pi * (0.15 + 0.8 * t));
            const double rim = std::clamp((edge - fromSide) / 1.5, 0.0, 1.0);  // a smooth edge
            const QColor under = QColor::fromRgba(line[x]);
            const auto mix = [&](double c, int b) { return static_cast<int>(std::lround(c * rim + b * (1 - rim))); };
            line[x] = qRgb(mix(40 + 110 * light, under.red()), mix(40 + 116 * light, under.green()),
                           mix(50 + 132 * light, under.blue()));
        }
    }
    QPainter p(&image);
    antialiased(p);
    // The pelmet: a scalloped band along the top.
    QPainterPath pelmet(QPointF(0, 0));
    pelmet.lineTo(w, 0);
    pelmet.lineTo(w, 20);
    for (int i = 6; i >= 0; --i) {
        const double x0 = w * (i + 1) / 7.0, x1 = w * i / 7.0;
        pelmet.quadTo((x0 + x1) / 2, 34, x1, 20);
    }
    pelmet.closeSubpath();
    QLinearGradient velvet(0, 0, 0, 32);
    velvet.setColorAt(0, rgb(28, 30, 38));
    velvet.setColorAt(0.7, rgb(96, 104, 124));
    velvet.setColorAt(1, rgb(54, 58, 72));
    p.setPen(QPen(rgb(150, 156, 176), 1));
    p.setBrush(velvet);
    p.drawPath(pelmet);
    return image;
}

QImage clouds()
{
    const int w = 168, h = 252;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, h), {{0, rgb(52, 118, 206)}, {0.6, rgb(126, 180, 236)}, {1, rgb(214, 234, 252)}});
    glow(p, QPointF(140, 28), 90, rgb(255, 255, 240, 140));
    const QColor light = rgb(255, 255, 255), shade = rgb(196, 214, 236);
    cloud(p, QPointF(56, 62), 42, light, shade, 41);
    cloud(p, QPointF(136, 118), 32, light, shade, 42);
    cloud(p, QPointF(66, 176), 52, light, shade, 43);
    cloud(p, QPointF(146, 226), 36, light, shade, 44);
    return image;
}

QImage heavenAndSea()
{
    const int w = 500, h = 400, horizon = 262;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, horizon),
                 {{0, rgb(24, 62, 140)}, {0.5, rgb(76, 140, 214)}, {0.88, rgb(176, 214, 242)}, {1, rgb(236, 244, 250)}});
    glow(p, QPointF(120, 150), 220, rgb(255, 250, 225, 150));
    disc(p, QPointF(120, 150), 20, rgb(255, 255, 250), rgb(255, 242, 200));
    // Light rays through the sky.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double a = -0.35 + i * 0.24;
        QPainterPath ray(QPointF(120, 150));
        ray.lineTo(120 + 600 * std::cos(a - 0.035), 150 + 600 * std::sin(a - 0.035));
        ray.lineTo(120 + 600 * std::cos(a + 0.035), 150 + 600 * std::sin(a + 0.035));
        ray.closeSubpath();
        p.setBrush(rgb(255, 255, 255, 14));
        p.drawPath(ray);
    }
    const QColor light = rgb(255, 255, 255), shade = rgb(200, 216, 236);
    // Low over the sea, clear of the title and the buttons.
    cloud(p, QPointF(420, 236), 56, light, shade, 51);
    cloud(p, QPointF(260, 244), 34, light, shade, 52);
    cloud(p, QPointF(60, 238), 42, light, shade, 53);
    fillVertical(p, QRectF(0, horizon, w, h - horizon),
                 {{0, rgb(96, 158, 206)}, {0.3, rgb(40, 106, 170)}, {1, rgb(8, 46, 100)}});
    glints(p, 120, horizon + 2, h - 4, 60, rgb(255, 255, 240, 220), 55);
    glints(p, 360, horizon + 4, h - 60, 50, rgb(220, 236, 255, 70), 56);
    return image;
}

// ---- Button pictures (templates/objects) ----

// A flat tile of the "Windows 8" layout: one colour, a slightly lighter top, a white symbol.
QImage tile(int width, int height, QColor colour, const std::function<void(QPainter&, QRectF)>& symbol)
{
    QImage image = canvas(width, height, colour);
    QPainter p(&image);
    antialiased(p);
    QLinearGradient sheen(0, 0, 0, height);
    sheen.setColorAt(0, QColor(255, 255, 255, 28));
    sheen.setColorAt(1, QColor(0, 0, 0, 20));
    p.fillRect(image.rect(), sheen);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    symbol(p, QRectF(width / 2.0 - 30, height / 2.0 - 34, 60, 60));
    return image;
}

void movieSymbol(QPainter& p, QRectF r)
{
    // A clapperboard: the board and its striped, raised top.
    QPainterPath board;
    board.addRoundedRect(QRectF(r.left() + 4, r.top() + 24, 52, 34), 3, 3);
    p.drawPath(board);
    p.save();
    p.translate(r.left() + 4, r.top() + 20);
    p.rotate(-16);
    QPainterPath clapper;
    clapper.addRoundedRect(QRectF(0, -10, 52, 10), 2, 2);
    p.drawPath(clapper);
    p.restore();
    p.setBrush(QColor(196, 38, 24));
    for (int i = 0; i < 4; ++i) {
        QPolygonF stripe({QPointF(r.left() + 8 + i * 13, r.top() + 25), QPointF(r.left() + 14 + i * 13, r.top() + 25),
                          QPointF(r.left() + 10 + i * 13, r.top() + 31), QPointF(r.left() + 4 + i * 13, r.top() + 31)});
        p.drawPolygon(stripe.intersected(QPolygonF(QRectF(r.left() + 4, r.top() + 24, 52, 8))));
    }
    p.setBrush(Qt::white);
}

void musicSymbol(QPainter& p, QRectF r)
{
    // Two quavers joined by a beam.
    p.drawEllipse(QPointF(r.left() + 14, r.top() + 50), 9, 7);
    p.drawEllipse(QPointF(r.left() + 44, r.top() + 44), 9, 7);
    p.drawRect(QRectF(r.left() + 20, r.top() + 12, 4, 38));
    p.drawRect(QRectF(r.left() + 50, r.top() + 6, 4, 38));
    QPolygonF beam({QPointF(r.left() + 20, r.top() + 12), QPointF(r.left() + 54, r.top() + 6),
                    QPointF(r.left() + 54, r.top() + 15), QPointF(r.left() + 20, r.top() + 21)});
    p.drawPolygon(beam);
}

void peopleSymbol(QPainter& p, QRectF r)
{
    const auto person = [&](double x, double y, double s) {
        p.drawEllipse(QPointF(x, y), 8 * s, 8 * s);
        QPainterPath shoulders;
        shoulders.moveTo(x - 16 * s, y + 30 * s);
        shoulders.cubicTo(x - 16 * s, y + 10 * s, x + 16 * s, y + 10 * s, x + 16 * s, y + 30 * s);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
    };
    p.setOpacity(0.75);
    person(r.left() + 40, r.top() + 14, 0.85);
    p.setOpacity(1);
    person(r.left() + 22, r.top() + 22, 1.0);
}

void uninstallSymbol(QPainter& p, QRectF r)
{
    // A waste bin with its lid.
    p.drawRoundedRect(QRectF(r.left() + 10, r.top() + 10, 40, 6), 2, 2);
    p.drawRect(QRectF(r.left() + 24, r.top() + 5, 12, 6));
    QPolygonF bin({QPointF(r.left() + 13, r.top() + 19), QPointF(r.left() + 47, r.top() + 19),
                   QPointF(r.left() + 43, r.top() + 58), QPointF(r.left() + 17, r.top() + 58)});
    p.drawPolygon(bin);
    p.setPen(QPen(QColor(100, 118, 135), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(r.left() + 22 + i * 8, r.top() + 26), QPointF(r.left() + 22 + i * 8, r.top() + 51));
    p.setPen(Qt::NoPen);
}

// A photo tile: a small landscape filling the tile.
QImage mountainPhoto()
{
    const int w = 244, h = 118;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, 80), {{0, rgb(70, 140, 220)}, {1, rgb(190, 222, 246)}});
    cloud(p, QPointF(190, 26), 26, rgb(255, 255, 255), rgb(210, 224, 240), 61);
    p.setPen(Qt::NoPen);
    const QPainterPath mountains = ridge(w, 80, 81, [](double x) {
        return 36 * std::exp(-std::pow((x - 80) / 40.0, 2)) + 24 * std::exp(-std::pow((x - 170) / 32.0, 2)) + 6;
    });
    p.setBrush(rgb(120, 136, 170));
    p.drawPath(mountains);
    p.save();  // snow on the high peak
    p.setClipPath(mountains);
    QLinearGradient snow(0, 38, 0, 54);
    snow.setColorAt(0, rgb(255, 255, 255));
    snow.setColorAt(1, rgb(226, 234, 246));
    p.fillRect(QRectF(0, 30, w, 17), snow);
    p.restore();
    p.setBrush(rgb(60, 128, 70));
    p.drawPath(ridge(w, 84, h, [](double x) { return 8 + 5 * std::sin(x / 19.0); }));
    fillVertical(p, QRectF(0, 88, w, h - 88), {{0, rgb(90, 160, 210)}, {1, rgb(30, 90, 150)}});
    glints(p, 80, 90, h - 2, 30, rgb(255, 255, 255, 140), 62);
    return image;
}

QImage beachPhoto()
{
    const int w = 244, h = 118;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialiased(p);
    fillVertical(p, QRectF(0, 0, w, 66), {{0, rgb(250, 160, 90)}, {1, rgb(255, 226, 160)}});
    glow(p, QPointF(170, 60), 70, rgb(255, 250, 210, 200));
    disc(p, QPointF(170, 62), 14, rgb(255, 255, 235), rgb(255, 210, 120));
    fillVertical(p, QRectF(0, 66, w, 30), {{0, rgb(60, 140, 180)}, {1, rgb(30, 100, 150)}});
    glints(p, 170, 67, 94, 24, rgb(255, 240, 200, 200), 71);
    QPainterPath sand(QPointF(0, 90));
    sand.cubicTo(80, 84, 160, 98, w, 92);
    sand.lineTo(w, h);
    sand.lineTo(0, h);
    sand.closeSubpath();
    QLinearGradient sandColour(0, 86, 0, h);
    sandColour.setColorAt(0, rgb(246, 220, 170));
    sandColour.setColorAt(1, rgb(214, 176, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(sandColour);
    p.drawPath(sand);
    // A palm tree.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(90, 60, 40), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk(QPointF(52, 104));
    trunk.quadTo(46, 70, 62, 36);
    p.drawPath(trunk);
    p.setPen(QPen(rgb(40, 90, 50), 5, Qt::SolidLine, Qt::RoundCap));
    for (double a : {-2.6, -2.0, -1.2, -0.5, 0.2}) {
        QPainterPath leaf(QPointF(62, 36));
        leaf.quadTo(62 + 18 * std::cos(a), 36 + 18 * std::sin(a) - 6, 62 + 30 * std::cos(a), 36 + 30 * std::sin(a) + 8);
        p.drawPath(leaf);
    }
    return image;
}

// An icon button of the "Icons" layout on the style's light grey.
QImage icon(const std::function<void(QPainter&)>& draw)
{
    QImage image = canvas(64, 64, rgb(240, 240, 240));
    QPainter p(&image);
    antialiased(p);
    draw(p);
    return image;
}

void softwareSetupIcon(QPainter& p)
{
    // A disc with a green download badge.
    p.setPen(QPen(rgb(120, 130, 150), 1.2));
    QConicalGradient sheen(QPointF(28, 30), 30);
    sheen.setColorAt(0, rgb(226, 232, 244));
    sheen.setColorAt(0.2, rgb(250, 222, 240));
    sheen.setColorAt(0.4, rgb(214, 240, 250));
    sheen.setColorAt(0.6, rgb(236, 240, 214));
    sheen.setColorAt(0.8, rgb(214, 224, 250));
    sheen.setColorAt(1, rgb(226, 232, 244));
    p.setBrush(sheen);
    p.drawEllipse(QPointF(28, 30), 24, 24);
    p.setBrush(rgb(240, 240, 240));
    p.drawEllipse(QPointF(28, 30), 5, 5);
    p.setPen(QPen(rgb(170, 180, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(28, 30), 10, 10);
    QRadialGradient badge(QPointF(44, 42), 18);
    badge.setColorAt(0, rgb(110, 200, 90));
    badge.setColorAt(1, rgb(30, 140, 50));
    p.setPen(QPen(rgb(255, 255, 255), 2));
    p.setBrush(badge);
    p.drawEllipse(QPointF(46, 46), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(43.5, 37, 5, 9));
    p.drawPolygon(QPolygonF({QPointF(38.5, 45), QPointF(53.5, 45), QPointF(46, 54)}));
}

void notesIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(14, 9, 40, 50), 3, 3);
    QLinearGradient paper(0, 6, 0, 58);
    paper.setColorAt(0, rgb(255, 246, 170));
    paper.setColorAt(1, rgb(250, 222, 110));
    p.setPen(QPen(rgb(190, 160, 70), 1));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(12, 7, 40, 50), 3, 3);
    p.setPen(QPen(rgb(110, 150, 200), 1.4));
    for (int y = 20; y <= 50; y += 6)
        p.drawLine(QPointF(17, y), QPointF(y == 50 ? 34 : 47, y));
    // The spiral binding.
    for (int x = 17; x <= 47; x += 6) {
        p.setPen(QPen(rgb(120, 120, 130), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 2.5, 3, 5, 8), 0, 180 * 16);
    }
    // A pencil across the corner.
    p.save();
    p.translate(46, 40);
    p.rotate(-50);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(240, 150, 40));
    p.drawRect(QRectF(-3, -18, 6, 24));
    p.setBrush(rgb(240, 210, 170));
    p.drawPolygon(QPolygonF({QPointF(-3, 6), QPointF(3, 6), QPointF(0, 13)}));
    p.setBrush(rgb(60, 60, 60));
    p.drawPolygon(QPolygonF({QPointF(-1, 10.5), QPointF(1, 10.5), QPointF(0, 13)}));
    p.setBrush(rgb(230, 120, 140));
    p.drawRect(QRectF(-3, -22, 6, 4));
    p.restore();
}

void exitIcon(QPainter& p)
{
    QRadialGradient red(QPointF(26, 24), 34);
    red.setColorAt(0, rgb(250, 110, 90));
    red.setColorAt(1, rgb(190, 30, 30));
    p.setPen(QPen(rgb(150, 20, 20), 1));
    p.setBrush(red);
    p.drawEllipse(QPointF(32, 32), 26, 26);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 20, 26, 26), 120 * 16, 300 * 16);
    p.drawLine(QPointF(32, 14), QPointF(32, 31));
}

// ---- Pictures of the dialogs (Res) ----

QImage tabSwatch(QColor colour, QColor border)
{
    QImage image = canvas(16, 16, rgb(240, 240, 240));
    QPainter p(&image);
    antialiased(p);
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour);
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    return image;
}

QImage projectCd()
{
    QImage image = canvas(96, 96);
    QPainter p(&image);
    antialiased(p);
    const QPointF c(48, 48);
    p.setPen(QPen(rgb(96, 104, 124), 2.5));
    QConicalGradient sheen(c, 40);
    sheen.setColorAt(0, rgb(224, 232, 246));
    sheen.setColorAt(0.15, rgb(246, 224, 240));
    sheen.setColorAt(0.3, rgb(216, 242, 250));
    sheen.setColorAt(0.5, rgb(236, 242, 220));
    sheen.setColorAt(0.65, rgb(226, 230, 250));
    sheen.setColorAt(0.85, rgb(250, 236, 220));
    sheen.setColorAt(1, rgb(224, 232, 246));
    p.setBrush(sheen);
    p.drawEllipse(c, 43, 43);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(48, 96, 210));
    p.drawEllipse(c, 16, 16);
    p.setBrush(rgb(236, 240, 248));
    p.drawEllipse(c, 7, 7);
    p.setPen(QPen(rgb(96, 104, 124), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7, 7);
    p.setPen(QPen(rgb(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(16, 16, 64, 64), 100 * 16, 50 * 16);
    return image;
}

QImage projectUsb()
{
    QImage image = canvas(96, 96);
    QPainter p(&image);
    antialiased(p);
    // The metal plug with its two windows.
    p.setPen(QPen(rgb(60, 64, 76), 2));
    p.setBrush(rgb(90, 96, 110));
    p.drawRoundedRect(QRectF(30, 5, 36, 24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(235, 238, 244));
    p.drawRect(QRectF(37, 11, 8, 7));
    p.drawRect(QRectF(51, 11, 8, 7));
    // The body.
    QLinearGradient body(22, 0, 74, 0);
    body.setColorAt(0, rgb(40, 86, 200));
    body.setColorAt(0.5, rgb(62, 112, 226));
    body.setColorAt(1, rgb(30, 70, 180));
    p.setPen(QPen(rgb(24, 50, 130), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(22, 27, 52, 64), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(150, 186, 250));
    p.drawRoundedRect(QRectF(36, 44, 24, 9), 4.5, 4.5);
    return image;
}

// A sketch of a menu for the placement dialog: the title area at the top stays plain (the
// dialog writes a sample title and underline there), buttons where the placement puts
// them, and a picture on the free side.
QImage placementSketch(int placement)
{
    const int w = 150, h = 112;
    QImage image = canvas(w, h, rgb(250, 251, 253));
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(rgb(168, 178, 196), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    const auto button = [&](double x, double y, double width) {
        QLinearGradient g(0, y, 0, y + 12);
        g.setColorAt(0, rgb(96, 140, 214));
        g.setColorAt(1, rgb(52, 94, 172));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(x, y, width, 12), 3, 3);
        p.setBrush(rgb(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(x + 8, y + 5, width * 0.45, 2.5), 1.2, 1.2);
    };
    const auto picture = [&](double x, double y) {
        const QRectF r(x, y, 46, 58);
        p.save();
        p.setClipRect(r);
        fillVertical(p, r, {{0, rgb(120, 176, 236)}, {1, rgb(210, 232, 250)}});
        disc(p, QPointF(x + 33, y + 17), 6, rgb(255, 250, 220), rgb(255, 210, 100));
        p.setBrush(rgb(90, 150, 90));
        p.drawEllipse(QPointF(x + 12, y + 62), 34, 20);
        p.setBrush(rgb(60, 120, 70));
        p.drawEllipse(QPointF(x + 44, y + 66), 30, 18);
        p.restore();
        p.setPen(QPen(rgb(150, 160, 180), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    };
    const double top = 40, step = 18;
    switch (placement) {
    case 1:
        for (int i = 0; i < 3; ++i)
            button(12, top + i * step, 62);
        picture(90, top);
        break;
    case 2:
        for (int i = 0; i < 3; ++i)
            button((w - 70) / 2.0, top + i * step, 70);
        break;
    case 3:
        for (int i = 0; i < 3; ++i)
            button(w - 12 - 62, top + i * step, 62);
        picture(14, top);
        break;
    default:
        for (int i = 0; i < 3; ++i) {
            button(12, top + i * step, 58);
            button(w - 12 - 58, top + i * step, 58);
        }
        break;
    }
    return image;
}

// The previews of the two empty projects: a blank menu, with dashed places for the sample
// buttons when the project gets them.
QImage emptyProject(bool withButtons)
{
    const int w = StylePreviewWidth, h = StylePreviewHeight;
    QImage image = canvas(w, h, rgb(255, 255, 255));
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(rgb(200, 206, 216), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    QPen dashed(rgb(150, 160, 176), 1.2, Qt::DashLine);
    p.setPen(dashed);
    p.drawRoundedRect(QRectF(12, 12, 84, 12), 3, 3);  // the title's place
    if (withButtons) {
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(w - 14 - 70, 46 + i * 22, 70, 14), 3, 3);
    }
    // A plus sign: something to begin with.
    const QPointF c = withButtons ? QPointF(50, 84) : QPointF(w / 2.0, h / 2.0 + 8);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(226, 234, 246));
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(rgb(90, 130, 200), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-10, 0), c + QPointF(10, 0));
    p.drawLine(c + QPointF(0, -10), c + QPointF(0, 10));
    return image;
}

bool save(const QImage& image, const std::filesystem::path& folder, const std::string& file,
          std::vector<std::string>* written)
{
    const std::filesystem::path path = folder / std::filesystem::path(file);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    const std::string extension = path.extension().string();
    bool ok = false;
    const QString name = QString::fromStdString(path.string());
    if (extension == ".jpg")
        ok = image.convertToFormat(QImage::Format_RGB32).save(name, "JPEG", 90);
    else if (extension == ".bmp")
        ok = image.convertToFormat(QImage::Format_RGB32).save(name, "BMP");
    else
        ok = image.convertToFormat(QImage::Format_ARGB32).save(name, "PNG");
    if (ok && written)
        written->push_back(file);
    return ok;
}

}  // namespace

std::string StylePreviewFile(int family, int layout)
{
    return "Res/styles/" + std::to_string(family) + "-" + std::to_string(layout) + ".png";
}

bool WriteSampleArt(const std::filesystem::path& programFolder, std::vector<std::string>* written)
{
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"Examples/Objects/DoubleSuns-h252.jpg", doubleSuns},
        {"Examples/Objects/CoffeeCup-h252.jpg", coffeeCup},
        {"Examples/Objects/RedSea-h252.jpg", redSea},
        {"Examples/Objects/SunSet-h252.jpg", sunSet},
        {"Examples/Objects/BlackCurtain.bmp", blackCurtain},
        {"Examples/Objects/Clouds.bmp", clouds},
        {"Examples/Objects/Heaven-And-Sea.jpg", heavenAndSea},
        {"templates/objects/metroicon-movie.bmp", [] { return tile(118, 118, rgb(214, 48, 32), movieSymbol); }},
        {"templates/objects/metrophoto-1.bmp", mountainPhoto},
        {"templates/objects/metroicon-music.bmp", [] { return tile(118, 118, rgb(236, 140, 20), musicSymbol); }},
        {"templates/objects/metrophoto-2.bmp", beachPhoto},
        {"templates/objects/metroicon-people.bmp", [] { return tile(118, 118, rgb(0, 160, 158), peopleSymbol); }},
        {"templates/objects/metroicon-uninstall.bmp", [] { return tile(118, 118, rgb(100, 118, 135), uninstallSymbol); }},
        {"templates/objects/icon-softwaresetup.bmp", [] { return icon(softwareSetupIcon); }},
        {"templates/objects/icon-notes.bmp", [] { return icon(notesIcon); }},
        {"templates/objects/icon-exit.bmp", [] { return icon(exitIcon); }},
        {"Res/Tab-Blue.bmp", [] { return tabSwatch(rgb(30, 70, 230), rgb(10, 30, 140)); }},
        {"Res/Tab-Green.bmp", [] { return tabSwatch(rgb(0, 140, 30), rgb(0, 80, 10)); }},
        {"Res/Tab-Red.bmp", [] { return tabSwatch(rgb(210, 20, 20), rgb(120, 0, 0)); }},
        {"Res/Tab-Yellow.bmp", [] { return tabSwatch(rgb(255, 176, 0), rgb(170, 100, 0)); }},
        {"Res/Tab-Black.bmp", [] { return tabSwatch(rgb(30, 30, 34), rgb(0, 0, 0)); }},
        {"Res/Tab-White.bmp", [] { return tabSwatch(rgb(246, 246, 246), rgb(140, 146, 156)); }},
        {"Res/project-cd.png", projectCd},
        {"Res/project-usb.png", projectUsb},
        {"Res/placement-1.png", [] { return placementSketch(1); }},
        {"Res/placement-2.png", [] { return placementSketch(2); }},
        {"Res/placement-3.png", [] { return placementSketch(3); }},
        {"Res/placement-4.png", [] { return placementSketch(4); }},
    };
    bool ok = true;
    for (const auto& [file, draw] : pictures)
        ok = save(draw(), programFolder, file, written) && ok;
    ok = save(emptyProject(true), programFolder, StylePreviewFile(7, 7), written) && ok;
    ok = save(emptyProject(false), programFolder, StylePreviewFile(7, 8), written) && ok;
    return ok;
}

}  // namespace orv::art
