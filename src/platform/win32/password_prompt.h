// A small modal password dialog for Win32 programs, built in memory (no resource file):
// a prompt, one edit box (masked or not), OK and Cancel. Enter means OK, Escape means
// Cancel, and the edit box has the focus.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orv::platform {

struct PasswordPrompt {
    std::string title = "Enter password";
    std::string text;  // the prompt above the edit box; up to three lines show
    bool masked = true;
    std::string okCaption = "OK";
    std::string cancelCaption = "Cancel";
};

// Shows the dialog centred on owner (or the screen) and waits. The typed text in UTF-8
// (possibly empty), or nothing when the user cancelled or the dialog could not be shown.
std::optional<std::string> askPassword(HWND owner, const PasswordPrompt& prompt);

}  // namespace orv::platform
