// What one run of a program keeps between calls, in one place: the editor's options, the
// batch state, the editor's folders, the sibling products found at start, and what the
// creation remembers from one run to the next. Options(), Batch(), Folders(), Siblings(),
// ResizeMode() and StickGuardSetupCopiedPath() are shorthands for members of Session().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/editor_options.h"
#include "model/messages.h"
#include "model/project_folders.h"
#include "model/sibling_products.h"

namespace orv {

struct SessionState {
    EditorOptions options;
    BatchState batch;
    EditorFolders folders;
    SiblingProducts siblings;

    // The creation's memory: whether the menu program was asked to let the user size its
    // window, the copied StickGuard setup program, the report of the last creation and how
    // many creations ran to their end.
    bool resizeMode = false;
    std::string stickGuardSetupCopiedPath;
    std::vector<std::string> lastReport;
    unsigned completedRuns = 0;

    // The picture folder of the last confirmed Add or Edit of a button: the next new
    // button starts with it (see NewButtonEntry).
    std::string rememberedButtonPictureFolder;

    // The choices of the last new project made from a basic style, offered again by the
    // next: colour family (1 Blue .. 7 White2), layout (1..8), button placement (1 left,
    // 2 centre, 3 right, 4 double columns), title alignment (1 left, 3 centre) and the
    // title's underline (from the options at start). Whether sample buttons and a sample
    // picture are added are the editor options Add3Buttons_WhenNewProject and
    // AddSampleMenuPicture_WhenNewProject.
    struct NewProjectChoices {
        std::int16_t color = 1, layout = 2, placement = 3, titleAlignment = 1;
        std::optional<bool> underlineTitle;  // the option UnderlineMenuTitle until chosen
    } newProject;
};

// The state of this run of the program.
SessionState& Session();

// Back to the state of a program that has just started: every member of Session() at its
// initial value, the profile cache and the options reader's context emptied, the font
// file list to be read again and the ANSI code page Windows-1252. Tests call it between
// cases.
void ResetSession();

}  // namespace orv
