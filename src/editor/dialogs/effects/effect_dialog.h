// The common shape of the effect and option dialogs that the tabs open: the dialog is filled
// from the project, OK writes its values back as one undo step, Cancel changes nothing, and
// a Test button runs the menu test with a copy of the project that holds the dialog's values.
//
//     DlgUnderline dialog(document.project(), parent);
//     RunEffectDialog(dialog, document, launcher);
#pragma once

#include <functional>

#include <QDialog>

#include "model/menu_project.h"

class QLayout;
class QLineEdit;
class QPushButton;

namespace orv::editor {

class ColourButton;
class DialogLauncher;
class ProjectDocument;

class EffectDialog : public QDialog {
    Q_OBJECT
public:
    // Writes the controls' values into a project: the open one on OK, a copy for Test.
    virtual void apply(MenuProject& project) const = 0;
    // The name of the undo step that OK makes.
    virtual QString stepName() const = 0;

    // The project as OK would leave it.
    MenuProject withValues(const MenuProject& project) const;
    QPushButton* testButton() const { return test_; }

signals:
    void testRequested();

protected:
    EffectDialog(const char* objectName, const QString& title, QWidget* parent);
    // Puts the content above the row of Test (when wanted), OK and Cancel.
    void finish(QLayout* content, bool withTest);
    // A colour button showing colour whose click opens the platform's colour chooser.
    ColourButton* colourButton(const QString& text, const char* objectName, Colour colour);
    // makeCorrectedEdit in this dialog.
    QLineEdit* correctedEdit(const QString& text, const char* objectName,
                             std::function<QString(const QString&)> correct);

private:
    QPushButton* test_ = nullptr;
};

// A line edit whose text is corrected by correct when it is left (and on Enter).
QLineEdit* makeCorrectedEdit(const QString& text, const char* objectName, QWidget* parent,
                             std::function<QString(const QString&)> correct);

// Shows the dialog modally. OK applies its values to the open project as one step; Test
// runs the menu test with a copy. True when the user confirmed.
bool RunEffectDialog(EffectDialog& dialog, ProjectDocument& document, const DialogLauncher& launcher);

// Gives the tabs' effect and option buttons their dialogs.
void RegisterEffectDialogs(DialogLauncher& dialogs, ProjectDocument& document);

}  // namespace orv::editor
