// The start window "Choose Project": new project, new project from a template, open
// project, the user's guide and the help contents, and up to four recent projects. It
// returns one of the start codes of startup_rules.h.
#pragma once

#include <QDialog>

#include "editor/rules/startup_rules.h"

class QListWidget;
class QListWidgetItem;
class QMenu;

namespace orv::editor {

class ClickableLabel;

class StartWindow : public QDialog {
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);

    StartChoice choice() const { return choice_; }
    // The clickable label of a code (101, 102, 103, 401, 402); nullptr for others.
    ClickableLabel* actionLabel(int code) const;

    // The context menu of a recent line: "open" and "remove".
    QMenu* contextMenuFor(QListWidgetItem* item);

    // Removes the recent project of a list line (RemoveFileFromRecentFileList) and rebuilds
    // the list.
    void removeRecent(QListWidgetItem* item);

    // Shows the window; returns the user's choice (StartClosed when closed without one).
    static StartChoice chooseProject(QWidget* parent = nullptr);

signals:
    // A recent entry was removed; the File menu's lists are to be refreshed.
    void recentFilesChanged();

private:
    void choose(int code, int entry = 0);
    void fillRecentList();
    void showContextMenu(const QPoint& position);

    StartChoice choice_;
    QListWidget* recent_ = nullptr;
    QList<ClickableLabel*> actions_;
};

}  // namespace orv::editor
