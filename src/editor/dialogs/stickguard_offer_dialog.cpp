#include "editor/dialogs/stickguard_offer_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "create/usb_cooperation.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

QLabel* usbPicture(QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setPixmap(resPicture("App2.bmp", 48));
    picture->setAlignment(Qt::AlignTop);
    return picture;
}

}  // namespace

StickGuardOfferDialog::StickGuardOfferDialog(bool dontShowChecked, QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgSGDSetupButInformation");
    setWindowTitle(trText(StickGuardOfferCaption));

    auto* text = new QVBoxLayout;
    text->addWidget(makeHeading(trText(StickGuardOfferHeading), this));
    text->addWidget(makeNote(trText(StickGuardOfferText1), this));
    text->addWidget(makeNote(trText(StickGuardOfferText2), this));
    dontShow_ = new QCheckBox(tr("&Do not show this dialog box in the future"), this);
    dontShow_->setChecked(dontShowChecked);
    text->addWidget(dontShow_);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(usbPicture(this));
    top->addLayout(text, 1);

    yes_ = new QPushButton(tr("&Yes, Add Button"), this);
    no_ = new QPushButton(tr("&No, Do Not Add Button"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    auto* more = new QPushButton(tr("&More Information..."), this);
    yes_->setDefault(true);
    connect(yes_, &QPushButton::clicked, this, [this] { done(platform::AnswerYes); });
    connect(no_, &QPushButton::clicked, this, [this] { done(platform::AnswerNo); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(platform::AnswerCancel); });
    connect(more, &QPushButton::clicked, this, [] { showHelpTopic(help::StickGuardButton); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(more);
    buttons->addStretch(1);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    fitToText(this, 560);
}

StickGuardOfferAnswer StickGuardOfferDialog::answer() const
{
    StickGuardOfferAnswer a;
    switch (result()) {
    case platform::AnswerYes: a.answer = platform::AnswerYes; break;
    case platform::AnswerNo: a.answer = platform::AnswerNo; break;
    default: a.answer = platform::AnswerCancel; break;
    }
    a.dontShowAgain = dontShow_->isChecked();
    return a;
}

StickGuardOfferAnswer StickGuardOfferDialog::ask(bool dontShowChecked, QWidget* parent)
{
    StickGuardOfferDialog dialog(dontShowChecked, parent);
    dialog.exec();
    return dialog.answer();
}

StickGuardAddedDialog::StickGuardAddedDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgSGDSetupButInformation2");
    setWindowTitle(trText(StickGuardAddedCaption));

    edit_ = new QPushButton(tr("&Yes, I Want to Edit the Button"), this);
    continue_ = new QPushButton(tr("&No, I Want Continue Creation"), this);
    continue_->setDefault(true);
    connect(edit_, &QPushButton::clicked, this, [this] { done(platform::AnswerYes); });
    connect(continue_, &QPushButton::clicked, this, [this] { done(platform::AnswerNo); });

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(usbPicture(this));
    top->addWidget(makeNote(trText(StickGuardAddedText), this), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(edit_);
    buttons->addWidget(continue_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    fitToText(this, 480);
}

platform::MessageAnswer StickGuardAddedDialog::answer() const
{
    return result() == platform::AnswerYes ? platform::AnswerYes : platform::AnswerNo;
}

platform::MessageAnswer StickGuardAddedDialog::ask(QWidget* parent)
{
    StickGuardAddedDialog dialog(parent);
    dialog.exec();
    return dialog.answer();
}

}  // namespace orv::editor
