// DlgInsertTitleInButtonList: the text of a title row of the button list and the font and
// colour that all title rows share. The caption is "Edit Title" for an existing row.
#pragma once

#include <optional>

#include <QDialog>

#include "editor/rules/button_list_rules.h"

class QLabel;
class QLineEdit;

namespace orv::editor {

class ColourButton;

class TitleDialog : public QDialog {
    Q_OBJECT
public:
    TitleDialog(const TitleValues& values, bool editing, QWidget* parent = nullptr);

    TitleValues values() const;
    QLineEdit* titleEdit() const { return title_; }
    QLabel* fontDescription() const { return font_; }

    // Shows the dialog; the values when confirmed.
    static std::optional<TitleValues> edit(const TitleValues& values, bool editing, QWidget* parent);

private:
    void chooseFont();
    void chooseColour();
    void showFont();

    TitleValues values_;
    QLineEdit* title_;
    QLabel* font_;
    ColourButton* colour_;
};

}  // namespace orv::editor
