// The application tour (shown at start while the option ShowAppTour is on) and the
// introduction tour of the Help menu: a few pages that show what the editor does.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace orv::editor {

class AppTourDialog : public QDialog {
    Q_OBJECT
public:
    explicit AppTourDialog(QWidget* parent = nullptr);

    int pageCount() const;
    int currentPage() const;
    void showPage(int index);
    QPushButton* nextButton() const { return next_; }
    QPushButton* backButton() const { return back_; }
    // "Show this tour when Orvanto starts", bound to the option ShowAppTour.
    QCheckBox* showAtStartBox() const { return showAtStart_; }

    // Shows the tour modally and keeps the option of the check box.
    static void showTour(QWidget* parent = nullptr);

private:
    void addPage(const QString& picture, const QString& title, const QString& text);
    void updateButtons();

    QStackedWidget* pages_ = nullptr;
    QLabel* position_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QCheckBox* showAtStart_ = nullptr;
};

}  // namespace orv::editor
