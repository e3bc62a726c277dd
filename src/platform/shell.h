// Starting things: documents with their default program, processes, help, the file manager.
#pragma once

#include <string>
#include <vector>

namespace orv::platform {

enum class WindowState { Normal, Hidden, Minimized, Maximized };

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the file, folder or address with the desktop's program for it (verb "open").
    // False when nothing could be started.
    virtual bool ShellOpen(const std::string& target, const std::string& parameters = {},
                           const std::string& workingFolder = {}) = 0;
    // Starts a program and does not wait. False when it could not be started.
    virtual bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder, WindowState state) = 0;
    // Starts a program with its parameter text exactly as typed (the command line after the
    // program's name; on Windows the program splits it itself) and does not wait. A
    // non-empty standardInput is written to the program's standard input, which is then
    // closed: secrets go this way, since other users can read command lines. False when
    // the program could not be started.
    virtual bool RunProgram(const std::string& program, const std::string& parameters,
                            const std::string& workingFolder, WindowState state,
                            const std::string& standardInput = {}) = 0;
    // Shows the bundled help at the page of the context number (0: contents).
    virtual bool ShowHelp(int contextNumber) = 0;
    // Shows the folder in the file manager.
    virtual bool ExploreFolder(const std::string& folder) = 0;
};

}  // namespace orv::platform
