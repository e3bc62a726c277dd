#include "editor/dialogs/password_text_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"

namespace orv::editor {

namespace {

QPlainTextEdit* textBox(const std::string& text, const char* name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(qs(text), parent);
    box->setObjectName(name);
    WatchText(box, TextKind::CodePageText);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 12);
    return box;
}

}  // namespace

PasswordTextDialog::PasswordTextDialog(const PasswordTexts& held, QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgPassword_DialogText");
    setWindowTitle(tr("Password Protected Button - Dialog text"));
    const PasswordTexts shown = PasswordTextsShown(held);

    title_ = new QLineEdit(qs(shown.title), this);
    WatchText(title_, TextKind::CodePageText);
    title_->setObjectName("tPswDlgTitle");
    text_ = textBox(shown.text, "tPswDlgText", this);
    auto* ask = new QGroupBox(tr("Text - dialog box - ask for password"), this);
    auto* askForm = new QFormLayout(ask);
    askForm->addRow(tr("Title:"), title_);
    askForm->addRow(tr("Information text:"), text_);

    wrongTitle_ = new QLineEdit(qs(shown.wrongTitle), this);
    WatchText(wrongTitle_, TextKind::CodePageText);
    wrongTitle_->setObjectName("tPswIsWrongTitle");
    wrongText_ = textBox(shown.wrongText, "tPswIsWrongText", this);
    auto* wrong = new QGroupBox(tr("Text - information box - show if wrong password"), this);
    auto* wrongForm = new QFormLayout(wrong);
    wrongForm->addRow(tr("Title:"), wrongTitle_);
    wrongForm->addRow(tr("Information text:"), wrongText_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ask);
    layout->addWidget(wrong);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
}

PasswordTexts PasswordTextDialog::texts() const
{
    return PasswordTextsTaken({ss(title_->text()), ss(text_->toPlainText()), ss(wrongTitle_->text()),
                               ss(wrongText_->toPlainText())});
}

}  // namespace orv::editor
