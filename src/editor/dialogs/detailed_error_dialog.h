// DlgDetailedErrorDlgBox: why a file of the creation could not be copied. Shows the message,
// the file, its source and destination folders, and for each of them whether it exists
// (the facts come from create/detailed_copy_error.h; "Yes" in black, the rest in dark red).
#pragma once

#include <QDialog>

#include "create/detailed_copy_error.h"

class QLabel;

namespace orv::editor {

class DetailedErrorDialog : public QDialog {
    Q_OBJECT
public:
    explicit DetailedErrorDialog(const DetailedCopyError& error, QWidget* parent = nullptr);

    // The label showing a fact: 0 source folder, 1 source file, 2 destination folder,
    // 3 destination file.
    QLabel* factLabel(int index) const;

    // Sounds the error beep and shows the dialog modally.
    static void showError(const DetailedCopyError& error, QWidget* parent = nullptr);

private:
    QLabel* facts_[4] = {};
};

}  // namespace orv::editor
