// CreateMenu, the create dialog: destination folder (with the folder chooser SelectDir),
// which menu description file to write, whether to copy pictures, sounds and the movie, the
// drive's icon, label and autorun action text, and the cooperation with Portavo. Its Create
// button runs CmdCreateMenu (any number of times); Close leaves it. The caption, info text,
// enabling and label colour come from create/create_dialog.h.
#pragma once

#include <QDialog>

#include "create/create_dialog.h"
#include "create/creation_observer.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class CreateMenuDialog : public QDialog {
    Q_OBJECT
public:
    // state: the dialog's values (LoadCreateDialog); kept current while the dialog is open.
    CreateMenuDialog(MenuProject& project, CreateDialogState& state, CreationObserver& observer,
                     QWidget* parent = nullptr);

    // The controls' values into the state.
    void storeState();
    // CmdCreate: stores the state and runs the creation; the dialog stays open.
    bool createMenu();
    // CmdSelectDirectory and CmdSelectIcon.
    void selectDirectory();
    void selectIcon();
    // CmdUSBsettings.
    void usbSettings();

    QLineEdit* destinationField() const { return destination_; }

signals:
    // The destination or the StickGuard settings were edited: the project is modified.
    void projectModified();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateLabelColour();

    MenuProject& project_;
    CreateDialogState& state_;
    CreationObserver& observer_;
    QLabel* info_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QComboBox* resolution_ = nullptr;
    QCheckBox* copyObjects_ = nullptr;
    QGroupBox* autorun_ = nullptr;
    QLineEdit* icon_ = nullptr;
    QLineEdit* label_ = nullptr;
    QLineEdit* actionText_ = nullptr;
    QGroupBox* portavo_ = nullptr;
    QCheckBox* coOperate_ = nullptr;
    QPushButton* usbSettings_ = nullptr;
    QPushButton* create_ = nullptr;
};

}  // namespace orv::editor
