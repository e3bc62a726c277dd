// A font of the project shown as its description ("Arial, 12 pt, bold, not italic") with a
// button that opens the font chooser.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QWidget>

#include "model/menu_project.h"
#include "platform/user_interface.h"

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
    // Opens the chooser preset to the project's font; the font chosen, or nothing.
    std::optional<platform::FontChoice> choose(const MenuProject& project) const;
    // Writes a chosen font into the project (a size of 0 keeps the size).
    void store(const platform::FontChoice& font, MenuProject& project) const;

    QPushButton* button() const { return button_; }

signals:
    void clicked();

private:
    FontFields fields_;
    QLabel* description_;
    QPushButton* button_;
};

}  // namespace orv::editor
