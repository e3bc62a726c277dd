// Compares a menu's picture with its reference picture. Text is drawn by each system's font
// engine, so the boxes of the texts are left out; everything else must agree within a
// small difference per colour channel.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <QImage>
#include <QRect>

#include "shell/layout/menu_layout.h"
#include "shell/menu_description.h"

namespace orv::test {

struct PictureComparison {
    long compared = 0;
    long different = 0;
    bool sameSize = false;
    bool matches() const { return sameSize && compared > 0 && different * 200 <= compared; }  // 0.5 %
};

// The boxes that hold text in the menu's layout (the title's and subtitle's with the shadow).
inline std::vector<QRect> textBoxesOf(const shell::MenuDescription& menu)
{
    const shell::MenuLayout layout = shell::layoutMenu(menu, menu.width, menu.height);
    std::vector<QRect> boxes;
    for (const auto& box : {layout.title, layout.subtitle})
        if (box)
            boxes.emplace_back(box->x, box->y, box->width + 3, box->height + 3);
    for (const shell::EntryBox& entry : layout.entries)
        boxes.emplace_back(entry.text.x, entry.text.y + 2, entry.text.width, entry.text.height - 4);
    return boxes;
}

inline PictureComparison comparePictures(const QImage& picture, const QImage& reference, const std::vector<QRect>& skip)
{
    PictureComparison c;
    c.sameSize = picture.size() == reference.size() && !picture.isNull();
    if (!c.sameSize)
        return c;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x) {
            if (std::any_of(skip.begin(), skip.end(), [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            const QRgb a = picture.pixel(x, y), b = reference.pixel(x, y);
            ++c.compared;
            if (std::abs(qRed(a) - qRed(b)) > 32 || std::abs(qGreen(a) - qGreen(b)) > 32 ||
                std::abs(qBlue(a) - qBlue(b)) > 32)
                ++c.different;
        }
    return c;
}

}  // namespace orv::test
