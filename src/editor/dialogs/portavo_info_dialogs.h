// The information boxes shown after a USB menu was created: what the end user must do to
// install StickGuard (DlgPTVInformation, or DlgPTVInformation2 when the menu has a StickGuard
// button) and, when Portavo is not installed, the product box DlgPTVProductPageInfo. Each has
// a check box that silences it in the future (a Portavo per-user switch).
#pragma once

#include <QDialog>

#include "create/usb_cooperation.h"

class QCheckBox;
class QPushButton;

namespace orv::editor {

// DlgPTVInformation and DlgPTVInformation2 (the text decides which one).
class StickGuardInformationDialog : public QDialog {
    Q_OBJECT
public:
    explicit StickGuardInformationDialog(const StickGuardInformation& info, QWidget* parent = nullptr);

    QCheckBox* dontShowBox() const { return dontShow_; }

protected:
    void done(int result) override;

private:
    QCheckBox* dontShow_ = nullptr;
};

// The maker's page about Portavo, opened by "More information".
inline constexpr const char* PortavoProductPage = "https://www.veltrona.com/portavo/";

// DlgPTVProductPageInfo.
class PortavoProductDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortavoProductDialog(QWidget* parent = nullptr);

    QCheckBox* dontShowBox() const { return dontShow_; }
    QPushButton* moreInformationButton() const { return more_; }

protected:
    void done(int result) override;

private:
    QCheckBox* dontShow_ = nullptr;
    QPushButton* more_ = nullptr;
};

}  // namespace orv::editor
