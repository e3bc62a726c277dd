#include "editor/dialogs/preview_option.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orv::editor {

namespace {

constexpr int FrameWidth = 3;
const QColor HoverColour(120, 170, 230);
const QColor SelectionColour(0, 90, 200);

}  // namespace

// The picture area: the preview (or its placeholder) and, when asked, the sample title.
class PreviewPicture : public QWidget {
public:
    PreviewPicture(const QString& caption, const QPixmap& picture, QSize size, QWidget* parent)
        : QWidget(parent), caption_(caption), picture_(picture)
    {
        setFixedSize(size);
        setCursor(Qt::PointingHandCursor);
        // The sample title is dark on a light picture and white on a dark one.
        if (!picture_.isNull()) {
            const QImage strip = picture_.toImage().copy(0, 0, picture_.width(), picture_.height() / 5).scaled(1, 1,
                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            lightPicture_ = qGray(strip.pixel(0, 0)) > 150;
        }
    }

    bool titleShown = false, titleCentred = false, titleUnderlined = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect area = rect();
        if (!picture_.isNull()) {
            p.drawPixmap(area, picture_);
        } else {
            p.fillRect(area, QColor(238, 239, 241));
            p.setPen(QColor(190, 192, 196));
            p.drawRect(area.adjusted(0, 0, -1, -1));
            p.setPen(QColor(110, 112, 118));
            p.drawText(area.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, caption_);
        }
        if (titleShown)
            drawTitle(p, area);
    }

private:
    void drawTitle(QPainter& p, const QRect& area)
    {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(13);
        p.setFont(font);
        const QRect line(area.left() + 10, area.top() + 6, area.width() - 20, 18);
        const int align = (titleCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        const QString text = QObject::tr("Menu title");
        const QColor ink = lightPicture_ ? QColor(0, 64, 128) : QColor(Qt::white);
        if (!lightPicture_) {
            p.setPen(QColor(0, 0, 0, 150));
            p.drawText(line.translated(1, 1), align, text);
        }
        p.setPen(ink);
        p.drawText(line, align, text);
        if (titleUnderlined) {
            const int y = line.bottom() + 3;
            if (!lightPicture_)
                p.fillRect(QRect(line.left() + 1, y + 1, line.width(), 2), QColor(0, 0, 0, 150));
            p.fillRect(QRect(line.left(), y, line.width(), 2), ink);
        }
    }

    QString caption_;
    QPixmap picture_;
    bool lightPicture_ = true;
};

PreviewOption::PreviewOption(const QString& caption, const QPixmap& picture, QSize pictureSize, QWidget* parent)
    : QWidget(parent)
{
    picture_ = new PreviewPicture(caption, picture, pictureSize, this);
    radio_ = new QRadioButton(caption, this);
    radio_->setAutoExclusive(false);  // the dialog groups its options
    radio_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(FrameWidth + 3, FrameWidth + 3, FrameWidth + 3, FrameWidth + 2);
    layout->setSpacing(4);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addWidget(radio_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QWidget* PreviewOption::picture() const { return picture_; }

void PreviewOption::setHovered(bool on)
{
    if (hovered_ != on) {
        hovered_ = on;
        update();
    }
}

void PreviewOption::setSelected(bool on)
{
    if (selected_ != on) {
        selected_ = on;
        update();
    }
}

void PreviewOption::setTitleSample(bool centred, bool underline)
{
    picture_->titleShown = true;
    picture_->titleCentred = centred;
    picture_->titleUnderlined = underline;
    picture_->update();
}

bool PreviewOption::titleCentred() const { return picture_->titleCentred; }
bool PreviewOption::titleUnderlined() const { return picture_->titleUnderlined; }

// A double click on the option's text confirms as one on the picture does.
bool PreviewOption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == radio_ && event->type() == QEvent::MouseButtonDblClick) {
        mouseDoubleClickEvent(static_cast<QMouseEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewOption::paintEvent(QPaintEvent*)
{
    if (!hovered_ && !selected_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0, -FrameWidth / 2.0, -FrameWidth / 2.0);
    if (selected_)
        p.fillRect(rect(), QColor(SelectionColour.red(), SelectionColour.green(), SelectionColour.blue(), 28));
    p.setPen(QPen(selected_ ? SelectionColour : HoverColour, FrameWidth));
    p.drawRoundedRect(frame, 4, 4);
}

void PreviewOption::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    emit hovered();
    QWidget::enterEvent(event);
}

void PreviewOption::leaveEvent(QEvent* event)
{
    setHovered(false);
    QWidget::leaveEvent(event);
}

void PreviewOption::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        radio_->setChecked(true);
        radio_->setFocus(Qt::MouseFocusReason);
    }
}

void PreviewOption::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        radio_->setChecked(true);
        emit doubleClicked();
    }
}

}  // namespace orv::editor
