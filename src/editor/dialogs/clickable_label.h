// A label that acts as a link: highlighted under the mouse, clicked with the mouse or, when
// it has the focus, with Enter or Space.
#pragma once

#include <QLabel>

namespace orv::editor {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // The text colour under the mouse and with the focus: red 40, green 40, blue 255.
    static QColor highlightColour() { return QColor(40, 40, 255); }
    bool isHighlighted() const { return highlighted_; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setHighlighted(bool on);
    bool highlighted_ = false;
    bool hovered_ = false;
};

}  // namespace orv::editor
