// Icons made when first drawn.
#include "editor/lazy_icon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace orv::editor {
namespace {

QIcon redSquare(int& made)
{
    return lazyIcon([&made] {
        ++made;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    });
}

TEST(LazyIconTest, IsMadeOnceWhenFirstDrawn)
{
    test::ensureApplication();
    int made = 0;
    const QIcon icon = redSquare(made);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(made, 1);
}

}  // namespace
}  // namespace orv::editor
