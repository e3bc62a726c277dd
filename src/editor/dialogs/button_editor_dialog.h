// The button editor: one entry of the button list with its text, command, target, picture
// and tip. Everything else an entry carries is edited by the button options that "Options..."
// opens. The dialog works on a copy; the caller stores a confirmed entry.
#pragma once

#include <optional>

#include <QDialog>

#include "editor/rules/button_edit_request.h"
#include "editor/rules/button_editor_rules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class DialogLauncher;

class ButtonEditorDialog : public QDialog {
    Q_OBJECT
public:
    ButtonEditorDialog(const ButtonEditRequest& request, const DialogLauncher& dialogs, QWidget* parent = nullptr);

    // Shows the dialog modally for the entry and returns what the caller stores.
    static ButtonEditOutcome edit(const ButtonEditRequest& request, const DialogLauncher& dialogs,
                                  QWidget* parent);

    ButtonEditOutcome outcome() const;

    void accept() override;

private:
    void showState();     // the rules' state into the controls
    void readControls();  // the controls into the rules' state
    void applyLayout();
    void commandChosen(int index);
    void textEdited();
    void targetLeft();
    void folderLeft();
    void browseTarget();
    void browsePicture();
    void openOptions();

    const ButtonEditRequest request_;  // the project it names outlives the dialog
    const DialogLauncher& dialogs_;
    ButtonEditorRules rules_;
    bool applyPositionTypeToAll_ = false;
    std::optional<MenuProject> gallery_;
    bool inFieldLeft_ = false;

    QLineEdit* text_ = nullptr;
    QComboBox* command_ = nullptr;
    QLabel* targetLabel_ = nullptr;
    QLineEdit* target_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* parametersLabel_ = nullptr;
    QLineEdit* parameters_ = nullptr;
    QCheckBox* word_ = nullptr;
    QCheckBox* mediaPlayer_ = nullptr;
    QLabel* sourceLabel_ = nullptr;
    QLineEdit* source_ = nullptr;
    QLineEdit* tip_ = nullptr;
    QGroupBox* pictureFrame_ = nullptr;
    QLineEdit* picture_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QGroupBox* pictureOptions_ = nullptr;
    QComboBox* transparency_ = nullptr;
    QCheckBox* useBmpSize_ = nullptr;
    QPushButton* options_ = nullptr;
};

// Gives the dialog launcher the button editor for the button list's Add and Edit.
void RegisterButtonEditor(DialogLauncher& dialogs);

}  // namespace orv::editor
