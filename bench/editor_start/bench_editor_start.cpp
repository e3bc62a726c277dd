// Start-up of the editor against a bare Qt Widgets window with the same menus and tabs
// (bare_tabs_window): the time from starting the process until its main window is mapped,
// until it is first painted (the first drawing into the window, seen through the X DAMAGE
// extension) and until its drawing has settled (the last drawing before 150 ms without
// any), on a virtual display of its own without a window manager. The
// programs alternate round by round after one warming round, so a busy machine slows them
// alike; each figure is the median. Also counted: the shared libraries each process has
// loaded when its window is first painted (from /proc/PID/maps).
//
// The editor runs with a fresh ORVANTO_HOME whose options file turns off the tour, the
// project folder question and the start window, so that its main window is all it shows.
//
//   bench_editor_start [--runs N] [--program DIR] [--compare EXE] [--verbose]
//     DIR defaults to build/program (the editor is DIR/orvnedit).
//     --compare: another build of orvnedit (placed in a program folder), run in the same
//     rounds (before and after a change).
#include "support/spawn_quiet.h"
#include "support/virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

bool verbose = false;

struct Candidate {
    std::string label;
    std::vector<std::string> command;
    std::vector<std::string> environment;  // NAME=VALUE added to the inherited ones
};

struct Run {
    // ms from the start; -1 when it did not happen in 30 s
    double mapped = -1, painted = -1, settled = -1;
    int libraries = 0;
};

pid_t spawn(const Candidate& c)
{
    return bench::spawnQuiet(c.command, c.environment);
}

// The process that owns a window, from the _NET_WM_PID property Qt sets; 0 when unknown.
long ownerOf(Display* display, Window window)
{
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

// The shared libraries mapped into a process: each file named *.so or *.so.N once.
int sharedLibraries(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string file = line.substr(slash);
        const std::string name = fs::path(file).filename().string();
        if (name.find(".so") != std::string::npos)
            files.insert(file);
    }
    if (verbose)
        for (const std::string& file : files)
            std::fprintf(stderr, "    %s\n", file.c_str());
    return static_cast<int>(files.size());
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // windows that went before we asked

Run measure(Display* display, int damageEvent, const Candidate& c)
{
    XSync(display, True);  // drop the events of earlier runs
    const auto start = Clock::now();
    const auto since = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    const pid_t pid = spawn(c);
    Run run;
    std::map<Window, Damage> watched;
    const int fd = ConnectionNumber(display);
    constexpr double Quiet = 150;  // ms without drawing after which the window has settled
    while (Clock::now() - start < std::chrono::seconds(30) && (run.painted < 0 || since() - run.settled < Quiet)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
                // Watched from its creation, so that no drawing goes unseen.
                watched[event.xcreatewindow.window] =
                    XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && ownerOf(display, event.xmap.window) == pid) {
                if (verbose)
                    std::fprintf(stderr, "  %7.1f ms: mapped\n", since());
                if (run.mapped < 0)
                    run.mapped = since();
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto* damage = reinterpret_cast<const XDamageNotifyEvent*>(&event);
                XDamageSubtract(display, damage->damage, None, None);
                if (run.mapped >= 0 && ownerOf(display, damage->drawable) == pid) {
                    run.settled = since();
                    if (run.painted < 0) {
                        run.painted = run.settled;
                        run.libraries = sharedLibraries(pid);
                    }
                    if (verbose)
                        std::fprintf(stderr, "  %7.1f ms: painted\n", run.settled);
                }
            }
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 2);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    for (const auto& [window, damage] : watched)
        XDamageDestroy(display, damage);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it and its window go
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    fs::path program = "build/program", compare;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--verbose")
            verbose = true;
        else if (option == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (option == "--program" && i + 1 < argc)
            program = argv[++i];
        else if (option == "--compare" && i + 1 < argc)
            compare = fs::absolute(argv[++i]);
    }
    program = fs::absolute(program);
    if (!fs::exists(program / "orvnedit")) {
        std::fprintf(stderr, "no %s; build orvnedit first\n", (program / "orvnedit").c_str());
        return 1;
    }

    const bench::VirtualDisplay screen;
    Display* x = screen.connection();
    int damageEvent = 0, damageError = 0;
    if (!x || !XDamageQueryExtension(x, &damageEvent, &damageError)) {
        std::fprintf(stderr, x ? "the virtual display has no DAMAGE extension\n" : "no virtual display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);

    // A home whose options file skips the interactive start.
    const fs::path home = fs::temp_directory_path() / ("orvanto-bench-editor-" + std::to_string(getpid()));
    fs::create_directories(home / "AppData/Veltrona/Orvanto");
    std::ofstream(home / "AppData/Veltrona/Orvanto/ORVNMENU.INI", std::ios::binary)
        << "[Options]\r\nShowAppTour = 0\r\nMyProjectsFolderAutoCreateDone = 1\r\nDontShowStartWindow = 1\r\n\r\n";

    const std::string displayVariable = "DISPLAY=" + screen.name();
    const std::vector<std::string> environment = {displayVariable, "QT_QPA_PLATFORM=xcb", "ORVANTO_HOME=" + home.string()};
    std::vector<Candidate> candidates = {
        {"bare Qt window with the eight tabs",
         {(fs::canonical("/proc/self/exe").parent_path() / "bare_tabs_window").string()},
         environment},
        {"orvnedit", {(program / "orvnedit").string()}, environment},
    };
    if (!compare.empty())
        candidates.push_back({"other orvnedit (" + compare.string() + ")", {compare.string()}, environment});

    const std::string loadBefore = loadAverage();
    std::map<std::string, std::vector<Run>> results;
    for (int round = 0; round <= runs; ++round)
        for (const Candidate& c : candidates) {
            if (verbose)
                std::fprintf(stderr, "round %d: %s\n", round, c.label.c_str());
            const Run run = measure(x, damageEvent, c);
            if (round > 0)  // round 0 fills the file system cache
                results[c.label].push_back(run);
        }

    const auto series = [&](const std::string& label, double Run::*field) {
        std::vector<double> t;
        for (const Run& r : results[label])
            if (r.*field >= 0)
                t.push_back(r.*field);
        return t;
    };
    std::printf("load average before %s, after %s; %d rounds\n", loadBefore.c_str(), loadAverage().c_str(), runs);
    for (const Candidate& c : candidates) {
        const std::vector<double> painted = series(c.label, &Run::painted);
        int libraries = 0;
        for (const Run& r : results[c.label])
            libraries = std::max(libraries, r.libraries);
        std::printf("%-36s mapped %6.1f ms, first painted %6.1f ms (fastest %6.1f ms), settled %6.1f ms "
                    "(medians of %zu runs); %d libraries\n",
                    c.label.c_str(), median(series(c.label, &Run::mapped)), median(painted),
                    painted.empty() ? -1 : *std::min_element(painted.begin(), painted.end()),
                    median(series(c.label, &Run::settled)), painted.size(), libraries);
    }
    // The ratios to the yardstick: of the medians, and the median of the rounds' own ratios,
    // which a machine whose load changes during the runs disturbs least.
    const std::string& yardstick = candidates[0].label;
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        const std::string& label = candidates[i].label;
        for (const auto& [what, field] : {std::pair{"first paint", &Run::painted}, {"settled", &Run::settled}}) {
            std::vector<double> rounds;
            for (std::size_t r = 0; r < results[label].size(); ++r)
                if (results[label][r].*field >= 0 && results[yardstick][r].*field > 0)
                    rounds.push_back(results[label][r].*field / results[yardstick][r].*field);
            std::printf("%s / bare window, %s: %.2f of the medians, %.2f by rounds\n", label.c_str(), what,
                        median(series(label, field)) / median(series(yardstick, field)), median(rounds));
        }
    }

    fs::remove_all(home);
    return 0;
}
