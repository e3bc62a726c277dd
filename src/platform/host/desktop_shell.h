// Starting things on the desktop: documents and addresses with the desktop's program
// (QDesktopServices in a GUI program, xdg-open otherwise), detached processes, the bundled
// HTML help and the file manager. Windows-form paths are mapped to host paths.
#pragma once

#include <filesystem>

#include "platform/shell.h"

namespace orv::platform {

class FileSystem;
class SystemFolders;

class DesktopShell final : public Shell {
public:
    DesktopShell(const FileSystem& files, const SystemFolders& folders) : files_(files), folders_(folders) {}

    bool ShellOpen(const std::string& target, const std::string& parameters = {},
                   const std::string& workingFolder = {}) override;
    // The window state has no effect on this desktop: programs choose their own windows.
    bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState state) override;
    // The parameter text is split as the Windows C runtime splits a command line (the
    // quotes group and go away). With standard input the program's input is a pipe that
    // holds the text.
    bool RunProgram(const std::string& program, const std::string& parameters, const std::string& workingFolder,
                    WindowState state, const std::string& standardInput = {}) override;
    bool ShowHelp(int contextNumber) override;
    bool ExploreFolder(const std::string& folder) override;

private:
    // The host executable, arguments and folder of a start; false when there is no program.
    bool hostStart(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder, std::filesystem::path& executable,
                   std::vector<std::string>& hostArguments, std::filesystem::path& folder) const;

    const FileSystem& files_;
    const SystemFolders& folders_;
};

// The executable a program file stands for: the file itself when it is an executable
// file; for a missing "NAME.exe" (any case) the executable "name" or "NAME" beside it (so
// "ORVNEDIT.exe" in the program folder is the "orvnedit" executable). Empty when none.
std::filesystem::path executableFor(const std::filesystem::path& program);

// The help page of a context number in the help folder: "<n>.html", else "index.html";
// empty when neither exists.
std::filesystem::path helpPageFor(const std::filesystem::path& helpFolder, int contextNumber);

// True for an address the browser opens ("https://...", "www.example.com", "mailto:...").
bool isWebAddress(const std::string& target);

}  // namespace orv::platform
