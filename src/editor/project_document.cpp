#include "editor/project_document.h"

#include <climits>
#include "editor/rules/window_title.h"

namespace orv::editor {

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent)
{
    ResetParameters(project_);
    RefreshProjectCaptions(project_);
    announcedTitle_ = EditorWindowTitle(project_);
    announcedHeading_ = project_.FileNameColumnHeading;
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &ProjectDocument::announceCaptionsAndModified);
}

ProjectDocument::~ProjectDocument()
{
    // The stack announces its clean state while it is destroyed: nobody listens any more.
    undoStack_.disconnect(this);
}

bool ProjectDocument::edit(const QString& name, const Change& change, ChangeScope scope, const void* typingKey)
{
    MenuProject before = project_;
    change(project_);
    if (typingKey != typingKey_) {
        typingKey_ = typingKey;
        // Ids of typing steps stay positive: -1 means "never merged".
        typingId_ = typingId_ == INT_MAX ? 1 : typingId_ + 1;
    }
    if (project_ == before)
        return false;
    MenuProject after = project_;
    undoStack_.push(new ProjectChange(*this, name, std::move(before), std::move(after), scope,
                                      typingKey ? typingId_ : -1));
    return true;
}

bool ProjectDocument::replace(const std::function<bool(MenuProject&)>& load)
{
    MenuProject next = project_;
    if (!load(next))
        return false;
    project_ = std::move(next);
    RefreshProjectCaptions(project_);
    typingKey_ = nullptr;
    changedOutsideSteps_ = false;
    undoStack_.clear();
    reloadViews();
    return true;
}

bool ProjectDocument::save(const std::function<bool(MenuProject&)>& write)
{
    const bool saved = write(project_);
    if (saved) {
        changedOutsideSteps_ = false;
        undoStack_.setClean();
    }
    announceCaptionsAndModified();
    return saved;
}

void ProjectDocument::changedByCreation()
{
    changedOutsideSteps_ = true;
    changed(ChangeScope::Everything);
}

void ProjectDocument::reloadViews()
{
    emit projectReplaced();
    announceCaptionsAndModified();
}

void ProjectDocument::changed(ChangeScope scope)
{
    if (touches(scope, ChangeScope::Fields))
        emit fieldsChanged();
    if (touches(scope, ChangeScope::Buttons))
        emit buttonsChanged();
    announceCaptionsAndModified();
}

void ProjectDocument::announceCaptionsAndModified()
{
    RefreshProjectCaptions(project_);
    const std::string title = EditorWindowTitle(project_);
    if (title != announcedTitle_ || project_.FileNameColumnHeading != announcedHeading_) {
        announcedTitle_ = title;
        announcedHeading_ = project_.FileNameColumnHeading;
        emit captionsChanged();
    }
    if (isModified() != announcedModified_) {
        announcedModified_ = isModified();
        emit modifiedChanged(announcedModified_);
    }
}

}  // namespace orv::editor
