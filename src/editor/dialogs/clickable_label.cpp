#include "editor/dialogs/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace orv::editor {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::WindowText);
}

void ClickableLabel::setHighlighted(bool on)
{
    if (highlighted_ == on)
        return;
    highlighted_ = on;
    QPalette p = palette();
    if (on)
        p.setColor(QPalette::WindowText, highlightColour());
    else
        p = QPalette();
    setPalette(p);
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void ClickableLabel::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void ClickableLabel::leaveEvent(QEvent* event)
{
    hovered_ = false;
    setHighlighted(hasFocus());
    QLabel::leaveEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event)
{
    setHighlighted(true);
    QLabel::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event)
{
    setHighlighted(hovered_);
    QLabel::focusOutEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

}  // namespace orv::editor
