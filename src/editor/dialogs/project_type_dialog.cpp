#include "editor/dialogs/project_type_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/rules/project_type_rules.h"

namespace orv::editor {

ProjectTypeDialog::ProjectTypeDialog(bool fromTemplate, QWidget* parent) : QDialog(parent)
{
    setObjectName("ProjectTypeDialog");
    setWindowTitle(tr("Choose Type of Project"));

    cd_ = new QRadioButton(tr("Create a &CD/DVD project"), this);
    usb_ = new QRadioButton(tr("Create a &USB flash drive project"), this);
    cd_->setChecked(true);

    auto* cdIcon = new QLabel(this);
    cdIcon->setPixmap(resPicture("App1.bmp"));
    auto* usbIcon = new QLabel(this);
    usbIcon->setPixmap(resPicture("App2.bmp"));

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->addWidget(cdIcon, 0, 0);
    options->addWidget(cd_, 0, 1);
    options->addWidget(usbIcon, 1, 0);
    options->addWidget(usb_, 1, 1);
    options->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    confirm_ = buttons->addButton(trText(ProjectTypeConfirmCaption(fromTemplate)), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    confirm_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(tr("Choose type of project:"), this));
    layout->addSpacing(4);
    layout->addLayout(options);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

bool ProjectTypeDialog::usbChosen() const { return usb_->isChecked(); }

std::optional<std::int16_t> ProjectTypeDialog::chooseNewProjectType(bool fromTemplate, QWidget* parent)
{
    return ChooseNewProjectType([&]() -> std::optional<bool> {
        ProjectTypeDialog dialog(fromTemplate, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.usbChosen();
    });
}

}  // namespace orv::editor
