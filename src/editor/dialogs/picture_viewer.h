// The picture viewer window: shows a picture file of the project (a double-click on a
// picture label opens it), scaled down to fit the window or at its real size.
#pragma once

#include <string>

#include <QDialog>

class QCheckBox;
class QLabel;
class QScrollArea;

namespace orv::editor {

class PictureViewer : public QDialog {
    Q_OBJECT
public:
    // file: Windows-form path of the picture.
    explicit PictureViewer(const std::string& file, QWidget* parent = nullptr);

    bool hasPicture() const { return !picture_.isNull(); }

    // Opens the viewer for the file; a file that is missing or not a picture is reported
    // with a message instead. Returns false then.
    static bool showPicture(const std::string& file, QWidget* parent = nullptr);

protected:
    // Follows the size of the scroll area's viewport, which is laid out after the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateView();

    QPixmap picture_;
    QScrollArea* scroll_ = nullptr;
    QLabel* view_ = nullptr;
    QLabel* facts_ = nullptr;
    QCheckBox* fit_ = nullptr;
};

}  // namespace orv::editor
