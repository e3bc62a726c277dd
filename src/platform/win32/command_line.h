// The program's arguments from the wide command line, as UTF-8: the narrow argv of a
// Windows program holds only what the ANSI code page can spell, so "pässwörd" or a file
// name in another script would not survive it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

// The arguments of the running program (GetCommandLineW), without the program's name.
std::vector<std::string> commandLineArguments();

// The arguments of a whole command line (the program's name first), split as the C
// runtime and CommandLineToArgvW split them, without the program's name. Plain code, so
// that reading the command line does not load the shell.
std::vector<std::string> argumentsOfCommandLine(std::wstring_view commandLine);

}  // namespace orv::platform
