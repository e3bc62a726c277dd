// Icons made when first drawn, and held back until the main window's first paint.
#include "editor/lazy_icon.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

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

TEST(LazyIconTest, IsMadeOnceWhenFirstDrawnAndHeldUntilTheWindowWasPainted)
{
    test::ensureApplication();
    int made = 0;
    const QIcon icon = redSquare(made);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(made, 1);

    auto* window = new QWidget;
    window->resize(100, 100);
    holdLazyIconsUntilPainted(window);
    int heldMade = 0;
    const QIcon held = redSquare(heldMade);
    EXPECT_EQ(held.pixmap(16).toImage().pixelColor(8, 8).alpha(), 0) << "an empty picture while held";
    EXPECT_EQ(heldMade, 0);
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red)) << "made icons are drawn";

    window->show();
    QElapsedTimer waited;
    waited.start();
    while (held.pixmap(16).toImage().pixelColor(8, 8).alpha() == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(held.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red)) << "released after the first paint";
    EXPECT_EQ(heldMade, 1);

    // A window that goes unpainted releases them too.
    auto* hidden = new QWidget;
    holdLazyIconsUntilPainted(hidden);
    delete hidden;
    int afterMade = 0;
    EXPECT_EQ(redSquare(afterMade).pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    delete window;
}

}  // namespace
}  // namespace orv::editor
