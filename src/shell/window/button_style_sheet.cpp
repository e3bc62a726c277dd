#include "shell/window/button_style_sheet.h"

#include <QColor>

#include "shell/support/program_environment.h"

namespace orv::shell {

namespace {

// Positions in the editor's style list.
enum Style {
    TextOnly = 2,
    FramedText = 3,
    SolidRectangle = 4,
    WindowsButton = 5,
    Rounded1 = 7,
    Rounded3 = 9,
    BlendRight = 11,
    BlendRightRounded3 = 14,
    BlendDown = 15,
    BlendDownRounded3 = 18,
    Cylinder = 19,
    CylinderRounded3 = 22,
    Rectangular = 23,
    ThreeD = 25,
    Metallic = 26,
    Plastic = 27,
};

QString name(const QColor& c) { return c.name(QColor::HexRgb); }

// Corner radius of the "Rounded Corners 1..3" variants.
int radiusOf(int style)
{
    if (style >= Rounded1 && style <= Rounded3)
        return 4 * (style - Rounded1 + 1);
    for (int first : {BlendRight, BlendDown, Cylinder})
        if (style > first && style <= first + 3)
            return 4 * (style - first);
    return 0;
}

QString background(int style, const QColor& back)
{
    const QColor light = back.lighter(170);
    const QColor dark = back.darker(140);
    if (style >= BlendRight && style <= BlendRightRounded3)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2)").arg(name(light), name(back));
    if (style >= BlendDown && style <= BlendDownRounded3)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)").arg(name(light), name(back));
    if (style >= Cylinder && style <= CylinderRounded3)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.5 %2, stop:1 %1)")
            .arg(name(dark), name(light));
    if (style == Rectangular)
        return QStringLiteral("qradialgradient(cx:0.5, cy:0.5, radius:0.7, fx:0.5, fy:0.5, stop:0 %1, stop:1 %2)")
            .arg(name(light), name(back));
    if (style == Metallic)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f4f4, stop:0.45 #c8c8c8, "
                              "stop:0.55 #b0b0b0, stop:1 #e0e0e0)");
    if (style == Plastic)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.49 %2, stop:0.5 %3, stop:1 %4)")
            .arg(name(back.lighter(200)), name(light), name(back), name(dark));
    if (style == TextOnly || style == FramedText)
        return QStringLiteral("transparent");
    return name(back);
}

}  // namespace

QString buttonStyleSheet(const ButtonLook& look, const MenuEntry& entry)
{
    const QColor text = toQColor(entry.ownColours ? entry.textColour : look.foreColour);
    const QColor frame = toQColor(entry.ownColours ? entry.frameColour
                                  : look.separateFrameColour ? look.frameColour
                                                             : look.foreColour);
    const QColor back = toQColor(entry.ownColours ? entry.backColour : look.backColour);
    const QString align = look.textAlignment == 1 ? QStringLiteral("left")
                          : look.textAlignment == 3 ? QStringLiteral("right")
                                                    : QStringLiteral("center");

    if (look.style == WindowsButton)
        return QStringLiteral("QPushButton { text-align: %1; padding: 0 8px; }").arg(align);

    QString border;
    if (look.style == TextOnly)
        border = QStringLiteral("1px solid transparent");
    else if (look.style == ThreeD)
        border = QStringLiteral("3px outset %1").arg(name(back.lighter(130)));
    else
        border = QStringLiteral("1px solid %1").arg(name(frame));
    const QString hoverBorder = look.activeFrame ? QStringLiteral("1px solid %1").arg(cssColour(look.activeFrameColour))
                                                 : border;
    const QString textColour = look.style == Metallic && !entry.ownColours ? QStringLiteral("#202020") : name(text);

    return QStringLiteral("QPushButton { color: %1; background: %2; border: %3; border-radius: %4px;"
                          " text-align: %5; padding: 0 8px; }"
                          "QPushButton:hover { border: %6; }"
                          "QPushButton:pressed { padding-top: 2px; padding-left: 10px; }")
        .arg(textColour, background(look.style, back), border, QString::number(radiusOf(look.style)), align,
             hoverBorder);
}

}  // namespace orv::shell
