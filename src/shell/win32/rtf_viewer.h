// The Windows menu's own viewer for "Show RTF Document": a window with the document in a
// read-only rich edit control, and below it "Print" (when the menu offers it: it tells the
// user and starts WordPad with the document, which prints) and "Close".
#pragma once

#include <windows.h>

#include <string>

#include "shell/menu_description.h"

namespace orv::shell {

// Opens the viewer beside the menu window; false when the document cannot be read or the
// rich edit control is missing (the caller then opens the document with the shell).
bool showRtfViewer(HINSTANCE instance, HWND owner, const std::string& file, const std::string& title,
                   const RtfPrinting& printing, const std::string& closeText);

}  // namespace orv::shell
