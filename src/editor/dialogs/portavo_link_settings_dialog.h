// DlgPortavoLinkSettings, opened by the create dialog's USB settings button: the file name
// of the StickGuard setup program on the drive and whether it goes into the menu folder or a
// sub-folder. OK checks the folder name (create/usb_cooperation.h) and writes the project.
#pragma once

#include <QDialog>

#include "create/usb_cooperation.h"

class QLineEdit;
class QRadioButton;

namespace orv::editor {

class PortavoLinkSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PortavoLinkSettingsDialog(MenuProject& project, QWidget* parent = nullptr);

    // Reset: the default names and the root-folder option.
    void reset();

    void accept() override;

    // Shows the dialog; true when OK changed the project.
    static bool edit(MenuProject& project, QWidget* parent = nullptr);

private:
    void showForm(const PortavoLinkSettingsForm& form);
    PortavoLinkSettingsForm form() const;

    MenuProject& project_;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* folderName_ = nullptr;
    QRadioButton* rootFolder_ = nullptr;
    QRadioButton* subFolder_ = nullptr;
};

}  // namespace orv::editor
