// The project's button list as a table: row number, text, command, the file-name column
// (headed after the project type), picture and tip, then one hidden column for each further
// field of an entry. Title rows show their title across the row. Qt::UserRole gives a cell's
// field as stored. The model reloads whenever the document's buttons change, so the list and
// the project never disagree; a dragged row is handed to the list's Move rule.
#pragma once

#include <functional>

#include <QAbstractTableModel>

namespace orv::editor {

class ProjectDocument;

class ButtonListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NumberColumn,
        TextColumn,
        CommandColumn,
        FileNameColumn,
        BitmapColumn,
        TipColumn,
        FirstHiddenColumn,  // "Bitmap Folder" ... "RunMaximized", one per further field
        ColumnCount = FirstHiddenColumn + 33,
    };

    explicit ButtonListModel(ProjectDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Drag and drop of one row inside the list.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Called with the dragged row and the row it was dropped before (the row count: the end).
    void setRowDropped(std::function<void(int from, int destination)> dropped) { rowDropped_ = std::move(dropped); }

    // The Bitmap column matters only for the picture button styles.
    bool bitmapColumnUsed() const;

private:
    void reload();

    ProjectDocument& document_;
    std::function<void(int, int)> rowDropped_;
};

}  // namespace orv::editor
