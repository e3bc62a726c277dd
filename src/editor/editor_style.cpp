#include "editor/editor_style.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include "editor/lazy_icon.h"

namespace orv::editor {

QIcon helpIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2f, 0x5b, 0xc4));
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon EditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_DialogHelpButton || icon == SP_TitleBarContextHelpButton) {
        static const QIcon help = helpIcon();
        return help;
    }
    if (option || widget)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Made when first drawn: the platform style looks most of them up in the icon theme.
    return lazyIcon([style = QPointer<const EditorStyle>(this), icon] {
        return style ? style->QProxyStyle::standardIcon(icon) : QApplication::style()->standardIcon(icon);
    });
}

}  // namespace orv::editor
