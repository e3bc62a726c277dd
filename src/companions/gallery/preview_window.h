// The gallery's preview window: one picture scaled to fit, its name, and - when the data
// file allows browsing - the previous and next buttons (also the arrow keys).
#pragma once

#include <string>
#include <vector>

#include <QDialog>
#include <QPixmap>

#include "companions/gallery_data.h"

class QLabel;
class QPushButton;

namespace orv::companions {

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const PictureGalleryData& data, std::vector<std::string> pictures, int index,
                  QWidget* parent = nullptr);

    int index() const { return index_; }
    void showPicture(int index);
    void showPrevious() { showPicture(index_ - 1); }
    void showNext() { showPicture(index_ + 1); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void scalePicture();

    bool allowBrowse_;
    std::vector<std::string> pictures_;
    int index_ = 0;
    QPixmap pixmap_;
    QLabel* picture_ = nullptr;
    QLabel* name_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
};

}  // namespace orv::companions
