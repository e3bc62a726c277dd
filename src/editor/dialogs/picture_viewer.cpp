#include "editor/dialogs/picture_viewer.h"

#include <QCheckBox>
#include <QEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

PictureViewer::PictureViewer(const std::string& file, QWidget* parent) : QDialog(parent)
{
    setObjectName("PictureViewer");
    setWindowTitle(tr("Picture - %1").arg(qs(FileNamePart(file))));

    QImageReader reader(hostPathText(file));
    reader.setAutoTransform(true);
    picture_ = QPixmap::fromImage(reader.read());

    view_ = new QLabel(this);
    view_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);

    facts_ = new QLabel(this);
    facts_->setText(tr("%1 × %2 pixels   %3").arg(picture_.width()).arg(picture_.height()).arg(shownPathText(file)));
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fit_ = new QCheckBox(tr("&Fit to window"), this);
    fit_->setChecked(true);
    connect(fit_, &QCheckBox::toggled, this, &PictureViewer::updateView);
    scroll_->viewport()->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(facts_, 1);
    bottom->addWidget(fit_);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(bottom);

    QSize wanted = picture_.size().grownBy(QMargins(40, 40, 40, 80));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize() * 0.8);
    resize(wanted.expandedTo(QSize(420, 320)));
    updateView();
}

bool PictureViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && fit_->isChecked())
        updateView();
    return QDialog::eventFilter(watched, event);
}

void PictureViewer::updateView()
{
    if (picture_.isNull())
        return;
    const bool fit = fit_->isChecked();
    scroll_->setWidgetResizable(fit);
    if (!fit) {
        view_->setPixmap(picture_);
        view_->adjustSize();
        return;
    }
    const QSize room = scroll_->viewport()->size() - QSize(8, 8);
    if (room.width() < 16 || room.height() < 16)
        return;
    if (picture_.width() <= room.width() && picture_.height() <= room.height())
        view_->setPixmap(picture_);
    else
        view_->setPixmap(picture_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool PictureViewer::showPicture(const std::string& file, QWidget* parent)
{
    if (file.empty())
        return false;
    PictureViewer viewer(file, parent);
    if (!viewer.hasPicture()) {
        if (auto* ui = platform::services().ui)
            ui->Message("Can't show the picture '" + file + "'! The file is missing or is not a picture.",
                        platform::MsgInformation, "Picture");
        return false;
    }
    viewer.exec();
    return true;
}

}  // namespace orv::editor
