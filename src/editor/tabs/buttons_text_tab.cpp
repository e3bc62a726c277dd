#include "editor/tabs/buttons_text_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/project_document.h"
#include "editor/tabs/button_list_model.h"

namespace orv::editor {

ButtonsTextTab::ButtonsTextTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    model_ = new ButtonListModel(context.document, this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("ButtonList"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(false);
    list_->setTextElideMode(Qt::ElideRight);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 8);
    QHeaderView* header = list_->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(ButtonListModel::NumberColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ButtonListModel::TextColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(ButtonListModel::CommandColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(ButtonListModel::FileNameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ButtonListModel::BitmapColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(ButtonListModel::TipColumn, QHeaderView::Interactive);
    const int em = list_->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    header->resizeSection(ButtonListModel::TextColumn, em * 18);
    header->resizeSection(ButtonListModel::CommandColumn, em * 14);
    header->resizeSection(ButtonListModel::BitmapColumn, em * 10);
    header->resizeSection(ButtonListModel::TipColumn, em * 13);
    connect(&context.document, &ProjectDocument::buttonsChanged, this, &ButtonsTextTab::updateColumns);
    connect(&context.document, &ProjectDocument::projectReplaced, this, &ButtonsTextTab::updateColumns);

    listCommands_ = new QVBoxLayout;
    listCommands_->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listCommands_);

    auto* group = new QGroupBox(tr("Buttons and Titles of the Menu"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(listRow);
    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
}

void ButtonsTextTab::refresh()
{
    updateColumns();
}

void ButtonsTextTab::showEvent(QShowEvent* event)
{
    // The style is chosen on another tab: the picture column follows it when the list shows.
    updateColumns();
    ProjectTab::showEvent(event);
}

void ButtonsTextTab::updateColumns()
{
    list_->setColumnHidden(ButtonListModel::BitmapColumn, !model_->bitmapColumnUsed());
}

}  // namespace orv::editor
