// The about box: product name, version, a short description and the editor's folder.
#pragma once

#include <QDialog>

namespace orv::editor {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static void showAbout(QWidget* parent = nullptr);
};

}  // namespace orv::editor
