#include "companions/gallery/gallery_window.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "companions/gallery/gallery_images.h"
#include "companions/gallery/preview_window.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "program_support/program_environment.h"

namespace orv::companions {

namespace {

constexpr int AutoThumbHeight = 120;
constexpr int DefaultWidth = 760;
constexpr int DefaultHeight = 560;

// The space a thumbnail may take: about 4:3 landscape at the thumbnail height.
QSize thumbBox(int height)
{
    return QSize(height * 4 / 3, height);
}

// A stand-in for a file that cannot be shown as a picture.
QPixmap unreadablePicture(const QSize& box, const QColor& colour)
{
    QPixmap pixmap(box);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(colour, 1, Qt::DashLine));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

}  // namespace

GalleryWindow::GalleryWindow(PictureGalleryData data, std::string folder, QWidget* parent)
    : QWidget(parent), data_(std::move(data)), folder_(std::move(folder))
{
    using shell::cssColour;
    using shell::toQString;

    setWindowTitle(toQString(data_.title));
    resize(data_.width > 0 ? std::max(data_.width, 240) : DefaultWidth,
           data_.height > 0 ? std::max(data_.height, 180) : DefaultHeight);
    setObjectName(QStringLiteral("gallery"));
    const QString back = cssColour(data_.backColour), text = cssColour(data_.textColour);
    setStyleSheet(QStringLiteral("QWidget#gallery { background: %1; }"
                                 "QLabel { color: %2; background: transparent; }"
                                 "QListWidget { background: %1; color: %2; border: none; }"
                                 "QListWidget::item { border-radius: 4px; padding: 4px; }"
                                 "QListWidget::item:hover { background: rgba(128, 128, 128, 70); }"
                                 "QListWidget::item:selected { background: rgba(128, 128, 128, 120); color: %2; }"
                                 "QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
                                 "QScrollBar::handle:vertical { background: rgba(128, 128, 128, 160);"
                                 " border-radius: 5px; min-height: 30px; }"
                                 "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                                 "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
                      .arg(back, text));
    setAttribute(Qt::WA_StyledBackground);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);

    auto* heading = new QLabel(toQString(data_.title), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 5);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    pictures_ = listGalleryPictures(folder_, data_.extension);
    thumbHeight_ = galleryThumbnailHeight(data_, AutoThumbHeight);

    list_ = new QListWidget(this);
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWrapping(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setIconSize(thumbBox(thumbHeight_));
    labelHeight_ = data_.showTextLabels ? fontMetrics().height() + 6 : 0;
    list_->setGridSize(cellSize());
    list_->viewport()->installEventFilter(this);
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setCursor(Qt::PointingHandCursor);
    layout->addWidget(list_, 1);

    auto* empty = new QLabel(tr("There are no pictures in this folder."), this);
    empty->setAlignment(Qt::AlignCenter);
    empty->setVisible(pictures_.empty());
    list_->setVisible(!pictures_.empty());
    layout->addWidget(empty, pictures_.empty() ? 1 : 0);

    auto* bottom = new QHBoxLayout;
    auto* count = new QLabel(pictures_.size() == 1 ? tr("1 picture") : tr("%1 pictures").arg(pictures_.size()), this);
    bottom->addWidget(count);
    bottom->addStretch(1);
    if (data_.showCloseButton) {
        auto* close = new QPushButton(toQString(data_.closeText), this);
        close->setObjectName(QStringLiteral("closeButton"));
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        bottom->addWidget(close);
    } else {
        auto* close = new QLabel(QStringLiteral("<a href=\"close\" style=\"color: %1;\">%2</a>")
                                     .arg(text, toQString(data_.closeText).toHtmlEscaped()),
                                 this);
        close->setObjectName(QStringLiteral("closeLabel"));
        close->setCursor(Qt::PointingHandCursor);
        connect(close, &QLabel::linkActivated, this, &QWidget::close);
        bottom->addWidget(close);
    }
    layout->addLayout(bottom);

    fillThumbnails();
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { pictureClicked(list_->row(item)); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pictureClicked(list_->row(item)); });
}

void GalleryWindow::fillThumbnails()
{
    const QSize box = thumbBox(thumbHeight_);
    for (const std::string& picture : pictures_) {
        const QImage image = loadScaledPicture(picture, box);
        const QPixmap pixmap = image.isNull() ? unreadablePicture(box, shell::toQColor(data_.textColour))
                                              : QPixmap::fromImage(image);
        const QString name = shell::toQString(FileNamePart(picture));
        auto* item = new QListWidgetItem(QIcon(pixmap), data_.showTextLabels ? name : QString(), list_);
        item->setToolTip(image.isNull() ? tr("%1 cannot be shown").arg(name) : name);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item->setSizeHint(QSize(box.width() + 8, box.height() + labelHeight_ + 8));
    }
}

QSize GalleryWindow::cellSize() const
{
    return QSize(thumbBox(thumbHeight_).width() + 24, thumbHeight_ + labelHeight_ + 24);
}

bool GalleryWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Spread the columns over the whole width instead of leaving a gap on the right.
    if (watched == list_->viewport() && event->type() == QEvent::Resize) {
        const QSize cell = cellSize();
        const int width = list_->viewport()->width();
        const int columns = std::max(1, width / cell.width());
        const int spread = std::max(cell.width(), (width - 1) / columns);
        if (list_->gridSize().width() != spread)
            list_->setGridSize(QSize(spread, cell.height()));
    }
    return QWidget::eventFilter(watched, event);
}

void GalleryWindow::pictureClicked(int index)
{
    if (index < 0 || index >= static_cast<int>(pictures_.size()))
        return;
    const GalleryClick click = galleryClick(data_, pictures_[static_cast<std::size_t>(index)]);
    if (click.preview) {
        PreviewWindow preview(data_, pictures_, index, this);
        preview.exec();
        return;
    }
    const QString target = shell::displayPath(click.openTarget);
    if (!FileExists(click.openTarget)) {
        QMessageBox::warning(this, windowTitle(), tr("The file \"%1\" was not found.").arg(target));
        return;
    }
    if (!platform::services().shell->ShellOpen(click.openTarget))
        QMessageBox::warning(this, windowTitle(), tr("\"%1\" could not be opened on this system.").arg(target));
}

void GalleryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace orv::companions
