#include "editor/tabs/buttons_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/project_document.h"
#include "editor/rules/enabling_rules.h"
#include "editor/tabs/button_list_model.h"
#include "editor/tabs/dialog_launcher.h"

namespace orv::editor {

ButtonsTab::ButtonsTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    // The list
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
    connect(&context.document, &ProjectDocument::buttonsChanged, this, &ButtonsTab::updateColumns);

    listCommands_ = new QVBoxLayout;
    listCommands_->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listCommands_);

    auto* listGroup = new QGroupBox(tr("Buttons and Titles of the Menu"), this);
    auto* listLayout = new QVBoxLayout(listGroup);
    listLayout->addLayout(listRow);

    // The look of all buttons
    QGroupBox* lookGroup = formGroup(tr("Look of the Buttons"));
    auto* look = static_cast<QFormLayout*>(lookGroup->layout());
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("ComboButStyle"));
    style_->setMaxVisibleItems(30);
    const std::vector<std::string> styles = ButtonStyleListEntries();
    for (const std::string& entry : styles)
        style_->addItem(tr(entry.c_str()));
    // Group headings are shown as headings and cannot be picked.
    if (auto* items = qobject_cast<QStandardItemModel*>(style_->model())) {
        for (int i = 0; i < style_->count(); ++i) {
            if (!IsButtonStyleHeading(ButtonStyleOfIndex(i)))
                continue;
            QStandardItem* item = items->item(i);
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
    }
    binder_.bindIndex(style_, &MenuProject::ButtonStyle, 1);
    style_->installEventFilter(this);
    look->addRow(tr("&Style:"), style_);

    QLineEdit* width = numberEdit("tButtonWidth", &MenuProject::ButtonWidth, NumericField::ButtonWidth);
    QLineEdit* height = numberEdit("tButtonHeight", &MenuProject::ButtonHeight, NumericField::ButtonHeight);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(width);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), this));
    sizeRow->addWidget(height);
    sizeRow->addWidget(new QLabel(tr("pixels"), this));
    auto* autoSize = new QCheckBox(tr("&Automatic size"), this);
    autoSize->setObjectName(QStringLiteral("cButtonAutoSize"));
    binder_.bindCheck(autoSize, &MenuProject::ButtonAutoSize);
    sizeRow->addSpacing(12);
    sizeRow->addWidget(autoSize);
    sizeRow->addStretch();
    look->addRow(tr("Si&ze:"), sizeRow);
    static_cast<QLabel*>(look->labelForField(sizeRow))->setBuddy(width);

    look->addRow(tr("Placement:"), choiceRow(&MenuProject::ButtonAlignment,
                                             {{1, tr("&Left")}, {2, tr("C&enter")}, {3, tr("&Right")},
                                              {4, tr("&Double columns")}},
                                             "ButtonAlignment"));
    auto* more = new QHBoxLayout;
    more->addWidget(context.dialogs.makeButton(ProjectDialog::ButtonEffects, tr("Button &Effects..."), this));
    more->addWidget(context.dialogs.makeButton(ProjectDialog::ActiveFrame, tr("Active &Frame..."), this));
    more->addStretch();
    look->addRow(more);

    connect(&binder_, &FieldBinder::edited, this, &ButtonsTab::updateColumns);

    auto* column = new QVBoxLayout(this);
    column->addWidget(listGroup, 1);
    column->addWidget(lookGroup);
}

void ButtonsTab::refresh()
{
    updateColumns();
}

void ButtonsTab::updateColumns()
{
    list_->setColumnHidden(ButtonListModel::BitmapColumn, !model_->bitmapColumnUsed());
}

bool ButtonsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == style_ && event->type() == QEvent::FocusOut)
        assureItsAStyle();
    return ProjectTab::eventFilter(watched, event);
}

void ButtonsTab::assureItsAStyle()
{
    const int index = AssureItsAStyle(style_->currentIndex());
    if (index == style_->currentIndex() && ButtonStyleOfIndex(index) == project().ButtonStyle)
        return;
    style_->setCurrentIndex(index);
    project().ButtonStyle = static_cast<std::int16_t>(ButtonStyleOfIndex(index));
    markModified();
    updateColumns();
}

}  // namespace orv::editor
