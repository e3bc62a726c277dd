// "Create Project Folder in My Documents": asked once at start-up, offers to make the
// Orvanto folder for projects and created menus in the user's documents folder.
#pragma once

#include <QDialog>

class QPushButton;

namespace orv::editor {

class ProjectFolderDialog : public QDialog {
    Q_OBJECT
public:
    // folder: the path shown (documents + "\Orvanto").
    explicit ProjectFolderDialog(const QString& folder, QWidget* parent = nullptr);

    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }

    // Shows the dialog; true for "Yes, Create". Closing the window counts as No.
    static bool ask(const QString& folder, QWidget* parent = nullptr);

private:
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
};

}  // namespace orv::editor
