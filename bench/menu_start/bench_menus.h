// The menus the menu program's benchmarks show: their description files and the background
// picture, made at run time.
#pragma once

#include <filesystem>
#include <string>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace bench {

namespace fs = std::filesystem;

// A blended background, a title with a shadow, a subtitle and rounded buttons that show a
// document; with a picture, the buttons stand in two columns over back.jpg.
inline std::string menuDescription(const std::string& caption, int width, int height, int buttons, bool picture)
{
    std::string text = "[MainWindow]\r\nCaptionText = " + caption + "\r\nWidth = " + std::to_string(width) +
                       "\r\nHeight = " + std::to_string(height) +
                       "\r\nToneDirection = 4\r\nBackColor2 = 16744448\r\n\r\n[Title]\r\nTitleText = " + caption +
                       "\r\nTitleShadow = 1\r\n\r\n[SubTitle]\r\nSubTitleText = Start-up\r\n\r\n"
                       "[Buttons]\r\nButtonStyle = 9\r\nNrButtons = " +
                       std::to_string(buttons) + (picture ? "\r\nButtonAlignment = 4" : "") + "\r\n\r\n[ButtonData]\r\n";
    for (int n = 1; n <= buttons; ++n)
        text += "Button" + std::to_string(n) + "Text = Button " + std::to_string(n) + "\r\nButton" +
                std::to_string(n) + "Cmd = Show Document\r\nButton" + std::to_string(n) + "Link = doc.txt\r\n";
    if (picture)
        text += "\r\n[Pictures]\r\nBackgroundPictureSrc = back.jpg\r\n";
    return text + "\r\n-(EOF)-\r\n";
}

// A background photograph stand-in: a sky-like blend with soft discs of light and grain.
inline bool writeBackgroundPicture(const fs::path& file, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // A little grain, as a photograph has, so that it compresses like one.
            const int grain = static_cast<int>((static_cast<unsigned>(x * 7919 + y * 104729) * 2654435761u) >> 28) - 8;
            row[x] = qRgb(20 + 60 * x / width + grain, 40 + 120 * y / height + grain,
                          120 + 100 * (x + y) / (width + height) + grain);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int n = 0; n < 24; ++n) {
        const QPointF centre((n * 379) % width, (n * 211) % height);
        const double radius = 40 + (n * 53) % 160;
        QRadialGradient light(centre, radius);
        light.setColorAt(0, QColor(255, 240, 200, 90));
        light.setColorAt(1, QColor(255, 240, 200, 0));
        painter.setBrush(light);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    return image.save(QString::fromStdString(file.string()), "JPEG", 88);
}

}  // namespace bench
