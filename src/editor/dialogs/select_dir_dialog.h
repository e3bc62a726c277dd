// SelectDir, the folder chooser of the create dialog ("Select Folder"): a drive list, a
// folder tree, and buttons that move both to the drive root, the documents folder, the
// created-menus folder and the first USB flash drive, and one that makes a new folder in
// the selected one. Shows host paths; takes and gives Windows-form paths.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "create/create_dialog.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace orv::editor {

class SelectDirDialog : public QDialog {
    Q_OBJECT
public:
    // startFolder: Windows form; an empty or missing folder starts in the documents folder.
    explicit SelectDirDialog(const std::string& startFolder, QWidget* parent = nullptr);

    // The folder selected now, Windows form (empty when none).
    std::string folder() const;
    // Moves the drive list and the tree to a folder (Windows form); false when the folder
    // has no host folder.
    bool showFolder(const std::string& folder);
    // What a button does: moves to its target; nothing when it has none (no USB drive).
    void press(SelectDirButton button);
    QPushButton* button(SelectDirButton which) const;
    QComboBox* driveList() const { return drives_; }
    // "New Folder...": asks for a name until one is made or the author cancels.
    void askNewFolder();
    // Makes the folder name inside the selected one and selects it; a name that cannot be
    // used or a failure is reported in a message, and false comes back.
    bool newFolder(const QString& name);

    // Shows the chooser; the chosen folder, or nothing when cancelled.
    static std::optional<std::string> chooseFolder(const std::string& startFolder, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void keepCurrentInView();
    void fillDrives();
    void driveChosen(int index);
    void updateCurrent();

    QComboBox* drives_ = nullptr;
    QTreeView* tree_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QLabel* current_ = nullptr;
    QPushButton* buttons_[4] = {};
    QPushButton* newFolder_ = nullptr;
};

}  // namespace orv::editor
