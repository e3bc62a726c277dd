#include "shell/window/qpainter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "shell/layout/menu_layout.h"
#include "program_support/program_environment.h"

namespace orv::shell {

namespace {

QFont fontOf(const TextRun& run, int points)
{
    QFont font(toQString(run.font.name));
    font.setPixelSize(fontPixels(points));
    font.setBold(run.font.bold);
    font.setItalic(run.font.italic);
    font.setUnderline(run.underline);
    if (run.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, run.letterSpacing);
    return font;
}

int alignmentFlags(const TextRun& run)
{
    const int horizontal = run.align == HAlign::Centre  ? Qt::AlignHCenter
                           : run.align == HAlign::Right ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter | (run.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

// The run's font, smaller (down to 6 points) until a line that must fit does: a long
// caption stays whole.
QFont fittedFont(const TextRun& run, const QString& text)
{
    const int points = run.font.size > 0 ? run.font.size : 10;
    QFont font = fontOf(run, points);
    if (run.shrinkToFit)
        for (int smaller = points - 1; smaller >= 6 && QFontMetrics(font).horizontalAdvance(text) > run.box.width;
             --smaller)
            font = fontOf(run, smaller);
    return font;
}

}  // namespace

void QPainterCanvas::drawBitmap(int x, int y, const Bitmap& bitmap)
{
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return;
    const QImage image(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                       bitmap.width * 4, QImage::Format_ARGB32);
    painter_.drawImage(x, y, image);
}

void QPainterCanvas::drawText(const TextRun& run)
{
    if (run.text.empty())
        return;
    const QString text = toQString(run.text);
    const QRect box(run.box.x, run.box.y, run.box.width, run.box.height);
    painter_.save();
    painter_.setFont(fittedFont(run, text));
    painter_.setPen(QColor(toQColor(run.colour)));
    painter_.drawText(box, alignmentFlags(run), text);
    painter_.restore();
}

int QPainterCanvas::textWidth(const TextRun& run)
{
    const QString text = toQString(run.text);
    return text.isEmpty() ? 0 : QFontMetrics(fittedFont(run, text)).horizontalAdvance(text);
}

Bitmap bitmapOf(const QImage& image)
{
    Bitmap picture;
    if (image.isNull())
        return picture;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    picture.width = argb.width();
    picture.height = argb.height();
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        picture.pixels.insert(picture.pixels.end(), row, row + argb.width());
    }
    return picture;
}

}  // namespace orv::shell
