#include "editor/dialogs/move_button_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

MoveButtonDialog::MoveButtonDialog(const MoveDialogTexts& texts, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MoveButtonInList"));
    setWindowTitle(trText(texts.caption));

    auto* headingLabel = new QLabel(trText(texts.headingLabel), this);
    auto* heading = makeHeading(qs(texts.heading), this);
    heading->setObjectName(QStringLiteral("lblButtonToMove"));
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("lstButtons"));
    for (const std::string& line : texts.lines)
        lines_->addItem(qs(line));
    // The last line is no row of the list but the place after it.
    lines_->item(lines_->count() - 1)->setText(trText(texts.lines.back()));
    lines_->setCurrentRow(-1);
    connect(lines_, &QListWidget::itemDoubleClicked, this, &MoveButtonDialog::confirm);

    auto* listCaption = new QLabel(trText(texts.listCaption), this);
    listCaption->setBuddy(lines_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &MoveButtonDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addWidget(makeNote(trText(texts.instruction), this));
    layout->addWidget(listCaption);
    layout->addWidget(lines_, 1);
    layout->addWidget(buttons);
    resize(440, 420);
}

void MoveButtonDialog::confirm()
{
    const int row = lines_->currentItem() && lines_->currentItem()->isSelected() ? lines_->currentRow() : -1;
    if (row < 0) {
        platform::services().ui->Message("No button is selected!", platform::MsgOk + platform::MsgInformation, "Info");
        return;
    }
    chosen_ = row + 1;
    accept();
}

std::optional<int> MoveButtonDialog::choose(const MoveDialogTexts& texts, QWidget* parent)
{
    MoveButtonDialog dialog(texts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenLine();
}

}  // namespace orv::editor
