// The "Title" tab: the title line, its alignment, font, colour, shadow and character spacing,
// and the subtitle, underline and background effect dialogs.
#pragma once

#include "editor/tabs/project_tab.h"

class QLineEdit;

namespace orv::editor {

class ColourButton;
class FontField;

class TitleTab : public ProjectTab {
    Q_OBJECT
public:
    TitleTab(const TabContext& context, QWidget* parent = nullptr);

private:
    void stepSpacing(int step);

    FontField* font_;
    ColourButton* colour_;
    QLineEdit* spacing_;
};

}  // namespace orv::editor
