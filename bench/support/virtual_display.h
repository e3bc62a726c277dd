// A virtual X display for a start-up benchmark. Xvfb picks a display number it could really
// listen on and names it once it is ready (-displayfd), so a server of another user or of
// another run on some number is never taken for this one.
#pragma once

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

class VirtualDisplay {
public:
    VirtualDisplay()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        server_ = fork();
        if (server_ == 0) {
            close(ready[0]);
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x900x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        std::string number;
        pollfd answer{ready[0], POLLIN, 0};
        char c = 0;
        while (server_ > 0 && poll(&answer, 1, 10000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        if (number.empty())
            return;
        name_ = ":" + number;
        x_ = XOpenDisplay(name_.c_str());
    }
    ~VirtualDisplay()
    {
        if (x_)
            XCloseDisplay(x_);
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The benchmark's own connection; null when the server did not start.
    Display* connection() const { return x_; }
    // ":N", for the DISPLAY of the programs measured.
    const std::string& name() const { return name_; }

private:
    pid_t server_ = -1;
    std::string name_;
    Display* x_ = nullptr;
};

}  // namespace bench
