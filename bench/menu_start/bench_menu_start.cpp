// Start-up of the menu program: the time from starting a process until its window is
// mapped on the X display, for the Windows ORVNMENU.EXE under Wine, an empty Win32 window
// under Wine (the yardstick: the least any Windows program needs there) and the host
// build of the menu program (for reference). The three alternate round by round on a
// virtual display of their own, after one warming round, so a busy machine slows all of
// them alike; each figure is the median. A Notepad window keeps Wine's desktop program
// running throughout, as Windows' desktop always is.
//
//   bench_menu_start [--runs N] [--program DIR] [--bench DIR] [--prefix WINEPREFIX] [--verbose]
//     DIR defaults: build/program and build/windows/bench; the prefix: build/wine
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    const pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& e : c.environment)
            putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        for (const std::string& a : c.command)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
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
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let its window go
    return elapsed;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

std::string menuDescription()
{
    std::string text = "[MainWindow]\r\nCaptionText = Bench Menu\r\nWidth = 500\r\nHeight = 400\r\n"
                       "ToneDirection = 4\r\nBackColor2 = 16744448\r\n\r\n[Title]\r\nTitleText = Bench Menu\r\n"
                       "TitleShadow = 1\r\n\r\n[SubTitle]\r\nSubTitleText = Start-up\r\n\r\n"
                       "[Buttons]\r\nButtonStyle = 9\r\nNrButtons = 6\r\n\r\n[ButtonData]\r\n";
    for (int n = 1; n <= 6; ++n)
        text += "Button" + std::to_string(n) + "Text = Button " + std::to_string(n) + "\r\nButton" +
                std::to_string(n) + "Cmd = Show Document\r\nButton" + std::to_string(n) + "Link = doc.txt\r\n";
    return text + "\r\n-(EOF)-\r\n";
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 10;
    fs::path program = "build/program", bench = "build/windows/bench", prefix = "build/wine";
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--verbose")
            verbose = true;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--program")
            program = argv[i + 1];
        else if (option == "--bench")
            bench = argv[i + 1];
        else if (option == "--prefix")
            prefix = argv[i + 1];
    }
    program = fs::absolute(program);
    bench = fs::absolute(bench);
    prefix = fs::absolute(prefix);

    int number = 170;
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)))
        ++number;
    const std::string display = ":" + std::to_string(number);
    const pid_t server = spawn({"Xvfb", {"Xvfb", display, "-screen", "0", "1280x900x24", "-nolisten", "tcp"}, "", {}});
    Display* x = nullptr;
    for (int i = 0; i < 100 && !x; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        x = XOpenDisplay(display.c_str());
    }
    if (!x) {
        std::fprintf(stderr, "no virtual display\n");
        kill(server, SIGTERM);
        return 1;
    }
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);

    const fs::path menu = fs::temp_directory_path() / ("orvanto-bench-menu-" + std::to_string(getpid()));
    fs::create_directories(menu);
    fs::copy_file(program / "Release/ORVNMENU.EXE", menu / "ORVNMENU.EXE", fs::copy_options::overwrite_existing);
    std::ofstream(menu / "ORVNMENU.MNI", std::ios::binary) << menuDescription();

    const std::string displayVariable = "DISPLAY=" + display;
    const std::vector<std::string> wine = {displayVariable, "WINEPREFIX=" + prefix.string(), "WINEDEBUG=-all",
                                           "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d"};
    // The desktop's own program (explorer.exe) runs while any program has a window on it, as
    // on Windows, where it runs always: a window of another program keeps it there, so no
    // run pays for its start.
    spawn({"wineserver", {"wineserver", "-p"}, "", wine});
    const pid_t keeper = spawn({"notepad", {"wine", "notepad"}, "", wine});
    std::this_thread::sleep_for(std::chrono::seconds(3));

    const std::vector<Candidate> candidates = {
        {"empty Win32 window under Wine", {"wine", (bench / "empty_window.exe").string()}, "Empty Window", wine},
        {"ORVNMENU.EXE (Windows) under Wine", {"wine", (menu / "ORVNMENU.EXE").string()}, "Bench Menu", wine},
        {"ORVNMENU.EXE (host build)", {(program / "Test/ORVNMENU.EXE").string(), menu.string()}, "Bench Menu",
         {displayVariable, "QT_QPA_PLATFORM=xcb"}},
    };
    std::map<std::string, std::vector<double>> times;
    for (int round = 0; round <= runs; ++round)
        for (const Candidate& c : candidates) {
            const double ms = measure(x, c);
            if (round > 0 && ms >= 0)  // round 0 warms the caches and Wine's server
                times[c.label].push_back(ms);
        }

    for (const Candidate& c : candidates)
        std::printf("%-36s median %7.1f ms over %zu runs\n", c.label.c_str(), median(times[c.label]),
                    times[c.label].size());
    const double ratio = median(times[candidates[1].label]) / median(times[candidates[0].label]);
    std::printf("menu program / empty window under Wine: %.2f\n", ratio);

    kill(keeper, SIGTERM);
    waitpid(keeper, nullptr, 0);
    XCloseDisplay(x);
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    fs::remove_all(menu);
    return 0;
}
