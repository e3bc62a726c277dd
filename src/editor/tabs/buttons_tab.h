// The "Buttons" tab: how all buttons of the menu look: style, size and placement, the
// text's font and alignment, the colours, the effect and active frame dialogs, and the font
// and colour of the title rows of the button list.
#pragma once

#include "editor/tabs/project_tab.h"

class QCheckBox;
class QComboBox;

namespace orv::editor {

class ColourButton;
class FontField;

class ButtonsTab : public ProjectTab {
    Q_OBJECT
public:
    ButtonsTab(const TabContext& context, QWidget* parent = nullptr);

    // ComboButStyle_AssureItsAStyle: a selected group heading gives way to the style after it.
    void assureItsAStyle();

protected:
    void refresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeLookGroup();
    QWidget* makeTextGroup();
    QWidget* makeColourGroup();
    QWidget* makeTitleRowGroup();
    void chooseTextColour();

    QComboBox* style_ = nullptr;
    FontField* font_ = nullptr;
    FontField* titleFont_ = nullptr;
    ColourButton* textColour_ = nullptr;
    ColourButton* frameColour_ = nullptr;
    ColourButton* backColour_ = nullptr;
    ColourButton* titleColour_ = nullptr;
    QCheckBox* separateFrame_ = nullptr;
};

}  // namespace orv::editor
