#include "editor/tabs/project_tab.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QGroupBox>
#include <QLineEdit>

#include "editor/project_document.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/font_field.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

ProjectTab::ProjectTab(const TabContext& context, QWidget* parent)
    : QWidget(parent), context_(context), binder_(context.document, this)
{
    connect(&context_.document, &ProjectDocument::projectReplaced, this, &ProjectTab::load);
    connect(&context_.document, &ProjectDocument::fieldsChanged, this, &ProjectTab::load);
    connect(&binder_, &FieldBinder::edited, this, &ProjectTab::refresh);
}

void ProjectTab::load()
{
    binder_.load();
    refresh();
}

const MenuProject& ProjectTab::project() const
{
    return context_.document.project();
}

bool ProjectTab::edit(const QString& name, const std::function<void(MenuProject&)>& change, ChangeScope scope)
{
    return context_.document.edit(name, change, scope);
}

QLineEdit* ProjectTab::lineEdit(const char* name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QGroupBox* ProjectTab::formGroup(const QString& title)
{
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return group;
}

QWidget* ProjectTab::choiceRow(std::int16_t MenuProject::*field, const std::vector<std::pair<int, QString>>& options,
                               const char* name)
{
    auto* row = new QWidget(this);
    row->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (const auto& [value, text] : options) {
        auto* option = new QRadioButton(text, row);
        group->addButton(option, value);
        layout->addWidget(option);
    }
    layout->addStretch();
    binder_.bindChoice(group, field);
    return row;
}

bool ProjectTab::pickColour(ColourButton* button, Colour MenuProject::*field, const QString& name)
{
    const std::optional<std::int32_t> chosen = platform::services().ui->PickColour(project().*field);
    if (!chosen)
        return false;
    button->setColour(*chosen);
    edit(name, [&](MenuProject& p) { p.*field = *chosen; }, ChangeScope::Shown);
    return true;
}

void ProjectTab::chooseFont(FontField* font, const QString& name)
{
    if (const std::optional<platform::FontChoice> chosen = font->choose(project()))
        edit(name, [&](MenuProject& p) { font->store(*chosen, p); });
}

QLineEdit* ProjectTab::numberEdit(const char* name, std::string MenuProject::*field, NumericField range)
{
    QLineEdit* edit = lineEdit(name);
    binder_.bindNumber(edit, field, range);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    return edit;
}

}  // namespace orv::editor
