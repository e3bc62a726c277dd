// DlgPictureGalleryOptions: the picture gallery's click handling, close button, picture size
// and preview window. OK checks the extension and the height; the values reach the project
// with the button options' OK.
#pragma once

#include <array>

#include <QDialog>

#include "editor/rules/button_options_rules.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace orv::editor {

class PictureGalleryOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PictureGalleryOptionsDialog(const PictureGalleryMoreOptions& options, QWidget* parent = nullptr);

    // The values as the controls hold them (after OK: as checked by it).
    PictureGalleryMoreOptions values() const;

    void accept() override;

private:
    QWidget* makeClickTab(const PictureGalleryMoreOptions& o);
    QWidget* makeSizeTab(const PictureGalleryMoreOptions& o);
    QWidget* makePreviewTab(const PictureGalleryMoreOptions& o);
    void updateEnabling();
    void changeSize();

    QTabWidget* tabs_ = nullptr;
    std::array<QRadioButton*, 3> onClick_{};
    QLineEdit* extension_ = nullptr;
    QRadioButton* showButton_ = nullptr;
    QRadioButton* showLabel_ = nullptr;
    QLineEdit* closeText_ = nullptr;
    QRadioButton* sizeAuto_ = nullptr;
    QRadioButton* sizeManual_ = nullptr;
    QLineEdit* height_ = nullptr;
    QPushButton* changeSize_ = nullptr;
    QRadioButton* allowBrowse_ = nullptr;
    QRadioButton* noBrowse_ = nullptr;
    QLineEdit* previousText_ = nullptr;
    QLineEdit* nextText_ = nullptr;
};

}  // namespace orv::editor
