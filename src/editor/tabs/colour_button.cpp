#include "editor/tabs/colour_button.h"

#include <QPainter>
#include <QPixmap>

#include "platform/widgets/qt_user_interface.h"

namespace orv::editor {

ColourButton::ColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setIconSize(QSize(28, 14));
    setColour(0);
}

void ColourButton::setColour(std::int32_t colour)
{
    colour_ = colour;
    // Drawn at the screen's pixel ratio so the swatch stays sharp on high-DPI screens.
    const qreal ratio = devicePixelRatioF();
    QPixmap swatch(QSize(28, 14) * ratio);
    swatch.setDevicePixelRatio(ratio);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(platform::ColourToQColor(colour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 27, 13), 3, 3);
    painter.end();
    setIcon(QIcon(swatch));
    const QColor c = platform::ColourToQColor(colour);
    setToolTip(tr("Red %1, green %2, blue %3").arg(c.red()).arg(c.green()).arg(c.blue()));
}

}  // namespace orv::editor
