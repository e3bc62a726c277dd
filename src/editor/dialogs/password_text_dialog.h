// DlgPassword_DialogText: the texts of the menu's password question and of its message for a
// wrong password. Empty texts are shown as their defaults; the information texts come back
// on one line.
#pragma once

#include <QDialog>

#include "editor/rules/button_options_rules.h"

class QLineEdit;
class QPlainTextEdit;

namespace orv::editor {

class PasswordTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordTextDialog(const PasswordTexts& held, QWidget* parent = nullptr);

    // The texts as typed, the information texts joined to one line.
    PasswordTexts texts() const;

private:
    QLineEdit* title_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* wrongTitle_ = nullptr;
    QPlainTextEdit* wrongText_ = nullptr;
};

}  // namespace orv::editor
