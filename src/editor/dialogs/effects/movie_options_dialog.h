// The movie window's details: its background colour, title, close button and the colours
// of the close cross (DlgMovieMoreOptions).
#pragma once

#include "editor/dialogs/effects/effect_dialog.h"

class QCheckBox;

namespace orv::editor {

class DlgMovieMoreOptions : public EffectDialog {
    Q_OBJECT
public:
    explicit DlgMovieMoreOptions(const MenuProject& project, QWidget* parent = nullptr);
    void apply(MenuProject& project) const override;
    QString stepName() const override { return tr("Movie Window Options"); }

private:
    QCheckBox* userBackColour_;
    ColourButton* backColour_;
    QLineEdit* title_;
    QCheckBox* closeButton_;
    ColourButton* crossLineColour_;
    ColourButton* crossBackColour_;
    QCheckBox* grayStdButton_;
};

}  // namespace orv::editor
