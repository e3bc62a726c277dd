#include "editor/tabs/button_list_model.h"

#include <iterator>

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>

#include "editor/project_document.h"
#include "editor/rules/enabling_rules.h"
#include "model/menu_button.h"
#include "model/text_helpers.h"

namespace orv::editor {

namespace {

constexpr const char* RowMimeType = "application/x-orvanto-button-row";

// The headings of the hidden columns, in field order from BmpFolder on.
constexpr const char* HiddenColumnHeadings[] = {
    "Bitmap Folder", "Parameters", "Sound", "Sound Folder", "ButtonSource", "ButtonDeltaX", "ButtonDeltaY",
    "DeltaType", "UseBmpSize", "BmpTransType", "HideButton", "CopySrcFile", "UseIndColors", "ClrTx", "ClrTipTx",
    "ClrBor", "ClrBkg", "HideHourGlass", "UseMediaPlayer", "WinWidth", "WinHeight", "ShowDialogBoxes",
    "PswProtect", "Psw", "PswAsterisk", "PswEncrypt", "PswDlgTitle", "PswDlgText", "PswIsWrongTitle",
    "PswIsWrongText", "WaitInfoText", "RunAsAdmin", "RunMaximized"};
static_assert(std::size(HiddenColumnHeadings) == ButtonListModel::ColumnCount - ButtonListModel::FirstHiddenColumn);
static_assert(FieldBmpFolder + std::size(HiddenColumnHeadings) == ButtonFieldCount);

// The entry field a column shows; -1 for the row number.
int fieldOfColumn(int column)
{
    switch (column) {
    case ButtonListModel::NumberColumn: return -1;
    case ButtonListModel::TextColumn: return FieldText;
    case ButtonListModel::CommandColumn: return FieldCmd;
    case ButtonListModel::FileNameColumn: return FieldLink;
    case ButtonListModel::BitmapColumn: return FieldBmp;
    case ButtonListModel::TipColumn: return FieldTip;
    default: return FieldBmpFolder + column - ButtonListModel::FirstHiddenColumn;
    }
}

}  // namespace

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
    const int field = fieldOfColumn(index.column());

    if (role == Qt::UserRole)
        return field < 0 ? QVariant(index.row() + 1) : QVariant(QString::fromStdString(button.field(field)));

    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case NumberColumn: return index.row() + 1;
        case TextColumn:
            return QString::fromStdString(title ? RemoveDashSpacing(button.Text, true) : button.Text);
        case CommandColumn: return title ? tr("(Title)") : QString::fromStdString(button.Cmd);
        default: return QString::fromStdString(button.field(field));
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
    default:
        return section > TipColumn && section < ColumnCount
                   ? QString::fromLatin1(HiddenColumnHeadings[section - FirstHiddenColumn])
                   : QVariant();
    }
}

Qt::ItemFlags ButtonListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : base | Qt::ItemIsDropEnabled;
}

QStringList ButtonListModel::mimeTypes() const { return {QString::fromLatin1(RowMimeType)}; }

QMimeData* ButtonListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(RowMimeType), QByteArray::number(indexes.first().row()));
    return data;
}

bool ButtonListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                   const QModelIndex& parent)
{
    if (action != Qt::MoveAction || !data || !data->hasFormat(QString::fromLatin1(RowMimeType)) || !rowDropped_)
        return false;
    bool ok = false;
    const int from = data->data(QString::fromLatin1(RowMimeType)).toInt(&ok);
    if (!ok)
        return false;
    // Dropped on a row: before that row; between rows: at row; below the last row: the end.
    const int destination = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    rowDropped_(from, destination);
    // The document's change reloads the list; the view has nothing left to remove.
    return false;
}

bool ButtonListModel::bitmapColumnUsed() const
{
    return ButtonStyleUsesPictures(document_.project().ButtonStyle);
}

}  // namespace orv::editor
