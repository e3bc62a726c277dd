// What every tab of the main window shares: the open project, the field binder that shows
// and writes its values, the launcher of the settings dialogs and the media player.
#pragma once

#include <QWidget>

#include "editor/tabs/field_binder.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class DialogLauncher;
class MediaPlayback;
class ProjectDocument;

struct TabContext {
    ProjectDocument& document;
    DialogLauncher& dialogs;
    MediaPlayback& media;
};

class ProjectTab : public QWidget {
    Q_OBJECT
public:
    ProjectTab(const TabContext& context, QWidget* parent);

    // Shows the project's values (after a new or opened project, or a dialog's changes).
    void load();
    // Runs the focus-out check of the field being edited.
    void commitFocusedField() { binder_.commitFocusedField(); }
    // Editor options changed (destination folder fields shown or hidden).
    virtual void applyOptions() {}

signals:
    // The tab asks to be brought to the front (after a file was chosen).
    void showMe();

protected:
    // The tab's own refresh after the bound widgets were loaded (labels, enabling).
    virtual void refresh() {}

    MenuProject& project();
    void markModified();
    // A line edit with the field's name for accessibility and tests.
    QLineEdit* lineEdit(const char* name);
    // A group box with a form layout inside.
    QGroupBox* formGroup(const QString& title);

    TabContext context_;
    FieldBinder binder_;
};

}  // namespace orv::editor
