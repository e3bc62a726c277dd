// Message boxes with UTF-8 texts.
#pragma once

#include <string>

#include <windows.h>

namespace orv::win32 {

// MessageBoxW with the texts converted; returns its answer (IDOK, IDYES, ...).
int messageBox(HWND owner, const std::string& text, const std::string& title, UINT style);

}  // namespace orv::win32
