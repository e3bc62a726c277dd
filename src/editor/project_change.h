// One named change of the open project as a step of the document's undo stack. The step
// keeps the project's content before and after the change; undo and redo put back what
// differs between them (see RestoreContent), and the views reload it.
// Consecutive edits of the same field while the user types merge into one step.
#pragma once

#include <QUndoCommand>

#include "model/menu_project.h"

namespace orv::editor {

class ProjectDocument;

// What a change touched, so that only the views that show it reload.
enum class ChangeScope : unsigned {
    Shown = 0,    // the widget that made the change shows it already
    Fields = 1,   // the tabs reload their fields
    Buttons = 2,  // the button list reloads
    Everything = Fields | Buttons,
};

constexpr ChangeScope operator|(ChangeScope a, ChangeScope b)
{
    return static_cast<ChangeScope>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool touches(ChangeScope scope, ChangeScope part)
{
    return (static_cast<unsigned>(scope) & static_cast<unsigned>(part)) != 0;
}

// The parts in which two states of a project differ.
ChangeScope DifferingParts(const MenuProject& a, const MenuProject& b);

// Takes a step back or forward: what differs between the states from and to is set to its
// value in to; everything else stays as the project holds it now, so what changed outside
// the steps (the creation's date, a destination) survives an undo. Where the project is
// stored (its file) is no content: a step undone after Save As keeps the new file.
void RestoreContent(MenuProject& project, const MenuProject& from, const MenuProject& to);

class ProjectChange : public QUndoCommand {
public:
    // The change has been applied already: before is the project as it was, after as it is
    // now. mergeId is -1, or the id that consecutive changes of one field share.
    ProjectChange(ProjectDocument& document, const QString& name, MenuProject before, MenuProject after,
                  ChangeScope scope, int mergeId);

    void undo() override;
    void redo() override;
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    ProjectDocument& document_;
    MenuProject before_;
    MenuProject after_;
    ChangeScope scope_;
    int mergeId_;
    bool applied_ = true;  // the first redo (the push) finds the change made
};

}  // namespace orv::editor
