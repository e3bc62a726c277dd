// One linked file of the Pictures, Sound and Movies tabs: the file's path (double-click to
// show or play it), its select and delete buttons and its destination folder field.
#pragma once

#include <QLabel>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace orv::editor {

// A label that reports double-clicks and shows a long path elided in the middle.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);
    void setPath(const QString& path);
    QString path() const { return path_; }
    // Shown in the link colour (a sound that is playing) or in the normal text colour.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return highlighted_; }
    QSize minimumSizeHint() const override;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateText();
    QString path_;
    bool highlighted_ = false;
};

class MediaFileRow : public QWidget {
    Q_OBJECT
public:
    explicit MediaFileRow(QWidget* parent = nullptr);

    PathLabel* label() const { return label_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* deleteButton() const { return delete_; }
    QLineEdit* folderEdit() const { return folder_; }

    // Shows or hides the destination folder field (the ShowCDFolders option).
    void setFolderVisible(bool visible);
    // Picture rows show a small preview of the picture (host path; empty for none). The
    // picture is read only when the file changes.
    void enablePreview();
    void setPreview(const QString& hostFile);
    QLabel* preview() const { return preview_; }
    // The path and its tip (the tip only while a file is chosen).
    void setFile(const QString& path, const QString& tip);

private:
    PathLabel* label_;
    QPushButton* select_;
    QPushButton* delete_;
    QWidget* folderLabel_;
    QLineEdit* folder_;
    QLabel* preview_ = nullptr;
    QString previewFile_;
};

}  // namespace orv::editor
