#include "editor/dialogs/editor_font.h"

#include <optional>

#include <QApplication>
#include <QFontDatabase>

#include "editor/rules/editor_font_rules.h"

namespace orv::editor {

QString applyEditorFont(int selectedFont, bool unicodeTexts)
{
    // The desktop's own font, remembered before the first change, is the fallback.
    static std::optional<QFont> desktopFont;
    if (!desktopFont)
        desktopFont = QApplication::font();

    std::vector<std::string> installed;
    for (const QString& family : QFontDatabase::families())
        installed.push_back(family.toStdString());

    QFont font = *desktopFont;
    const std::string family = ChooseEditorFontFamily(selectedFont, unicodeTexts, installed);
    if (!family.empty())
        font.setFamilies({QString::fromStdString(family)});
    QApplication::setFont(font);
    return font.family();
}

}  // namespace orv::editor
