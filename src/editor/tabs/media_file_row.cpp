#include "editor/tabs/media_file_row.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QPixmap>
#include <QGridLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace orv::editor {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMargin(3);
}

void PathLabel::setPath(const QString& path)
{
    path_ = path;
    updateText();
}

void PathLabel::setHighlighted(bool highlighted)
{
    highlighted_ = highlighted;
    updateText();
}

QSize PathLabel::minimumSizeHint() const
{
    // Any width will do: the path is elided to fit.
    return QSize(60, QLabel::minimumSizeHint().height());
}

void PathLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateText();
}

void PathLabel::updateText()
{
    // An empty row says so in the placeholder colour instead of showing a blank box.
    if (path_.isEmpty())
        setForegroundRole(QPalette::PlaceholderText);
    else
        setForegroundRole(highlighted_ ? QPalette::Link : QPalette::WindowText);
    const QString shown = path_.isEmpty() ? tr("No file chosen") : path_;
    const int room = contentsRect().width() - 2 * margin();
    setText(room > 0 ? fontMetrics().elidedText(shown, Qt::ElideMiddle, room) : shown);
}

MediaFileRow::MediaFileRow(QWidget* parent) : QWidget(parent)
{
    label_ = new PathLabel(this);
    select_ = new QPushButton(tr("Select..."), this);
    delete_ = new QPushButton(this);
    delete_->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    delete_->setToolTip(tr("Remove this file"));
    auto* folderLabel = new QLabel(tr("Folder:"), this);
    folderLabel_ = folderLabel;
    folder_ = new QLineEdit(this);
    folder_->setPlaceholderText(tr("Folder on the medium, e.g. orvndata"));
    folder_->setToolTip(tr("The folder, relative to the created menu, that receives this file"));
    folderLabel->setBuddy(folder_);

    auto* grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("rowGrid"));
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label_, 0, 0, 1, 2);
    grid->addWidget(select_, 0, 2);
    grid->addWidget(delete_, 0, 3);
    grid->addWidget(folderLabel, 1, 0);
    grid->addWidget(folder_, 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);
}

void MediaFileRow::enablePreview()
{
    if (preview_)
        return;
    preview_ = new QLabel(this);
    preview_->setFixedSize(96, 64);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);
    preview_->setToolTip(tr("Double click the path to show the picture"));
    auto* grid = findChild<QGridLayout*>(QStringLiteral("rowGrid"));
    grid->addWidget(preview_, 0, 4, 2, 1);
}

void MediaFileRow::setPreview(const QString& hostFile)
{
    if (!preview_ || hostFile == previewFile_)
        return;
    previewFile_ = hostFile;
    preview_->clear();
    if (hostFile.isEmpty())
        return;
    // Decoded at preview size (JPEGs are scaled while they are read), for the screen's
    // pixel ratio.
    QImageReader reader(hostFile);
    const qreal ratio = preview_->devicePixelRatioF();
    const QSize room = (preview_->contentsRect().size() - QSize(4, 4)) * ratio;
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(room, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        preview_->setText(tr("No preview"));
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    preview_->setPixmap(pixmap);
}

void MediaFileRow::setFolderVisible(bool visible)
{
    folderLabel_->setVisible(visible);
    folder_->setVisible(visible);
}

void MediaFileRow::setFile(const QString& path, const QString& tip)
{
    label_->setPath(path);
    label_->setToolTip(path.isEmpty() ? QString() : path + QLatin1Char('\n') + tip);
}

}  // namespace orv::editor
