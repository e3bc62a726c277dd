// The one open project of the editor, wrapped for the windows. Every change the editor
// makes goes through edit(): a named step on the document's undo stack, after which the
// views that show what changed are told once. The project counts as modified while the
// stack is away from its clean state, or after the creation changed it on its own.
//
//     document.edit(tr("Caption"), [&](MenuProject& p) { p.CaptionText = text; });
//     document.edit(tr("Add Button"), [&](MenuProject& p) { p.Buttons.push_back(row); },
//                   ChangeScope::Buttons);
#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QUndoStack>

#include "editor/project_change.h"
#include "model/menu_project.h"

namespace orv::editor {

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    using Change = std::function<void(MenuProject&)>;

    explicit ProjectDocument(QObject* parent = nullptr);
    ~ProjectDocument() override;

    const MenuProject& project() const { return project_; }

    // Applies a named change as one undo step and notifies the views in scope. A change
    // that leaves the project as it was pushes nothing; false then. Changes with the same
    // typingKey follow each other into one step until finishTyping() (the field was left).
    bool edit(const QString& name, const Change& change, ChangeScope scope = ChangeScope::Fields,
              const void* typingKey = nullptr);
    // The field being typed into was committed: its next change is a step of its own.
    void finishTyping() { typingKey_ = nullptr; }

    // New, Open, a template: load fills a copy of the project; when it returns true
    // the copy becomes the project, the history is cleared, the project is unmodified and
    // every view reloads. False changes nothing.
    bool replace(const std::function<bool(MenuProject&)>& load);
    // Save and Save As: write stores the project (and may give it another file). When it
    // returns true the project is unmodified at this point of the history.
    bool save(const std::function<bool(MenuProject&)>& write);

    // The creation writes into the project itself (the destination, the date of the
    // creation, a StickGuard button and its settings) and reports it through its observer,
    // which calls changedByCreation(): such changes are no steps, but mark the project
    // modified and reload every view.
    MenuProject& projectForCreation() { return project_; }
    void changedByCreation();

    bool isModified() const { return !undoStack_.isClean() || changedOutsideSteps_; }
    QUndoStack& undoStack() { return undoStack_; }

    // The whole project again in every view (the window was just built).
    void reloadViews();

signals:
    // The project was replaced as a whole: every view reloads.
    void projectReplaced();
    // Fields shown by the tabs changed (a dialog's OK, undo, redo).
    void fieldsChanged();
    // Rows of the button list were added, removed or rewritten.
    void buttonsChanged();
    // The window title or the file-name column heading changed.
    void captionsChanged();
    void modifiedChanged(bool modified);

private:
    friend class ProjectChange;
    // What the steps of the undo stack restore.
    MenuProject& contentForSteps() { return project_; }
    // The one place that tells the views: what the scope names, then the captions and the
    // modified mark when they changed.
    void changed(ChangeScope scope);
    void announceCaptionsAndModified();

    MenuProject project_;
    QUndoStack undoStack_;
    bool changedOutsideSteps_ = false;
    const void* typingKey_ = nullptr;
    int typingId_ = 0;
    bool announcedModified_ = false;
    std::string announcedTitle_;
    std::string announcedHeading_;
};

}  // namespace orv::editor
