// The font of the editor's own windows. The options offer four Windows fonts by number; on a
// desktop without them the nearest installed family is used, and a project with Unicode texts
// switches to a family with wide character coverage so its texts show in the fields.
#pragma once

#include <string>
#include <vector>

namespace orv::editor {

// Families to try for the font number, best first. Number 0 is the default font: its
// Windows family first, then nothing (the desktop's own font).
std::vector<std::string> EditorFontCandidates(int selectedFont);

// Families with wide coverage for Unicode texts, best first.
std::vector<std::string> UnicodeFontCandidates();

// The family to use among the installed ones (compared without case), or empty to keep the
// desktop's default font. With unicodeTexts the Unicode candidates come first.
std::string ChooseEditorFontFamily(int selectedFont, bool unicodeTexts, const std::vector<std::string>& installed);

}  // namespace orv::editor
