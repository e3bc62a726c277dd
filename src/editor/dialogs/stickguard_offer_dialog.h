// DlgSGDSetupButInformation: offered while a USB menu is created with Portavo's full
// version: add a menu button that installs StickGuard? Answers Yes (Add Button), No (Do Not
// Add Button) and Cancel, with "Do not show this dialog box in the future".
#pragma once

#include <QDialog>

#include "create/creation_observer.h"

class QCheckBox;
class QPushButton;

namespace orv::editor {

class StickGuardOfferDialog : public QDialog {
    Q_OBJECT
public:
    explicit StickGuardOfferDialog(bool dontShowChecked, QWidget* parent = nullptr);

    // The answer after the dialog closed (Cancel when it was closed by its window frame).
    StickGuardOfferAnswer answer() const;
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QCheckBox* dontShowBox() const { return dontShow_; }

    static StickGuardOfferAnswer ask(bool dontShowChecked, QWidget* parent = nullptr);

private:
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* dontShow_ = nullptr;
};

// DlgSGDSetupButInformation2: the button has been added; edit it now (Yes) or go on with the
// creation (No)?
class StickGuardAddedDialog : public QDialog {
    Q_OBJECT
public:
    explicit StickGuardAddedDialog(QWidget* parent = nullptr);

    QPushButton* editButton() const { return edit_; }
    // Yes or No (closing the window goes on with the creation).
    platform::MessageAnswer answer() const;

    static platform::MessageAnswer ask(QWidget* parent = nullptr);

private:
    QPushButton* edit_ = nullptr;
    QPushButton* continue_ = nullptr;
};

}  // namespace orv::editor
