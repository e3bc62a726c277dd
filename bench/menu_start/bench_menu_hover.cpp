// Painting of the host menu window: the picture menu of bench_menu_start (1024 x 768 with a
// JPEG background and 20 buttons) in the real MenuWindow on Qt's offscreen platform, so it
// paints into Qt's raster backing store as on a desktop, without the copy to the screen.
// Measured: making the window object (the background picture is read on a thread of its
// own meanwhile), showing it until its first paint is done (which waits for the picture), and
// the mouse moving onto each button (the hover) and off again to an empty spot, each time
// with the repaint of the whole client area that the window does; medians over the rounds.
//
//   bench_menu_hover [--rounds N] [--picture FILE]
//     N: 20 by default; each round moves over all 20 buttons. FILE: a PNG of the window
//     with the mouse over the first button, to see what was measured.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "bench_menus.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "program_support/program_environment.h"
#include "shell/menu_description.h"
#include "shell/shell_arguments.h"
#include "shell/window/menu_window.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// Moves the mouse to the point (as the window system would report it) and repaints the
// window at once, as the event loop would right after; the time both take.
double moveAndRepaint(orv::shell::MenuWindow& window, QPoint point)
{
    const auto start = Clock::now();
    QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(window.mapToGlobal(point)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    window.repaint();
    return millisecondsSince(start);
}

// Counts the paint events the window gets, to be sure a repaint painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    int rounds = 20;
    QString pictureFile;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--rounds")
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (std::string(argv[i]) == "--picture")
            pictureFile = QString::fromLocal8Bit(argv[++i]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orv::shell::ProgramServices services;

    const fs::path folder = fs::temp_directory_path() / ("orvanto-bench-hover-" + std::to_string(QCoreApplication::applicationPid()));
    fs::create_directories(folder);
    std::ofstream(folder / "ORVNMENU.MNI", std::ios::binary)
        << bench::menuDescription("Bench Picture Menu", 1024, 768, 20, true);
    if (!bench::writeBackgroundPicture(folder / "back.jpg", 1024, 768)) {
        std::fprintf(stderr, "the background picture cannot be written\n");
        return 1;
    }
    const std::string file = orv::platform::services().files->windowsPath(folder / "ORVNMENU.MNI");
    const orv::shell::MenuReadResult read = orv::shell::readMenuDescription(file);
    if (read.status != orv::shell::MenuReadStatus::Ok) {
        std::fprintf(stderr, "the menu description cannot be read\n");
        return 1;
    }

    auto start = Clock::now();
    orv::shell::MenuWindow window(read.menu, file, orv::shell::ShellArguments{});
    const double made = millisecondsSince(start);
    PaintCounter counter;
    window.installEventFilter(&counter);
    start = Clock::now();
    window.show();
    while (counter.paints == 0 && millisecondsSince(start) < 10000)
        QCoreApplication::processEvents();
    const double firstPaint = millisecondsSince(start);
    if (window.session().layout().window.width != 1024) {
        std::fprintf(stderr, "the window is not at the menu's size\n");
        return 1;
    }

    std::vector<QPoint> buttons;
    for (const orv::shell::EntryBox& box : window.session().layout().entries)
        if (!box.titleRow)
            buttons.push_back(QPoint(box.rect.x + box.rect.width / 2, box.rect.y + box.rect.height / 2));
    const QPoint empty(4, 764);  // the bottom left corner: no button there
    std::vector<double> onto, off, repaintOnly;
    for (int round = 0; round < rounds; ++round)
        for (const QPoint& button : buttons) {
            onto.push_back(moveAndRepaint(window, button));
            if (!window.session().states().hover) {
                std::fprintf(stderr, "the mouse did not reach a button\n");
                return 1;
            }
            start = Clock::now();
            window.repaint();
            repaintOnly.push_back(millisecondsSince(start));
            off.push_back(moveAndRepaint(window, empty));
            QCoreApplication::processEvents();
        }

    // The moves must have changed what the window shows, and every repaint painted.
    moveAndRepaint(window, buttons.front());
    const QImage hovered = window.grab().toImage();
    if (!pictureFile.isEmpty())
        hovered.save(pictureFile);
    moveAndRepaint(window, empty);
    if (hovered == window.grab().toImage() || counter.paints < 1 + 3 * static_cast<int>(onto.size())) {
        std::fprintf(stderr, "the hover did not show\n");
        return 1;
    }
    std::printf("window object made (background aside)  %7.2f ms\n", made);
    std::printf("shown until first painted              %7.2f ms\n", firstPaint);
    std::printf("mouse onto a button + repaint, median  %7.2f ms over %zu moves\n", median(onto), onto.size());
    std::printf("mouse off a button + repaint, median   %7.2f ms over %zu moves\n", median(off), off.size());
    std::printf("repaint alone, median                  %7.2f ms\n", median(repaintOnly));
    fs::remove_all(folder);
    return 0;
}
