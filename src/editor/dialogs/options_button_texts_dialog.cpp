#include "editor/dialogs/options_button_texts_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"

namespace orv::editor {

namespace {
// A caption left empty falls back to the menu program's own word.
QString orDefault(const QString& text, const char* fallback)
{
    QString t = text.trimmed();
    return t.isEmpty() ? QString::fromLatin1(fallback) : t;
}
}  // namespace

OptionsButtonTextsDialog::OptionsButtonTextsDialog(const QString& okText, const QString& closeText, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("OptionsButtonTextsDialog");
    setWindowTitle(tr("Button Texts"));

    ok_ = new QLineEdit(okText, this);
    WatchText(ok_, TextKind::CodePageText);
    ok_->setObjectName("tMenuShellDlgText_OKButton");
    ok_->setMaxLength(40);
    close_ = new QLineEdit(closeText, this);
    WatchText(close_, TextKind::CodePageText);
    close_->setObjectName("tMenuShellDlgText_CloseButton");
    close_->setMaxLength(40);

    auto* frame = new QGroupBox(tr("Buttons in the menu's dialog boxes"), this);
    frame->setObjectName("FrameWindowButtons");
    auto* form = new QFormLayout(frame);
    form->addRow(tr("Text on the &OK button:"), ok_);
    form->addRow(tr("Text on the &Close button:"), close_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::OptionsButtonTexts); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeNote(tr("The menu program shows its own dialog boxes (for example the information "
                                  "about a missing PDF reader). Here you set the texts of their buttons."),
                               this));
    layout->addWidget(frame);
    layout->addWidget(buttons);
    fitToText(this, 420);
}

QString OptionsButtonTextsDialog::okText() const { return orDefault(ok_->text(), "OK"); }
QString OptionsButtonTextsDialog::closeText() const { return orDefault(close_->text(), "Close"); }

}  // namespace orv::editor
