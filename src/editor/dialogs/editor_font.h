// The font of the editor's own windows (the options' font number), switched to a family with
// wide character coverage while the open project holds Unicode texts. Call it at start, after
// the options dialog and when a project is opened or its character set changes.
#pragma once

#include <QString>

namespace orv::editor {

// Puts the font in force for the whole application; returns the family used (the desktop's
// default family when none of the candidates is installed).
QString applyEditorFont(int selectedFont, bool unicodeTexts);

}  // namespace orv::editor
