// DlgPictureGalleryPictureSize: a slider for the height of the gallery's pictures, with a
// rectangle of the size a 4:3 picture would get.
#pragma once

#include <string>

#include <QDialog>

class QSlider;
class QWidget;

namespace orv::editor {

class PictureSizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PictureSizeDialog(int height, QWidget* parent = nullptr);

    QSlider* slider() const { return slider_; }
    // The preview rectangle, sized height x 4:3 width.
    QWidget* preview() const { return preview_; }
    // The chosen height as the height field takes it (15..300).
    std::string heightText() const;

private:
    void showSize(int height);

    QSlider* slider_ = nullptr;
    QWidget* preview_ = nullptr;
};

}  // namespace orv::editor
