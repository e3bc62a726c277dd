// The editor's command line: a project file, then optionally /BUILD, /BUILDFOLDER:folder and
// /LOG:file, in that order. Switch names are matched exactly (case counts).
#pragma once

#include <string>

namespace orv {

struct CommandLine {
    std::string projectFile;  // quotes removed
    bool batchBuild = false;
    std::string buildFolder;  // only in batch mode
    std::string logFile;      // only in batch mode
};

// The project file: the text before the first switch, trimmed, without double quotes.
std::string GetProjectFileFromCommandLine(const std::string& commandLine);
// True when /BUILD stands in the part before /BUILDFOLDER: and /LOG:.
bool IsBatchBuildCommandLine(const std::string& commandLine);
// The folder after /BUILDFOLDER: (up to /LOG:), trimmed, without quotes; empty unless batch.
std::string GetBuildFolderFromCommandLine(const std::string& commandLine);
// The file after /LOG:, trimmed, without quotes; empty unless batch.
std::string GetLogFileFromCommandLine(const std::string& commandLine);

CommandLine ParseCommandLine(const std::string& commandLine);

// The same rules over arguments that arrive already split (Linux): only a whole argument is
// a switch ("/BUILD", or one that begins with "/BUILDFOLDER:" or "/LOG:"), so a path that
// contains "/BUILD" (/srv/BUILD/p.mnp) stays a path. The project is the arguments before the
// first switch; a value runs from its switch to the next switch that ends it (as the text
// rules cut it), arguments joined with a blank and double quotes removed.
CommandLine ParseArguments(int argc, const char* const* argv);

// Joins program arguments into one command line as Windows passes it: arguments holding a
// blank are quoted.
std::string JoinArguments(int argc, const char* const* argv);

}  // namespace orv
