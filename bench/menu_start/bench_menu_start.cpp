// Start-up of the menu program: the time from starting a process until its window is
// mapped on the X display, for the Windows ORVNMENU.EXE under Wine against an empty Win32
// window under Wine (the yardstick: the least any Windows program needs there), and for the
// host build against a bare Qt window (the least any Qt Widgets program needs). Two menus:
// a plain one (500 x 400, no pictures, six buttons) and a picture menu (1024 x 768 with a
// 1024 x 768 JPEG background and 20 buttons in two columns); each yardstick is shown at the
// menu's size. All of them alternate round by round on a virtual display of their own, after
// one warming round, so a busy machine slows all of them alike; each figure is the median.
// A Notepad window keeps Wine's desktop program running throughout, as Windows' desktop
// always is.
//
//   bench_menu_start [--runs N] [--program DIR] [--bench DIR] [--prefix WINEPREFIX]
//                    [--compare EXE] [--verbose]
//     DIR defaults: build/program and build/windows/bench; the prefix: build/wine.
//     --compare: another build of the Windows ORVNMENU.EXE, run on the same menus in the
//     same rounds (before and after a change).
// Qt before Xlib, whose macros (None, Status) clash with Qt names.
#include <QCoreApplication>

#include "bench_menus.h"
#include "support/spawn_quiet.h"
#include "support/virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

bool verbose = false;  // --verbose: every window mapped, with its time

struct Candidate {
    std::string label;
    std::vector<std::string> command;
    std::string caption;
    std::vector<std::string> environment;  // NAME=VALUE added to the inherited ones
};

pid_t spawn(const Candidate& c)
{
    return bench::spawnQuiet(c.command, c.environment);
}

std::string nameOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name)
        result = name;
    if (name)
        XFree(name);
    return result;
}

// Milliseconds from the process start until a window with the caption is mapped; -1 when
// none comes within 30 s.
double measure(Display* display, const Candidate& c)
{
    XSync(display, True);  // drop the events of earlier runs
    const auto start = Clock::now();
    const pid_t pid = spawn(c);
    double elapsed = -1;
    const int fd = ConnectionNumber(display);
    while (elapsed < 0 && Clock::now() - start < std::chrono::seconds(30)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && verbose)
                std::fprintf(stderr, "  %7.1f ms: mapped \"%s\"\n",
                             std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                             nameOf(display, event.xmap.window).c_str());
            if (event.type == MapNotify && nameOf(display, event.xmap.window) == c.caption) {
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
        pollfd p{fd, POLLIN, 0};
        if (elapsed < 0)
            poll(&p, 1, 5);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it and its window go
    return elapsed;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);  // for the JPEG writer, a plugin
    int runs = 10;
    fs::path program = "build/program", bench = "build/windows/bench", prefix = "build/wine", compare;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--verbose")
            verbose = true;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--runs")
            runs = std::max(1, std::atoi(argv[++i]));
        else if (option == "--program")
            program = argv[++i];
        else if (option == "--bench")
            bench = argv[++i];
        else if (option == "--prefix")
            prefix = argv[++i];
        else if (option == "--compare")
            compare = fs::absolute(argv[++i]);
    }
    program = fs::absolute(program);
    bench = fs::absolute(bench);
    prefix = fs::absolute(prefix);

    const bench::VirtualDisplay screen;
    Display* x = screen.connection();
    if (!x) {
        std::fprintf(stderr, "no virtual display\n");
        return 1;
    }
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);

    // Each menu in a folder of its own, with its own copy of the program, as on a medium.
    struct Menu {
        std::string name, caption;
        int width, height, buttons;
        bool picture;
        fs::path folder;
    };
    const fs::path work = fs::temp_directory_path() / ("orvanto-bench-menu-" + std::to_string(getpid()));
    std::vector<Menu> menus = {{"plain menu", "Bench Menu", 500, 400, 6, false, {}},
                               {"picture menu", "Bench Picture Menu", 1024, 768, 20, true, {}}};
    for (Menu& m : menus) {
        m.folder = work / (m.picture ? "picture" : "plain");
        fs::create_directories(m.folder);
        fs::copy_file(program / "Release/ORVNMENU.EXE", m.folder / "ORVNMENU.EXE", fs::copy_options::overwrite_existing);
        if (!compare.empty())
            fs::copy_file(compare, m.folder / "OTHER.EXE", fs::copy_options::overwrite_existing);
        std::ofstream(m.folder / "ORVNMENU.MNI", std::ios::binary)
            << bench::menuDescription(m.caption, m.width, m.height, m.buttons, m.picture);
        if (m.picture && !bench::writeBackgroundPicture(m.folder / "back.jpg", m.width, m.height)) {
            std::fprintf(stderr, "the background picture cannot be written\n");
            return 1;
        }
    }

    const std::string displayVariable = "DISPLAY=" + screen.name();
    const std::vector<std::string> wine = {displayVariable, "WINEPREFIX=" + prefix.string(), "WINEDEBUG=-all",
                                           "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d"};
    const std::vector<std::string> qt = {displayVariable, "QT_QPA_PLATFORM=xcb"};
    // The desktop's own program (explorer.exe) runs while any program has a window on it, as
    // on Windows, where it runs always: a window of another program keeps it there, so no
    // run pays for its start.
    spawn({"wineserver", {"wineserver", "-p"}, "", wine});
    const pid_t keeper = spawn({"notepad", {"wine", "notepad"}, "", wine});
    std::this_thread::sleep_for(std::chrono::seconds(3));

    // Per menu: the Windows program and its yardstick, the host program and its yardstick
    // (the pairs whose ratio counts), then the other build when there is one.
    std::vector<Candidate> candidates;
    for (const Menu& m : menus) {
        const std::string size = std::to_string(m.width) + " " + std::to_string(m.height);
        const std::string tag = " (" + m.name + ")";
        candidates.push_back({"empty Win32 window under Wine" + tag,
                              {"wine", (bench / "empty_window.exe").string(), std::to_string(m.width),
                               std::to_string(m.height)},
                              "Empty Window",
                              wine});
        candidates.push_back({"ORVNMENU.EXE (Windows) under Wine" + tag, {"wine", (m.folder / "ORVNMENU.EXE").string()},
                              m.caption, wine});
        candidates.push_back({"bare Qt window" + tag,
                              {(fs::canonical("/proc/self/exe").parent_path() / "bare_qt_window").string(), std::to_string(m.width),
                               std::to_string(m.height)},
                              "Bare Qt Window",
                              qt});
        candidates.push_back(
            {"ORVNMENU.EXE (host build)" + tag, {(program / "Test/ORVNMENU.EXE").string(), m.folder.string()}, m.caption, qt});
        if (!compare.empty())
            candidates.push_back({"other ORVNMENU.EXE under Wine" + tag, {"wine", (m.folder / "OTHER.EXE").string()},
                                  m.caption, wine});
    }
    // Round by round (-1 where no window came), so that each program can be set against its
    // yardstick of the same round.
    std::map<std::string, std::vector<double>> times;
    for (int round = 0; round <= runs; ++round)
        for (const Candidate& c : candidates) {
            const double ms = measure(x, c);
            if (round > 0)  // round 0 warms the caches and Wine's server
                times[c.label].push_back(ms);
        }
    const auto shown = [&](const std::string& label) {
        std::vector<double> t;
        std::copy_if(times[label].begin(), times[label].end(), std::back_inserter(t), [](double ms) { return ms >= 0; });
        return t;
    };

    // The fastest run too: on a busy machine it is nearer the program's own cost than the median.
    for (const Candidate& c : candidates) {
        const std::vector<double> t = shown(c.label);
        std::printf("%-58s median %7.1f ms, fastest %7.1f ms over %zu runs\n", c.label.c_str(), median(t),
                    t.empty() ? -1 : *std::min_element(t.begin(), t.end()), t.size());
    }
    // The ratios: of the medians, and the median of the rounds' own ratios, which a machine
    // whose load changes during the runs disturbs least.
    const std::size_t perMenu = candidates.size() / menus.size();
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const auto ratio = [&](const char* what, std::size_t program, std::size_t yardstick) {
            const std::string& p = candidates[m * perMenu + program].label;
            const std::string& y = candidates[m * perMenu + yardstick].label;
            std::vector<double> rounds;
            for (std::size_t r = 0; r < times[p].size(); ++r)
                if (times[p][r] >= 0 && times[y][r] > 0)
                    rounds.push_back(times[p][r] / times[y][r]);
            std::printf("%s, %s: %.2f of the medians, %.2f by rounds\n", menus[m].name.c_str(), what,
                        median(shown(p)) / median(shown(y)), median(rounds));
        };
        ratio("Windows menu / empty window under Wine", 1, 0);
        ratio("host menu / bare Qt window", 3, 2);
        if (!compare.empty())
            ratio("other Windows build / empty window", 4, 0);
    }

    kill(keeper, SIGTERM);
    waitpid(keeper, nullptr, 0);
    fs::remove_all(work);
    return 0;
}
