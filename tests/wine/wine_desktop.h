// End-to-end tests of the medium's Windows programs: a virtual X display of their own,
// programs started under Wine (in the test prefix) or natively, and the windows found,
// clicked, typed at and captured with the X tools (xdotool, xwd), as a person would.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

namespace orv::test {

class WineDesktop {
public:
    WineDesktop();  // starts Xvfb on a free display
    ~WineDesktop();  // ends every program it started, then the display
    WineDesktop(const WineDesktop&) = delete;
    WineDesktop& operator=(const WineDesktop&) = delete;

    // Empty when the display and the tools are there; otherwise why not (the test skips).
    const std::string& missing() const { return missing_; }

    // Starts a Windows program under Wine, or a host program, on this display; does not wait.
    QProcess& startWindows(const std::string& exe, const QStringList& arguments = {});
    QProcess& startHost(const std::string& exe, const QStringList& arguments = {});
    // Runs a Windows program without a window to the end; its exit code (-1: it did not end
    // in time). The input is written to its standard input, which is then closed.
    int runWindows(const std::string& exe, const QStringList& arguments, const std::string& input = {},
                   std::chrono::seconds timeout = std::chrono::seconds(60));

    // The X window whose name matches the regular expression, once it is shown; 0 when none
    // comes in time.
    unsigned long waitForWindow(const std::string& namePattern,
                                std::chrono::milliseconds timeout = std::chrono::seconds(30)) const;
    // Waits until the window's name matches; false when it does not in time.
    bool waitForName(unsigned long window, const std::string& namePattern,
                     std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    std::string windowName(unsigned long window) const;
    // Where the window's content lies on the screen.
    QRect geometry(unsigned long window) const;

    // A left click at a point of the window's content.
    void click(unsigned long window, int x, int y) const;
    // A key ("Escape", "Return", "Tab") typed into the window. Without a window manager a
    // click on the window's top-left corner makes it the active one first.
    void key(unsigned long window, const std::string& name) const;
    // Types the key into the window until done() says it took effect (a busy machine may
    // lose a key that comes before the window is ready); at most three times.
    bool keyUntil(unsigned long window, const std::string& name, const std::function<bool()>& done) const;
    // Types the text, or presses a key, in the window that has the keyboard.
    void type(const std::string& text) const;
    void press(const std::string& key) const;
    // Waits until no shown window's name matches; false when one still does after the time.
    bool waitUntilClosed(const std::string& namePattern,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Ends the program that shows the window (one the test did not start itself).
    void closeProgramOf(unsigned long window) const;
    // The window's content as it is on the screen.
    QImage capture(unsigned long window) const;

    // The whole screen, for a failing test to keep (saved as PNG into the temporary folder
    // under the name given); returns the file's path.
    std::string keepScreen(const std::string& name) const;

    // Wine's name for a host path (Z: is the root).
    static std::string windowsPath(const std::string& hostPath);

private:
    QString tool(const QStringList& arguments, int timeoutMs = 10000) const;
    QProcessEnvironment environment(bool wine) const;

    std::string missing_;
    int display_ = -1;
    QProcess server_;
    std::vector<std::unique_ptr<QProcess>> programs_;
};

// Reads an X window dump (xwd, 24 or 32 bits per pixel, either byte order). Null on failure.
QImage readXwd(const QByteArray& bytes);

}  // namespace orv::test
