// The batch build: "orvnedit PROJECT /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]" builds the
// project's menu without any window. Every message goes to the log file through the shared
// message routine, and the exit code tells whether one was logged.
#pragma once

#include <string>

#include "create/creation_observer.h"
#include "model/menu_project.h"
#include "batch/command_line.h"

namespace orv {

inline constexpr const char* ProjectFileMissingMessage = "The project file does not exist!";

// The refusal of a /LOG: file that is the project file itself.
inline std::string LogIsProjectMessage(const std::string& logFile)
{
    return "The log file " + logFile + " is the project file itself; name another log file.";
}

// The project file of the command line: the path as given when that file exists; else, for
// a relative path, the same path below the editor's folder (so "Examples\Demo.mnp" finds the
// examples that come with the editor).
std::string ResolveCommandLineProject(const std::string& path);

// Deletes the log file of an earlier build when it can be opened for reading.
void DeleteOldLog(const std::string& logFile);

// The build of a parsed batch command line into the given project: sets the batch state,
// logs "The project file does not exist!" (title "Information", style 0) for a missing
// project, opens the project, deletes the old log, and runs the Create action with the build
// folder. Returns the exit code: 1 when a message was logged, else 0.
int RunBatchBuild(const CommandLine& commandLine, MenuProject& project,
                  CreationObserver& observer = DefaultCreationObserver());

// The whole batch run of a command line, as the program's main calls it once the services
// are installed: reads the editor options and the sibling product's values first.
int BatchBuildMain(const std::string& commandLine);
int BatchBuildMain(const CommandLine& commandLine);

}  // namespace orv
