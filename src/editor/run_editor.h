// The interactive editor: starts the application, installs the host services with the
// editor's dialogs, reads the options, shows the main window and runs until it closes.
#pragma once

namespace orv::editor {

// argv: the program's arguments (a project file, in host or Windows form, may follow).
// "--startup-time" prints the time from start until the main window was first shown
// (milliseconds since the epoch, and the time since the start of main) and quits.
int runEditor(int argc, char** argv);

}  // namespace orv::editor
