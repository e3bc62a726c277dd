// orvnedit: the editor, and the batch build "PROJECT /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]"
// which needs no display and never waits for input. Without a display the editor says so
// in one line instead of crashing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QCoreApplication>

#include "batch/batch_build.h"
#include "batch/command_line.h"
#include "create/create_menu.h"
#include "editor/rules/shown_path.h"
#include "editor/run_editor.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/project_writer.h"
#include "platform/host/console_user_interface.h"
#include "platform/host/host_services.h"
#include "product/product.h"

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
// standard output (its paths in host form), exit code 0 or 1.
int runBatchBuild(int argc, char** argv, const orv::CommandLine& commandLine)
{
    QCoreApplication app(argc, argv);
    orv::platform::ConsoleUserInterface console;
    orv::platform::HostServices services(&console);
    const int code = orv::BatchBuildMain(commandLine);
    if (code == 0) {
        for (const std::string& line : orv::LastCreationReport())
            std::puts(orv::editor::ShownPathsInText(line).c_str());
    } else {
        std::fprintf(stderr, "orvnedit: the build stopped: %s\n",
                     orv::editor::ShownPathsInText(orv::Batch().LastMessage).c_str());
    }
    return code;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", orv::ProductName, orv::EditorVersionText);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: orvnedit [PROJECT.mnp]\n"
                      "       orvnedit PROJECT.mnp /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]\n"
                      "\n"
                      "Without /BUILD the editor opens, with the project when one is named.\n"
                      "With /BUILD the menu of the project is created without any window:\n"
                      "  /BUILDFOLDER:FOLDER  create it in FOLDER instead of the project's own\n"
                      "                       destination folder\n"
                      "  /LOG:FILE            write the message of a failed build to FILE\n"
                      "The switches stand in this order, after the project; paths with blanks\n"
                      "may be quoted. Paths may be host paths or Windows-form paths (Z:\\...).\n"
                      "Exit code of a build: 0 when the menu was created, 1 when it stopped.\n"
                      "\n"
                      "  --help     show this text\n"
                      "  --version  show the version");
            return 0;
        }
    }
    // The arguments arrive split: only a whole argument is a switch.
    const orv::CommandLine commandLine = orv::ParseArguments(argc, argv);
    if (commandLine.batchBuild)
        return runBatchBuild(argc, argv, commandLine);
    if (!displayAvailable()) {
        std::fprintf(stderr, "orvnedit: no display available; set DISPLAY to start the editor, "
                             "or build a project with PROJECT.mnp /BUILD\n");
        return 1;
    }
    return orv::editor::runEditor(argc, argv);
}
