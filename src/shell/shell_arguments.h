// The menu program's command line: "/TEST" marks a test run started by the editor,
// "/RESIZE-ENG" lets the user size the window for the editor; any other argument names
// the menu description file to show instead of the one beside the program. The hidden
// switch "/LAYOUT:<file>" writes the layout of the first menu shown to that file, so the
// layouts of two builds of the program can be compared. "--screenshot FILE" (or
// "/SCREENSHOT:FILE") paints the menu into a PNG file without showing a window and ends.
#pragma once

#include <string>
#include <vector>

namespace orv::shell {

struct ShellArguments {
    bool testRun = false;
    bool resizeMode = false;
    std::string menuFile;  // empty: the file beside the program
    std::string layoutFile;  // empty: no layout written
    std::string screenshotFile;  // empty: the menu is shown
};

// Switches are matched without regard to case; "-" is accepted in place of "/".
ShellArguments parseShellArguments(const std::vector<std::string>& arguments);

}  // namespace orv::shell
