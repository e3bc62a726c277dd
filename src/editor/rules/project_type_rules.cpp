#include "editor/rules/project_type_rules.h"

#include "model/editor_options.h"

namespace orv::editor {

std::string ProjectTypeConfirmCaption(bool fromTemplate)
{
    return fromTemplate ? "Continue  >" : "Select Project Type";
}

bool ProjectTypeQuestionNeeded() { return !Options().DontAskProjectType; }

}  // namespace orv::editor
