// Ties the tabs' input widgets to the fields of the open project: a widget shows its field
// when the project is loaded, and every edit by the user writes the field back as a step of
// the document (named after the field's label). Typing into a field is one step until the
// field is left; numeric and folder fields are checked then.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QObject>
#include <QWidget>

#include "editor/rules/field_rules.h"
#include "model/menu_project.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace orv::editor {

class ProjectDocument;

// Text fields keep what the project file reader can read back (199 characters).
inline constexpr int TextFieldMaxLength = 199;
// Numeric fields: a sign and a few digits are all any range needs.
inline constexpr int NumberFieldMaxLength = 6;

class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(ProjectDocument& document, QObject* parent);

    void bindText(QLineEdit* edit, std::string MenuProject::*field, int maxLength = TextFieldMaxLength);
    // Digits and a sign only; clamped to the field's range when the focus leaves.
    void bindNumber(QLineEdit* edit, std::string MenuProject::*field, NumericField range);
    // A destination sub-folder: checked when the focus leaves (drive prefix, file names).
    void bindFolder(QLineEdit* edit, std::string MenuProject::*field, FolderKind kind);
    void bindCheck(QCheckBox* box, std::int16_t MenuProject::*field);
    void bindFlag(QCheckBox* box, bool MenuProject::*field);
    // Option buttons whose ids in the group are the field's values.
    void bindChoice(QButtonGroup* group, std::int16_t MenuProject::*field);
    // A list whose index plus offset is the field's value.
    void bindIndex(QComboBox* combo, std::int16_t MenuProject::*field, int offset);

    // A widget the tab writes itself (with its own address as the typing key): leaving it
    // ends its step.
    void endTypingOnLeave(QWidget* widget) { onFocusLost(widget, [] {}); }

    // A further step of load() for widgets the binder does not know.
    void addLoader(std::function<void()> loader) { loaders_.push_back(std::move(loader)); }

    // Shows the project's values in every bound widget (no edit is reported).
    void load();

    // Runs the focus-out check of the field that has the focus, so that a command started
    // from the keyboard (Save, Test) sees the corrected value.
    void commitFocusedField();

    const MenuProject& project() const;

signals:
    // The user changed a field (the project is already updated).
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the user's change of widget's field; typing merges with the widget's last step.
    void write(QObject* widget, const std::function<void(MenuProject&)>& change, bool typing = false);
    void onFocusLost(QObject* widget, std::function<void()> check);
    // Runs check when the focus leaves the field or Return is pressed in it.
    void checkOnLeave(QLineEdit* edit, std::function<void()> check);
    // Shows the corrected text in the field and stores it when it differs from the project's.
    void applyCorrection(QLineEdit* edit, std::string MenuProject::*field, const std::string& corrected);

    ProjectDocument& document_;
    std::vector<std::function<void()>> loaders_;
    std::map<QObject*, std::function<void()>> focusChecks_;
};

}  // namespace orv::editor
