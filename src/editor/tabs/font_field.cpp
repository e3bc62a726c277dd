#include "editor/tabs/font_field.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "model/text_helpers.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

FontField::FontField(FontFields fields, const QString& buttonText, QWidget* parent) : QWidget(parent), fields_(fields)
{
    description_ = new QLabel(this);
    description_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    description_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    button_ = new QPushButton(buttonText, this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(description_);
    row->addSpacing(8);
    row->addWidget(button_);
    row->addStretch(1);
    connect(button_, &QPushButton::clicked, this, &FontField::clicked);
}

void FontField::show(const MenuProject& project)
{
    description_->setText(QString::fromStdString(FontDescription(
        project.*fields_.name, project.*fields_.size, project.*fields_.bold, project.*fields_.italic)));
}

std::optional<platform::FontChoice> FontField::choose(const MenuProject& project) const
{
    platform::FontChoice current;
    current.name = project.*fields_.name;
    current.size = project.*fields_.size;
    current.bold = project.*fields_.bold;
    current.italic = project.*fields_.italic;
    std::optional<platform::FontChoice> chosen = platform::services().ui->PickFont(current);
    if (!chosen || chosen->name.empty())
        return std::nullopt;
    return chosen;
}

void FontField::store(const platform::FontChoice& font, MenuProject& project) const
{
    project.*fields_.name = font.name;
    if (font.size > 0)
        project.*fields_.size = static_cast<std::int16_t>(font.size);
    project.*fields_.bold = font.bold;
    project.*fields_.italic = font.italic;
}

}  // namespace orv::editor
