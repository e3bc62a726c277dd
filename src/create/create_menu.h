// "Create menu": the main window's Create action (its pre-checks and the create dialog) and
// CmdCreateMenu, the whole creation of a menu folder from the open project, step by step
// (docs/creation.md lists the steps).
// Every refusal and error goes out with its fixed text, title and style; a stop leaves
// whatever was already written, and the next run overwrites it.
#pragma once

#include <string>
#include <vector>

#include "create/create_dialog.h"
#include "create/creation_observer.h"
#include "model/menu_project.h"

namespace orv {

// The Create action: in batch mode a non-empty build folder first replaces the project's
// destination; the picture and sound folders are checked; the create dialog is loaded from
// the project and shown (or, in batch mode, CmdCreateMenu runs at once); a non-empty
// destination is copied back into the project. True when a creation ran to its end.
bool CreateAction(MenuProject& project, CreationObserver& observer, const std::string& buildFolder = {});

// True when a picture (background, logotype, menu picture) or a sound (background, button,
// hover) has a file but no CD folder.
bool PictureWithoutCdFolder(const MenuProject& project);
bool SoundWithoutCdFolder(const MenuProject& project);

// The Create action's checks: every picture and sound with a file must have a CD folder.
// False (after bringing the Pictures or Sound tab to the front and sending the message)
// when one has none.
bool CreateActionPreChecks(const MenuProject& project, CreationObserver& observer);

// The creation. True when it ran to its end (the report was filled); false when a step
// stopped it.
bool CmdCreateMenu(MenuProject& project, CreateDialogState& dialog, CreationObserver& observer);

// A group heading of the button style list is never the project's style: the style after
// it is taken.
void ComboButStyle_AssureItsAStyle(MenuProject& project);

// The one preparation of the project before its menu description file is written, shared
// by the creation and orvntool's mni: a group heading of the style list gives way to the
// style after it, every link with a wildcard ("*.") is copied as a set of files (CSF "1"),
// and the destination (a host path is taken in its Windows form) becomes CreateDestDir.
void PrepareMenuDescription(MenuProject& project, const std::string& destination);

// The report list of the last creation that ran to its end (also filled in batch mode).
const std::vector<std::string>& LastCreationReport();

inline constexpr const char* PicturesWithoutFolderMessage =
    "One or more CD Folders for your pictures are empty. If you use a picture you must always specify a CD folder "
    "to.";
inline constexpr const char* SoundsWithoutFolderMessage =
    "One or more CD Folders for your sound files are empty. If you use a sound file you must always specify a CD "
    "folder to.";

// The messages of the driver's own refusals.
std::string InvalidProgramNameMessage(const std::string& programName);
// A destination typed without its whole path would land below wherever the editor runs.
inline constexpr const char* RelativeDestinationMessage =
    "Specify the folder with its whole path, for example /home/ann/Documents/My Created Menus/Holiday.";
inline constexpr const char* RootOfCWithAutorunMessage =
    "You have creation of 'AUTORUN.INF' enabled and you try to create a menu on the root level of C: ('C:\\'). By "
    "security reasons this is not possible. You must choose another drive or add a folder name to C:\\, for example "
    "'C:\\MyMenu'.";
inline constexpr const char* RootOfCQuestion =
    "You try to create a menu on the root level of C: ('C:\\'). It is strongly recommended not to create or copy "
    "files to the C: root. You should choose another drive or add a folder name to C:\\, for example 'C:\\MyMenu'. "
    "Do you want to cancel? ";

}  // namespace orv
