// The one open project of the editor, wrapped for the windows: the tabs, the button list and
// the window title listen to its signals instead of polling the project.
#pragma once

#include <QObject>

#include "model/menu_project.h"

namespace orv::editor {

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    explicit ProjectDocument(QObject* parent = nullptr);

    MenuProject& project() { return project_; }
    const MenuProject& project() const { return project_; }

    bool isModified() const { return project_.Modified; }
    // Every edit calls this; the signal fires only on a change of state.
    void setModified(bool modified = true);

    // After the project was replaced as a whole (new, open, template): every view reloads.
    void notifyReplaced();
    // After the project changed behind the views' back (a dialog wrote values, a command
    // rewrote fields): every view reloads, and the modified state and captions are announced.
    void notifyChanged();
    // After the file path or type changed (save as, options): title and column heading.
    void notifyCaptionsChanged();
    // After rows of the button list were added, removed or rewritten.
    void notifyButtonsChanged();

signals:
    void projectReplaced();
    void projectChanged();
    void modifiedChanged(bool modified);
    void captionsChanged();
    void buttonsChanged();

private:
    void announceModified();

    MenuProject project_;
    bool announcedModified_ = false;
    std::string announcedTitle_;
    std::string announcedHeading_;
};

}  // namespace orv::editor
