#include "editor/project_change.h"

#include "editor/project_document.h"

namespace orv::editor {

ChangeScope DifferingParts(const MenuProject& a, const MenuProject& b)
{
    ChangeScope parts = ChangeScope::Shown;
    if (a.Buttons != b.Buttons)
        parts = parts | ChangeScope::Buttons;
    MenuProject withoutButtons = a;
    withoutButtons.Buttons = b.Buttons;
    if (!(withoutButtons == b))
        parts = parts | ChangeScope::Fields;
    return parts;
}

void RestoreContent(MenuProject& project, const MenuProject& state)
{
    const std::string file = project.ProjectFilePath;
    project = state;
    project.ProjectFilePath = file;
}

ProjectChange::ProjectChange(ProjectDocument& document, const QString& name, MenuProject before, MenuProject after,
                             ChangeScope scope, int mergeId)
    : QUndoCommand(name), document_(document), before_(std::move(before)), after_(std::move(after)), scope_(scope),
      mergeId_(mergeId)
{
}

void ProjectChange::redo()
{
    if (applied_) {
        applied_ = false;
        document_.changed(scope_);
        return;
    }
    const ChangeScope parts = DifferingParts(document_.project(), after_);
    RestoreContent(document_.contentForSteps(), after_);
    document_.changed(parts);
}

void ProjectChange::undo()
{
    const ChangeScope parts = DifferingParts(document_.project(), before_);
    RestoreContent(document_.contentForSteps(), before_);
    document_.changed(parts);
}

bool ProjectChange::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const ProjectChange*>(other);
    if (!next || next->mergeId_ != mergeId_)
        return false;
    after_ = next->after_;
    // Typing that ends where it began leaves no step.
    setObsolete(after_ == before_);
    return true;
}

}  // namespace orv::editor
