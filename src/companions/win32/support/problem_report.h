// Telling the user of a program about a problem: a message box when the program shows
// windows, otherwise a line "<program>: <text>" on the error output (scripts, no display).
#pragma once

#include <string>

#include <windows.h>

namespace orv::win32 {

// icon: MB_ICONERROR, MB_ICONWARNING or MB_ICONINFORMATION.
void reportProblem(bool windows, const char* program, const std::string& title, const std::string& text,
                   UINT icon = MB_ICONERROR);

// Writes "<program>: <text>" and a line end to the error output when the program has one
// (a program with windows started from a console or with its output redirected).
void writeErrorLine(const char* program, const std::string& text);

}  // namespace orv::win32
