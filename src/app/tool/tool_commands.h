// The commands of orvntool, kept apart from the process so that tests can run them:
//   new [--usb] [--force] PROJECT.mnp  a new project with the editor's new-project values
//                                (an existing file only with --force)
//   upgrade OLD.mnp [NEW.mnp]    opens a project of any version, saves it in this format
//   mni PROJECT.mnp OUT.mni      writes the menu description file menu creation would write
//   info PROJECT.mnp [--json]    the facts of a project
//   check PROJECT.mnp            every problem that would stop the menu creation
// Exit codes: 0 success, 1 a file could not be read or written, 2 bad arguments.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "model/menu_project.h"
#include "model/project_file.h"

namespace orv::tool {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

std::string ToolUsageText();

class ToolCommands {
public:
    // prepare runs once before a command touches any file (the program installs its
    // services and reads the editor options there); tests leave it empty.
    ToolCommands(std::ostream& out, std::ostream& err, std::function<void()> prepare = {});

    // args: the command line without the program name.
    int run(const std::vector<std::string>& args);

private:
    int newProject(const std::vector<std::string>& args);
    int upgrade(const std::vector<std::string>& args);
    int mni(const std::vector<std::string>& args);
    int info(const std::vector<std::string>& args);
    int check(const std::vector<std::string>& args);

    // Reads the named project (host or Windows-form path) after preparing; reports a missing
    // file on the error stream and returns false.
    bool openProject(const std::string& arg, MenuProject& project, ProjectFileVersion* version = nullptr);

    int usageError(const std::string& message);
    int failure(const std::string& message);
    void prepare();

    std::ostream& out_;
    std::ostream& err_;
    std::function<void()> prepare_;
};

}  // namespace orv::tool
