// Watches what the author types into the editor's text fields for characters the project
// files cannot store (see rules/code_page_rules.h). Paths, passwords and texts the files
// always hold in the code page refuse such characters with a message; other texts ask
// once per opened project whether to turn Unicode on.
//
// The main window owns one guard; the tabs' binder and the dialogs only mark and watch
// their fields, and the watched field finds the guard through its parents when a
// character is typed.
//
//     WatchText(target_, TextKind::Path);              // one field, with its kind
#pragma once

#include <QObject>

#include "editor/rules/code_page_rules.h"

class QWidget;

namespace orv::editor {

class ProjectDocument;

class CodePageGuard : public QObject {
    Q_OBJECT
public:
    // parent: the window whose fields and dialogs the guard serves.
    CodePageGuard(ProjectDocument& document, QObject* parent);

    // The guard of a widget's window (none for a dialog shown on its own).
    static CodePageGuard* of(const QWidget* widget);

    // Offers Unicode for the text typed (once per opened project). True when Unicode is on
    // afterwards.
    bool offerUnicode(const CodePageCheck& check);

    bool useUnicode() const;

signals:
    // The author turned Unicode on through the question.
    void unicodeTurnedOn();

private:
    ProjectDocument& document_;
    bool asked_ = false;
};

// Watches one line edit or text box; its kind is kept on the widget, so it may be marked
// again later. A line edit that shows a password as dots counts as a password.
void WatchText(QWidget* edit, TextKind kind);

}  // namespace orv::editor
