// The "Buttons (text)" tab: the buttons' font, text alignment and colours, and the font and
// colour of the title rows of the button list.
#pragma once

#include "editor/tabs/project_tab.h"

class QCheckBox;

namespace orv::editor {

class ColourButton;
class FontField;

class ButtonsTextTab : public ProjectTab {
    Q_OBJECT
public:
    ButtonsTextTab(const TabContext& context, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    void chooseTextColour();

    FontField* font_;
    FontField* titleFont_;
    ColourButton* textColour_;
    ColourButton* frameColour_;
    ColourButton* backColour_;
    ColourButton* titleColour_;
    QCheckBox* separateFrame_;
};

}  // namespace orv::editor
