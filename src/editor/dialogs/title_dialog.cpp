#include "editor/dialogs/title_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/tabs/colour_button.h"
#include "model/text_helpers.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

TitleDialog::TitleDialog(const TitleValues& values, bool editing, QWidget* parent)
    : QDialog(parent), values_(values)
{
    setObjectName(QStringLiteral("DlgInsertTitleInButtonList"));
    setWindowTitle(editing ? tr("Edit Title") : tr("Insert Title"));

    title_ = new QLineEdit(qs(values.title), this);
    title_->setObjectName(QStringLiteral("tTitle"));
    WatchText(title_, TextKind::Text);

    font_ = makeSecondary(QString(), this);
    font_->setObjectName(QStringLiteral("lblFont"));
    auto* fontButton = new QPushButton(tr("Font..."), this);
    fontButton->setObjectName(QStringLiteral("cmdFont"));
    connect(fontButton, &QPushButton::clicked, this, &TitleDialog::chooseFont);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(font_, 1);
    fontRow->addWidget(fontButton);

    colour_ = new ColourButton(tr("Color..."), this);
    colour_->setObjectName(QStringLiteral("cmdColor"));
    colour_->setColour(values.colour);
    connect(colour_, &QPushButton::clicked, this, &TitleDialog::chooseColour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colour_);
    colourRow->addStretch();

    auto* looks = new QGroupBox(tr("Font of all titles in the list"), this);
    auto* looksForm = new QFormLayout(looks);
    looksForm->addRow(tr("Font:"), fontRow);
    looksForm->addRow(tr("Text color:"), colourRow);

    auto* form = new QFormLayout;
    form->addRow(tr("&Title:"), title_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(looks);
    layout->addWidget(makeNote(tr("A title row groups the buttons below it in the menu."), this));
    layout->addWidget(buttons);
    showFont();
    title_->setFocus();
    fitToText(this, 420);
}

TitleValues TitleDialog::values() const
{
    TitleValues v = values_;
    v.title = ss(title_->text());
    v.colour = colour_->colour();
    return v;
}

void TitleDialog::showFont()
{
    font_->setText(qs(FontDescription(values_.fontName, values_.fontSize, values_.bold, values_.italic)));
}

void TitleDialog::chooseFont()
{
    const platform::FontChoice current{values_.fontName, values_.fontSize, values_.bold, values_.italic};
    if (const auto chosen = platform::services().ui->PickFont(current)) {
        values_.fontName = chosen->name;
        values_.fontSize = chosen->size;
        values_.bold = chosen->bold;
        values_.italic = chosen->italic;
        showFont();
    }
}

void TitleDialog::chooseColour()
{
    if (const auto chosen = platform::services().ui->PickColour(colour_->colour()))
        colour_->setColour(*chosen);
}

std::optional<TitleValues> TitleDialog::edit(const TitleValues& values, bool editing, QWidget* parent)
{
    TitleDialog dialog(values, editing, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

}  // namespace orv::editor
