// Gives the dialog launcher its dialogs: the effect and option dialogs that the tabs'
// buttons open, the button editor and its options.
#pragma once

namespace orv::editor {

class DialogLauncher;
class ProjectDocument;

void RegisterProjectDialogs(DialogLauncher& dialogs, ProjectDocument& document);

}  // namespace orv::editor
