// One choice of the new-project dialogs: a preview picture with an option button under it.
// The mouse over it shows a hover frame, the checked one a selection frame; clicking the
// picture checks the option and double-clicking it asks for the choice to be confirmed.
#pragma once

#include <QPixmap>
#include <QWidget>

class QRadioButton;

namespace orv::editor {

class PreviewPicture;

class PreviewOption : public QWidget {
    Q_OBJECT
public:
    // A null picture shows a plain placeholder with the caption instead.
    PreviewOption(const QString& caption, const QPixmap& picture, QSize pictureSize, QWidget* parent = nullptr);

    QRadioButton* radio() const { return radio_; }
    QWidget* picture() const;

    bool isHovered() const { return hovered_; }
    bool isSelected() const { return selected_; }
    void setHovered(bool on);
    void setSelected(bool on);

    // A sample title drawn over the picture, left or centred, with or without its underline.
    void setTitleSample(bool centred, bool underline);
    bool titleCentred() const;
    bool titleUnderlined() const;

signals:
    void hovered();
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    PreviewPicture* picture_ = nullptr;
    QRadioButton* radio_ = nullptr;
    bool hovered_ = false;
    bool selected_ = false;
};

}  // namespace orv::editor
