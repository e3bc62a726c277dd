// orvnedit: the editor, and the batch build "PROJECT /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]"
// which needs no display and never waits for input. Without a display the editor says so
// in one line instead of crashing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QCoreApplication>

#include "create/create_menu.h"
#include "editor/run_editor.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_services.h"
#include "templates/batch_build.h"
#include "templates/command_line.h"

namespace {

bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

// The batch build: no window, messages to the log, the report of a finished build on
// standard output, exit code 0 or 1.
int runBatchBuild(int argc, char** argv, const std::string& commandLine)
{
    QCoreApplication app(argc, argv);
    orv::platform::ConsoleUserInterface console;
    orv::platform::HostServices services(&console);
    const int code = orv::BatchBuildMain(commandLine);
    if (code == 0) {
        for (const std::string& line : orv::LastCreationReport())
            std::puts(line.c_str());
    } else if (orv::Batch().BatchLogFile.empty()) {
        std::fprintf(stderr, "orvnedit: the build failed; name a log file with /LOG:FILE to see why\n");
    } else {
        std::fprintf(stderr, "orvnedit: the build failed; see %s\n", orv::Batch().BatchLogFile.c_str());
    }
    return code;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Veltrona Orvanto 8.6.9");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: orvnedit [PROJECT.mnp]\n"
                      "       orvnedit PROJECT.mnp /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]");
            return 0;
        }
    }
    const std::string commandLine = orv::JoinArguments(argc, argv);
    if (orv::IsBatchBuildCommandLine(commandLine))
        return runBatchBuild(argc, argv, commandLine);
    if (!displayAvailable()) {
        std::fprintf(stderr, "orvnedit: no display available; set DISPLAY to start the editor, "
                             "or build a project with PROJECT.mnp /BUILD\n");
        return 1;
    }
    return orv::editor::runEditor(argc, argv);
}
