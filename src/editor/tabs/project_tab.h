// What every tab of the main window shares: the open project, the field binder that shows
// and writes its values, the launcher of the settings dialogs and the media player.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QWidget>

#include "editor/project_change.h"
#include "editor/tabs/field_binder.h"

class QGroupBox;
class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class ColourButton;
class FontField;
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

    const MenuProject& project() const;
    // Applies a named change of the project as one step (ProjectDocument::edit).
    bool edit(const QString& name, const std::function<void(MenuProject&)>& change,
              ChangeScope scope = ChangeScope::Fields);
    // A line edit with the field's name for accessibility and tests.
    QLineEdit* lineEdit(const char* name);
    // A group box with a form layout inside.
    QGroupBox* formGroup(const QString& title);
    // Option buttons (ids = the values) in one row, bound to the field.
    QWidget* choiceRow(std::int16_t MenuProject::*field, const std::vector<std::pair<int, QString>>& options,
                       const char* name);
    // Opens the colour chooser preset to the field's colour; a chosen colour goes into the
    // field (as a step named name) and onto the swatch.
    bool pickColour(ColourButton* button, Colour MenuProject::*field, const QString& name);
    // Opens the font chooser of a font field; a chosen font goes into the project as a step
    // named name.
    void chooseFont(FontField* font, const QString& name);
    // A numeric field sized for a few digits.
    QLineEdit* numberEdit(const char* name, std::string MenuProject::*field, NumericField range);

    TabContext context_;
    FieldBinder binder_;
};

}  // namespace orv::editor
