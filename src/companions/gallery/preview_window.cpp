#include "companions/gallery/preview_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "companions/gallery/gallery_images.h"
#include "model/path_helpers.h"
#include "program_support/program_environment.h"

namespace orv::companions {

PreviewWindow::PreviewWindow(const PictureGalleryData& data, std::vector<std::string> pictures, int index,
                             QWidget* parent)
    : QDialog(parent), allowBrowse_(data.allowBrowse), pictures_(std::move(pictures))
{
    using shell::cssColour;
    using shell::toQString;

    setWindowTitle(toQString(data.previewTitle));
    if (data.previewUsesColours) {
        setObjectName(QStringLiteral("preview"));
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(QStringLiteral("QDialog#preview { background: %1; } QLabel { color: %2; }")
                          .arg(cssColour(data.backColour), cssColour(data.textColour)));
    }

    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(160, 120);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(picture_, 1);

    name_ = new QLabel(this);
    name_->setAlignment(Qt::AlignCenter);
    layout->addWidget(name_);

    auto* buttons = new QHBoxLayout;
    if (allowBrowse_) {
        previous_ = new QPushButton(toQString(data.previousText), this);
        next_ = new QPushButton(toQString(data.nextText), this);
        connect(previous_, &QPushButton::clicked, this, &PreviewWindow::showPrevious);
        connect(next_, &QPushButton::clicked, this, &PreviewWindow::showNext);
        buttons->addWidget(previous_);
        buttons->addWidget(next_);
    }
    buttons->addStretch(1);
    auto* close = new QPushButton(toQString(data.closeText), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize avail = screen ? screen->availableSize() : QSize(1024, 768);
    resize(std::min(900, avail.width() * 4 / 5), std::min(700, avail.height() * 4 / 5));
    showPicture(index);
}

void PreviewWindow::showPicture(int index)
{
    if (pictures_.empty())
        return;
    index_ = std::clamp(index, 0, static_cast<int>(pictures_.size()) - 1);
    const std::string& file = pictures_[static_cast<std::size_t>(index_)];
    pixmap_ = QPixmap::fromImage(loadPicture(file));
    const QString name = shell::toQString(FileNamePart(file));
    name_->setText(pixmap_.isNull() ? tr("%1 cannot be shown").arg(name) : name);
    if (previous_) {
        previous_->setEnabled(index_ > 0);
        next_->setEnabled(index_ + 1 < static_cast<int>(pictures_.size()));
    }
    scalePicture();
}

void PreviewWindow::scalePicture()
{
    if (pixmap_.isNull()) {
        picture_->clear();
        return;
    }
    const QSize room = picture_->size();
    const QSize shown = pixmap_.size().boundedTo(room);  // never enlarged
    picture_->setPixmap(pixmap_.scaled(pixmap_.size().scaled(shown, Qt::KeepAspectRatio), Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation));
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    scalePicture();
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (allowBrowse_ && event->key() == Qt::Key_Left) {
        showPrevious();
        return;
    }
    if (allowBrowse_ && event->key() == Qt::Key_Right) {
        showNext();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orv::companions
