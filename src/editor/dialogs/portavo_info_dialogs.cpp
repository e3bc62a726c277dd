#include "editor/dialogs/portavo_info_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "platform/services.h"
#include "platform/shell.h"

namespace orv::editor {

namespace {

QLabel* picture(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(resPicture(name, 48));
    label->setAlignment(Qt::AlignTop);
    return label;
}

}  // namespace

StickGuardInformationDialog::StickGuardInformationDialog(const StickGuardInformation& info, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(info.withButton ? "DlgPTVInformation2" : "DlgPTVInformation");
    setWindowTitle(tr("AutoRun on USB Flash Drives (StickGuard)"));

    auto* text = new QVBoxLayout;
    text->addWidget(makeNote(trText(info.text), this));
    if (!info.withButton) {
        auto* path = new QLabel(qs(info.copiedPath), this);
        path->setObjectName("copiedPath");
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        path->setWordWrap(true);
        path->setStyleSheet("QLabel { font-weight: bold; }");
        text->addWidget(path);
    }
    text->addWidget(makeNote(trText(info.closingText), this));
    dontShow_ = new QCheckBox(tr("&Do not show this dialog box in the future"), this);
    text->addWidget(dontShow_);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture("App8.bmp", this));
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::StickGuardInformation); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    fitToText(this, 500);
}

void StickGuardInformationDialog::done(int result)
{
    SetPortavoSwitch(DontShowStickGuardInfo, dontShow_->isChecked());
    QDialog::done(result);
}

PortavoProductDialog::PortavoProductDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgPTVProductPageInfo");
    setWindowTitle(tr("AutoRun on USB Flash Drives"));

    auto* text = new QVBoxLayout;
    text->addWidget(makeHeading(tr("Let your USB flash drives start their menu by themselves"), this));
    text->addWidget(makeNote(tr("Many computers do not start a menu on a USB flash drive automatically, as "
                                "they do with a CD or DVD. Portavo, our separate AutoRun product, adds that "
                                "ability: once it is installed, the menus you create for USB flash drives "
                                "can start as soon as the drive is plugged in."),
                             this));
    text->addWidget(makeNote(tr("Press 'More information' to read about Portavo on our web site."), this));
    dontShow_ = new QCheckBox(tr("&Do not show this dialog box in the future"), this);
    text->addWidget(dontShow_);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture("App2.bmp", this));
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    more_ = buttons->addButton(tr("&More information"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(more_, &QPushButton::clicked, this, [] {
        if (auto* shell = platform::services().shell)
            shell->ShellOpen(PortavoProductPage);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    fitToText(this, 500);
}

void PortavoProductDialog::done(int result)
{
    SetPortavoSwitch(DontShowProductInfo, dontShow_->isChecked());
    QDialog::done(result);
}

}  // namespace orv::editor
