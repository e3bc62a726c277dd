// What the Pictures, Sound and Movies tabs share: rows of linked files, each chosen with the
// open-file dialog, checked, removed with its delete button, and shown or played by a
// double-click on its label.
#pragma once

#include <map>

#include "editor/rules/file_selection.h"
#include "editor/tabs/project_tab.h"

namespace orv::editor {

class MediaFileRow;

class MediaTab : public ProjectTab {
    Q_OBJECT
public:
    using ProjectTab::ProjectTab;

    void applyOptions() override;
    MediaFileRow* row(MediaObject object) const;

    // The select and delete buttons of a row (also used by tests).
    void selectFile(MediaObject object);
    void deleteFile(MediaObject object);

protected:
    // Adds the row of an object; names follow the window's controls (CmdSelect..., CmdDel...,
    // the folder field).
    MediaFileRow* addRow(MediaObject object, const char* selectName, const char* deleteName, const char* folderName);
    void refresh() override;
    // A double-click on the object's label.
    virtual void open(MediaObject object);

    std::map<MediaObject, MediaFileRow*> rows_;
};

}  // namespace orv::editor
