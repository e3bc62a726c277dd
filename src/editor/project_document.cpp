#include "editor/project_document.h"

#include "editor/rules/window_title.h"

namespace orv::editor {

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent)
{
    ResetParameters(project_);
    announcedTitle_ = EditorWindowTitle(project_);
    announcedHeading_ = project_.FileNameColumnHeading;
}

void ProjectDocument::setModified(bool modified)
{
    project_.Modified = modified;
    announceModified();
}

void ProjectDocument::announceModified()
{
    if (project_.Modified == announcedModified_)
        return;
    announcedModified_ = project_.Modified;
    emit modifiedChanged(announcedModified_);
}

void ProjectDocument::notifyReplaced()
{
    emit projectReplaced();
    emit buttonsChanged();
    notifyCaptionsChanged();
    announceModified();
}

void ProjectDocument::notifyChanged()
{
    emit projectChanged();
    notifyCaptionsChanged();
    announceModified();
}

void ProjectDocument::notifyCaptionsChanged()
{
    RefreshProjectCaptions(project_);
    const std::string title = EditorWindowTitle(project_);
    const bool changed = title != announcedTitle_ || project_.FileNameColumnHeading != announcedHeading_;
    announcedTitle_ = title;
    announcedHeading_ = project_.FileNameColumnHeading;
    if (changed)
        emit captionsChanged();
    announceModified();
}

void ProjectDocument::notifyButtonsChanged()
{
    emit buttonsChanged();
    announceModified();
}

}  // namespace orv::editor
