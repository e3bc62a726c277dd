#include "companions/win32/support/problem_report.h"

#include "companions/win32/support/message_box.h"

namespace orv::win32 {

void reportProblem(bool windows, const char* program, const std::string& title, const std::string& text,
                   UINT icon)
{
    if (windows)
        messageBox(nullptr, text, title, MB_OK | icon | MB_SETFOREGROUND);
    else
        writeErrorLine(program, text);
}

void writeErrorLine(const char* program, const std::string& text)
{
    // A program with windows has no console of its own; write only where a handle was given.
    const HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    const std::string line = std::string(program) + ": " + text + "\n";
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace orv::win32
