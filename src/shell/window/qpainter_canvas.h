// The menu's drawing surface on a QPainter: bitmaps drawn as ARGB32 images, text with
// Qt's fonts at the pixel size the layout reckons with.
#pragma once

#include "shell/render/canvas.h"

class QImage;
class QPainter;

namespace orv::shell {

class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter& painter) : painter_(painter) {}

    void drawBitmap(int x, int y, const Bitmap& bitmap) override;
    void drawText(const TextRun& run) override;
    int textWidth(const TextRun& run) override;

private:
    QPainter& painter_;
};

// The pixels of a picture as a Bitmap (empty for a null image).
Bitmap bitmapOf(const QImage& image);

}  // namespace orv::shell
