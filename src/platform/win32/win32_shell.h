// Starting things on Windows: ShellExecuteExW for documents, folders, addresses and
// programs (the parameter text passed on exactly as typed), CreateProcessW with a pipe as
// standard input when a program is handed text that must not be on its command line.
#pragma once

#include "platform/shell.h"

namespace orv::platform {

class SystemFolders;

class Win32Shell final : public Shell {
public:
    // folders gives the program folder, where the help lies; it must outlive this.
    explicit Win32Shell(const SystemFolders& folders) : folders_(folders) {}

    // An address starting with "www." gets "http://" in front.
    bool ShellOpen(const std::string& target, const std::string& parameters = {},
                   const std::string& workingFolder = {}) override;
    // The arguments are quoted so that the program's C runtime splits them back unchanged.
    bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState state) override;
    bool RunProgram(const std::string& program, const std::string& parameters, const std::string& workingFolder,
                    WindowState state, const std::string& standardInput = {}) override;
    // help\<context>.html in the program folder, else help\index.html.
    bool ShowHelp(int contextNumber) override;
    bool ExploreFolder(const std::string& folder) override;

private:
    const SystemFolders& folders_;
};

}  // namespace orv::platform
