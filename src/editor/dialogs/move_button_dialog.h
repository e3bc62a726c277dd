// MoveButtonInList: asks where a row of the button list goes. The list holds every other row
// and "< Insert Last >"; the chosen 1-based line goes back to the list operation.
#pragma once

#include <optional>

#include <QDialog>

#include "editor/rules/button_list_rules.h"

class QListWidget;

namespace orv::editor {

class MoveButtonDialog : public QDialog {
    Q_OBJECT
public:
    MoveButtonDialog(const MoveDialogTexts& texts, QWidget* parent = nullptr);

    QListWidget* lines() const { return lines_; }
    // The chosen 1-based line, once confirmed.
    int chosenLine() const { return chosen_; }

    // Shows the dialog; the chosen line, or nothing when cancelled.
    static std::optional<int> choose(const MoveDialogTexts& texts, QWidget* parent);

private:
    void confirm();

    QListWidget* lines_;
    int chosen_ = 0;
};

}  // namespace orv::editor
