#include "editor/tabs/button_list_model.h"

#include <QBrush>
#include <QFont>
#include <QPalette>
#include <QGuiApplication>

#include "editor/project_document.h"
#include "editor/rules/enabling_rules.h"
#include "model/text_helpers.h"

namespace orv::editor {

ButtonListModel::ButtonListModel(ProjectDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document)
{
    connect(&document_, &ProjectDocument::buttonsChanged, this, &ButtonListModel::reload);
    connect(&document_, &ProjectDocument::projectReplaced, this, &ButtonListModel::reload);
    connect(&document_, &ProjectDocument::captionsChanged, this,
            [this] { emit headerDataChanged(Qt::Horizontal, FileNameColumn, FileNameColumn); });
}

void ButtonListModel::reload()
{
    beginResetModel();
    endResetModel();
}

int ButtonListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document_.project().Buttons.size());
}

int ButtonListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ButtonListModel::data(const QModelIndex& index, int role) const
{
    const auto& buttons = document_.project().Buttons;
    if (!index.isValid() || index.row() >= static_cast<int>(buttons.size()))
        return {};
    const MenuButton& button = buttons[static_cast<size_t>(index.row())];
    const bool title = button.isTitleRow();

    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case NumberColumn: return index.row() + 1;
        case TextColumn:
            return QString::fromStdString(title ? RemoveDashSpacing(button.Text, true) : button.Text);
        case CommandColumn: return title ? tr("(Title)") : QString::fromStdString(button.Cmd);
        case FileNameColumn: return QString::fromStdString(button.Link);
        case BitmapColumn: return QString::fromStdString(button.Bmp);
        case TipColumn: return QString::fromStdString(button.Tip);
        default: return {};
        }
    }
    if (role == Qt::FontRole && title) {
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::ForegroundRole && index.column() == NumberColumn)
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role == Qt::TextAlignmentRole && index.column() == NumberColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ButtonListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NumberColumn: return QStringLiteral("#");
    case TextColumn: return tr("Text (button)");
    case CommandColumn: return tr("Command");
    case FileNameColumn: return QString::fromStdString(document_.project().FileNameColumnHeading);
    case BitmapColumn: return tr("Bitmap");
    case TipColumn: return tr("Tip");
    default: return {};
    }
}

bool ButtonListModel::bitmapColumnUsed() const
{
    return ButtonStyleUsesPictures(document_.project().ButtonStyle);
}

}  // namespace orv::editor
