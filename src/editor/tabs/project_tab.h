// What every tab of the main window shares: the open project, the field binder that shows
// and writes its values, the launcher of the settings dialogs and the media player.
#pragma once

#include <utility>
#include <vector>

#include <QWidget>

#include "editor/tabs/field_binder.h"

class QGroupBox;
class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class ColourButton;
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
    // Option buttons (ids = the values) in one row, bound to the field.
    QWidget* choiceRow(std::int16_t MenuProject::*field, const std::vector<std::pair<int, QString>>& options,
                       const char* name);
    // Opens the colour chooser preset to the field's colour; a chosen colour goes into the
    // field and onto the swatch, and the project is marked modified.
    bool pickColour(ColourButton* button, Colour MenuProject::*field);
    // A numeric field sized for a few digits.
    QLineEdit* numberEdit(const char* name, std::string MenuProject::*field, NumericField range);

    TabContext context_;
    FieldBinder binder_;
};

}  // namespace orv::editor
