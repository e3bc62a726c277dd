// DlgActiveFrame: whether the menu draws a frame round the button under the mouse, and its
// colour. OK changes the project as one step.
#pragma once

#include <QDialog>

#include "model/menu_project.h"

class QCheckBox;

namespace orv::editor {

class ColourButton;
class ProjectDocument;

class ActiveFrameDialog : public QDialog {
    Q_OBJECT
public:
    explicit ActiveFrameDialog(const MenuProject& project, QWidget* parent = nullptr);

    bool useFrame() const;
    Colour frameColour() const;

    // Shows the dialog over parent; OK writes both values to the project as one step.
    static bool edit(ProjectDocument& document, QWidget* parent = nullptr);

private:
    QCheckBox* useFrame_ = nullptr;
    ColourButton* colour_ = nullptr;
};

}  // namespace orv::editor
