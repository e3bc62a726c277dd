#include "editor/dialogs/picture_size_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/rules/button_options_rules.h"

namespace orv::editor {

PictureSizeDialog::PictureSizeDialog(int height, QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgPictureGalleryPictureSize");
    setWindowTitle(tr("Picture Size"));

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName("SliderX");
    slider_->setRange(0, PictureHeightMax);
    slider_->setSingleStep(1);
    slider_->setPageStep(10);
    slider_->setTickInterval(100);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setValue(height);

    auto* marks = new QHBoxLayout;
    for (int mark = 0; mark <= PictureHeightMax; mark += 100) {
        auto* label = new QLabel(QString::number(mark), this);
        marks->addWidget(label, 0, mark == 0 ? Qt::AlignLeft : mark == PictureHeightMax ? Qt::AlignRight : Qt::AlignHCenter);
        if (mark < PictureHeightMax)
            marks->addStretch(1);
    }

    // The area holds the largest rectangle, so the dialog keeps its size while it changes.
    auto* area = new QWidget(this);
    area->setFixedSize(PicturePreviewWidth(PictureHeightMax) + 8, PictureHeightMax + 8);
    preview_ = new QFrame(area);
    preview_->setObjectName("PreviewRectangle");
    static_cast<QFrame*>(preview_)->setFrameShape(QFrame::Box);
    preview_->setStyleSheet("#PreviewRectangle { background: palette(mid); border: 1px solid palette(dark); }");
    connect(slider_, &QSlider::valueChanged, this, &PictureSizeDialog::showSize);
    connect(slider_, &QSlider::sliderMoved, this, &PictureSizeDialog::showSize);
    showSize(slider_->value());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeNote(tr("By dragging the slider you can adjust the height of the pictures in the picture "
                                  "gallery. The width will be set automatically and depends of the pictures actual "
                                  "ratio (between width and height)."),
                               this));
    layout->addWidget(slider_);
    layout->addLayout(marks);
    layout->addWidget(area, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

void PictureSizeDialog::showSize(int height)
{
    preview_->setGeometry(4, 4, PicturePreviewWidth(height), height);
}

std::string PictureSizeDialog::heightText() const { return PictureHeightFromSlider(slider_->value()); }

}  // namespace orv::editor
