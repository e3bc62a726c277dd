// A font of the project shown as its description ("Arial, 12 pt, bold, not italic") with a
// button that opens the font chooser.
#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

#include "model/menu_project.h"

class QLabel;
class QPushButton;

namespace orv::editor {

// Where a font's four values live in the project.
struct FontFields {
    std::string MenuProject::*name;
    std::int16_t MenuProject::*size;
    bool MenuProject::*bold;
    bool MenuProject::*italic;
};

class FontField : public QWidget {
    Q_OBJECT
public:
    FontField(FontFields fields, const QString& buttonText, QWidget* parent = nullptr);

    // Shows the project's font.
    void show(const MenuProject& project);
    // Opens the chooser; true when a font was chosen (the project is updated).
    bool choose(MenuProject& project);

    QPushButton* button() const { return button_; }
    QLabel* description() const { return description_; }

signals:
    void clicked();

private:
    FontFields fields_;
    QLabel* description_;
    QPushButton* button_;
};

}  // namespace orv::editor
