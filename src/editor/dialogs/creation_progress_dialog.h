// The progress window of a menu creation: names the file being copied and counts the
// files so far. The creation runs on the one user-interface thread, so each step lets the
// windows repaint (without taking user input) before it goes on.
#pragma once

#include <string>

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;

namespace orv::editor {

class CreationProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit CreationProgressDialog(QWidget* parent = nullptr);

    // A file is about to be copied or written: shows it (the window appears once the
    // creation has taken longer than a moment) and lets the windows repaint.
    void copying(const std::string& fileName, const std::string& target);
    // The creation has started / ended.
    void begin();
    void end();

    int filesSoFar() const { return files_; }
    QString currentText() const;

private:
    void repaintWindows();

    QLabel* file_ = nullptr;
    QLabel* target_ = nullptr;
    QLabel* count_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QElapsedTimer started_;
    int files_ = 0;
};

}  // namespace orv::editor
