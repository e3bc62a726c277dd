#include "editor/rules/editor_font_rules.h"

#include <algorithm>
#include <cctype>

namespace orv::editor {

namespace {

std::string folded(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string firstInstalled(const std::vector<std::string>& candidates, const std::vector<std::string>& installed)
{
    for (const auto& want : candidates) {
        std::string w = folded(want);
        for (const auto& have : installed)
            if (folded(have) == w)
                return have;
    }
    return {};
}

}  // namespace

std::vector<std::string> EditorFontCandidates(int selectedFont)
{
    switch (selectedFont) {
    case 1:
        return {"Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"};
    case 2:
        return {"Tahoma", "Verdana", "DejaVu Sans"};
    case 3:
        return {"Segoe UI", "Noto Sans", "Cantarell", "Ubuntu", "DejaVu Sans"};
    default:
        return {"MS Sans Serif"};
    }
}

std::vector<std::string> UnicodeFontCandidates()
{
    return {"Arial Unicode MS", "Noto Sans", "DejaVu Sans", "FreeSans"};
}

std::string ChooseEditorFontFamily(int selectedFont, bool unicodeTexts, const std::vector<std::string>& installed)
{
    if (unicodeTexts) {
        if (std::string family = firstInstalled(UnicodeFontCandidates(), installed); !family.empty())
            return family;
    }
    return firstInstalled(EditorFontCandidates(selectedFont), installed);
}

}  // namespace orv::editor
