// The project's button list as a table: row number, text, command, the file-name column
// (headed after the project type), picture and tip. Title rows show their title across the
// row. Read-only for now; the list operations edit the project and announce the change.
#pragma once

#include <QAbstractTableModel>

namespace orv::editor {

class ProjectDocument;

class ButtonListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, TextColumn, CommandColumn, FileNameColumn, BitmapColumn, TipColumn, ColumnCount };

    explicit ButtonListModel(ProjectDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The Bitmap column matters only for the picture button styles.
    bool bitmapColumnUsed() const;

private:
    void reload();

    ProjectDocument& document_;
};

}  // namespace orv::editor
