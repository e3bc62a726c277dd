#include "editor/dialogs/dialog_openers.h"

#include "editor/dialogs/button_editor_dialog.h"
#include "editor/dialogs/button_options_dialog.h"
#include "editor/dialogs/effects/effect_dialog.h"
#include "editor/project_document.h"
#include "editor/tabs/dialog_launcher.h"

namespace orv::editor {

void RegisterProjectDialogs(DialogLauncher& dialogs, ProjectDocument& document)
{
    RegisterButtonEditor(dialogs);
    RegisterButtonOptionDialogs(dialogs, document);
    RegisterEffectDialogs(dialogs, document);
}

}  // namespace orv::editor
