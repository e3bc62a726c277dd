#include "editor/tabs/project_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "editor/project_document.h"

namespace orv::editor {

ProjectTab::ProjectTab(const TabContext& context, QWidget* parent)
    : QWidget(parent), context_(context), binder_(context.document, this)
{
    connect(&context_.document, &ProjectDocument::projectReplaced, this, &ProjectTab::load);
    connect(&context_.document, &ProjectDocument::projectChanged, this, &ProjectTab::load);
    connect(&binder_, &FieldBinder::edited, this, &ProjectTab::refresh);
}

void ProjectTab::load()
{
    binder_.load();
    refresh();
}

MenuProject& ProjectTab::project()
{
    return context_.document.project();
}

void ProjectTab::markModified()
{
    context_.document.setModified(true);
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

}  // namespace orv::editor
