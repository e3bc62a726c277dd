#include "editor/dialogs/portavo_link_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"

namespace orv::editor {

PortavoLinkSettingsDialog::PortavoLinkSettingsDialog(MenuProject& project, QWidget* parent)
    : QDialog(parent), project_(project)
{
    setObjectName("DlgPortavoLinkSettings");
    setWindowTitle(tr("USB Flash Drive Settings"));

    fileName_ = new QLineEdit(this);
    fileName_->setObjectName("tStickGuardFilename");
    WatchText(fileName_, TextKind::Path);
    fileName_->setMaxLength(120);
    folderName_ = new QLineEdit(this);
    folderName_->setObjectName("tStickGuardFoldername");
    WatchText(folderName_, TextKind::Path);
    folderName_->setMaxLength(120);
    folderName_->setEnabled(false);
    rootFolder_ = new QRadioButton(tr("Copy it to the &menu's folder (the root of the drive)"), this);
    rootFolder_->setObjectName("oCopyToRootFolder");
    subFolder_ = new QRadioButton(tr("Copy it to a &sub folder:"), this);
    subFolder_->setObjectName("oCopyToSubFolder");
    // The folder field is usable exactly while the sub-folder option is selected.
    connect(subFolder_, &QRadioButton::toggled, folderName_, &QLineEdit::setEnabled);

    auto* setup = new QGroupBox(tr("StickGuard setup program"), this);
    auto* form = new QFormLayout(setup);
    form->addRow(tr("&Filename:"), fileName_);
    form->addRow(rootFolder_);
    form->addRow(subFolder_, folderName_);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help | QDialogButtonBox::Reset, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortavoLinkSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::PortavoLinkSettings); });
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, &PortavoLinkSettingsDialog::reset);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeNote(tr("When the menu is created with Portavo's AutoRun support, the StickGuard setup "
                                  "program is copied onto the USB flash drive so that the end user can install "
                                  "it."),
                               this));
    layout->addWidget(setup);
    layout->addWidget(buttons);
    setMinimumWidth(460);

    showForm(LoadPortavoLinkSettings(project));
}

void PortavoLinkSettingsDialog::showForm(const PortavoLinkSettingsForm& form)
{
    fileName_->setText(qs(form.fileName));
    folderName_->setText(qs(form.folderName));
    (form.copyToSubFolder ? subFolder_ : rootFolder_)->setChecked(true);
    folderName_->setEnabled(form.folderFieldEnabled());
}

PortavoLinkSettingsForm PortavoLinkSettingsDialog::form() const
{
    PortavoLinkSettingsForm f;
    f.fileName = ss(fileName_->text().trimmed());
    f.folderName = ss(folderName_->text().trimmed());
    f.copyToSubFolder = subFolder_->isChecked();
    return f;
}

void PortavoLinkSettingsDialog::reset()
{
    PortavoLinkSettingsForm f = form();
    ResetPortavoLinkSettings(f);
    showForm(f);
}

void PortavoLinkSettingsDialog::accept()
{
    PortavoLinkSettingsForm f = form();
    if (!ConfirmPortavoLinkSettings(f, project_)) {
        folderName_->setFocus();
        folderName_->selectAll();
        return;
    }
    QDialog::accept();
}

bool PortavoLinkSettingsDialog::edit(MenuProject& project, QWidget* parent)
{
    PortavoLinkSettingsDialog dialog(project, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace orv::editor
