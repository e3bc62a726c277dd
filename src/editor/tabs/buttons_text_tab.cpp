#include "editor/tabs/buttons_text_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/move_button_dialog.h"
#include "editor/dialogs/title_dialog.h"
#include "editor/project_document.h"
#include "editor/rules/button_list_rules.h"
#include "editor/tabs/button_list_model.h"
#include "editor/tabs/dialog_launcher.h"

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
    for (int column = ButtonListModel::FirstHiddenColumn; column < ButtonListModel::ColumnCount; ++column)
        list_->setColumnHidden(column, true);
    connect(&context.document, &ProjectDocument::buttonsChanged, this, &ButtonsTextTab::updateColumns);
    connect(&context.document, &ProjectDocument::projectReplaced, this, &ButtonsTextTab::updateColumns);

    // A dragged row moves as the Move command would move it.
    list_->setDragEnabled(true);
    list_->setAcceptDrops(true);
    list_->setDropIndicatorShown(true);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setDragDropOverwriteMode(false);
    model_->setRowDropped([this](int from, int destination) {
        const int line = MoveLineForDrop(model_->rowCount(), from, destination);
        if (line > 0)
            // After the view has finished with the drop: the move reloads the model.
            QMetaObject::invokeMethod(this, [this, from, line] { select(operations_->moveToLine(from, line)); },
                                      Qt::QueuedConnection);
    });

    ButtonListDialogs dialogs;
    dialogs.editButton = [this](const ButtonEditRequest& request) {
        return context_.dialogs.editButton(request, this);
    };
    dialogs.chooseMoveLine = [this](const MoveDialogTexts& texts) { return MoveButtonDialog::choose(texts, this); };
    dialogs.editTitle = [this](const TitleValues& values, bool editing) {
        return TitleDialog::edit(values, editing, this);
    };
    operations_ = std::make_unique<ButtonListOperations>(context.document, std::move(dialogs));

    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("mnuButtonList"));
    editAction_ = contextMenu_->addAction(QString(), this, &ButtonsTextTab::editRow);
    deleteAction_ = contextMenu_->addAction(QString(), this, &ButtonsTextTab::deleteRow);
    moveAction_ = contextMenu_->addAction(QString(), this, &ButtonsTextTab::moveRow);
    copyAction_ = contextMenu_->addAction(QString(), this, &ButtonsTextTab::copyRow);
    contextMenu_->addSeparator();
    contextMenu_->addAction(tr("&Insert Title..."), this, &ButtonsTextTab::insertTitle);
    contextMenu_->addSeparator();
    contextMenu_->addAction(tr("&Remove All Items..."), this, &ButtonsTextTab::clearList);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (model_->rowCount() > 0)
            contextMenu_->exec(list_->viewport()->mapToGlobal(pos));
    });

    connect(list_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            editRow();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ButtonsTextTab::updateCommands);
    connect(model_, &QAbstractItemModel::modelReset, this, &ButtonsTextTab::updateCommands);
    list_->installEventFilter(this);

    listCommands_ = new QVBoxLayout;
    commandButton(tr("Add"), "cmdAddButton", &ButtonsTextTab::addButton);
    editButton_ = commandButton(tr("Edit"), "cmdEditButton", &ButtonsTextTab::editRow);
    deleteButton_ = commandButton(tr("Delete"), "cmdDeleteButton", &ButtonsTextTab::deleteRow);
    copyButton_ = commandButton(tr("Copy"), "cmdCopyButton", &ButtonsTextTab::copyRow);
    moveButton_ = commandButton(tr("Move"), "cmdMoveButton", &ButtonsTextTab::moveRow);
    listCommands_->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listCommands_);

    auto* group = new QGroupBox(tr("Buttons and Titles of the Menu"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(listRow);
    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    updateCommands();
}

ButtonsTextTab::~ButtonsTextTab() = default;

QPushButton* ButtonsTextTab::commandButton(const QString& text, const char* name, void (ButtonsTextTab::*slot)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, slot);
    listCommands_->addWidget(button);
    return button;
}

int ButtonsTextTab::selectedRow() const
{
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ButtonsTextTab::refresh()
{
    updateColumns();
    updateCommands();
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

void ButtonsTextTab::updateCommands()
{
    const int row = selectedRow();
    const bool any = row >= 0;
    editButton_->setEnabled(any);
    deleteButton_->setEnabled(any);
    copyButton_->setEnabled(any);
    moveButton_->setEnabled(any && model_->rowCount() > 1);
    const auto captions = ButtonListMenuCaptions(project(), row);
    QAction* actions[] = {editAction_, deleteAction_, moveAction_, copyAction_};
    for (int i = 0; i < 4; ++i) {
        actions[i]->setText(trText(captions[static_cast<size_t>(i)]));
        actions[i]->setEnabled(any && (actions[i] != moveAction_ || model_->rowCount() > 1));
    }
}

void ButtonsTextTab::selectRowWithCommand(const std::string& command)
{
    const std::vector<MenuButton>& rows = project().Buttons;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Cmd == command) {
            select(static_cast<int>(i));
            return;
        }
}

void ButtonsTextTab::select(std::optional<int> row)
{
    if (!row || *row < 0 || *row >= model_->rowCount())
        return;
    list_->selectRow(*row);
    list_->setCurrentIndex(model_->index(*row, ButtonListModel::TextColumn));
    list_->setFocus();
}

bool ButtonsTextTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveBy(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (mods == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: editRow(); return true;
            case Qt::Key_Insert: addButton(); return true;
            case Qt::Key_Delete: deleteRow(); return true;
            default: break;
            }
        }
    }
    return ProjectTab::eventFilter(watched, event);
}

void ButtonsTextTab::addButton() { select(operations_->add()); }
void ButtonsTextTab::editRow() { select(operations_->edit(selectedRow())); }
void ButtonsTextTab::copyRow() { select(operations_->copy(selectedRow())); }
void ButtonsTextTab::moveRow() { select(operations_->move(selectedRow())); }
void ButtonsTextTab::insertTitle() { select(operations_->insertTitle(selectedRow())); }

void ButtonsTextTab::deleteRow()
{
    select(operations_->remove(selectedRow()));
}

void ButtonsTextTab::moveBy(int delta)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // One row up: before the row above; one row down: before the row after the next.
    const int line = delta < 0 ? row : row + 2;
    if (line >= 1)
        select(operations_->moveToLine(row, line));
}

void ButtonsTextTab::clearList()
{
    operations_->clear();
    updateCommands();
}

}  // namespace orv::editor
