// The picture gallery's main window: the pictures of one folder as a grid of thumbnails
// in the colours, size and texts of VTPictureGallery.dat, with a close button or a
// clickable close label. A click on a picture previews it or opens a file, as the data
// file says.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "companions/gallery_data.h"

class QListWidget;

namespace orv::companions {

class GalleryWindow : public QWidget {
    Q_OBJECT
public:
    GalleryWindow(PictureGalleryData data, std::string folder, QWidget* parent = nullptr);

    const std::vector<std::string>& pictures() const { return pictures_; }
    QListWidget* pictureList() const { return list_; }

    // What a click on the picture at index does (tests call it directly).
    void pictureClicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillThumbnails();
    QSize cellSize() const;

    PictureGalleryData data_;
    std::string folder_;
    std::vector<std::string> pictures_;
    QListWidget* list_ = nullptr;
    int thumbHeight_ = 120;
    int labelHeight_ = 0;
};

}  // namespace orv::companions
