#include "editor/project_change.h"

#include "editor/project_document.h"
#include "model/project_fields.h"

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

namespace {

// b's values in every member the key table names and in the button list, the rest of a.
MenuProject withTableValuesOf(const MenuProject& a, const MenuProject& b)
{
    MenuProject result = a;
    for (const ProjectField& f : ProjectFields())
        CopyFieldValue(f, b, result);
    result.Buttons = b.Buttons;
    result.ProjectFilePath = b.ProjectFilePath;
    return result;
}

}  // namespace

void RestoreContent(MenuProject& project, const MenuProject& from, const MenuProject& to)
{
    MenuProject result = project;
    for (const ProjectField& f : ProjectFields())
        if (!SameFieldValue(f, from, to))
            CopyFieldValue(f, to, result);
    if (from.Buttons != to.Buttons)
        result.Buttons = to.Buttons;
    // Members outside the key table (the sub-menu wizard's values, ...) come back as a whole
    // when the step changed one of them.
    if (!(withTableValuesOf(from, to) == to))
        result = withTableValuesOf(to, result);
    result.ProjectFilePath = project.ProjectFilePath;
    project = std::move(result);
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
    document_.finishTyping();
    const ChangeScope parts = DifferingParts(before_, after_);
    RestoreContent(document_.contentForSteps(), before_, after_);
    document_.changed(parts);
}

void ProjectChange::undo()
{
    document_.finishTyping();
    const ChangeScope parts = DifferingParts(after_, before_);
    RestoreContent(document_.contentForSteps(), after_, before_);
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
