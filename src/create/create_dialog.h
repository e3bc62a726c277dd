// The create dialog "CreateMenu" as plain data and rules: the values it holds while open,
// what it takes from and gives back to the project, its caption, info text and label
// colour, and the targets of the folder chooser's buttons. The editor's dialog only shows
// them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/menu_project.h"

namespace orv {

// One entry of the dialog's list of menu description files: the text shown and the menu description file it writes
// (upper-case base name; the file is written with the name in lower case).
struct MenuDescriptionFileChoice {
    const char* text;
    const char* fileName;
};
inline constexpr std::array<MenuDescriptionFileChoice, 5> MenuDescriptionFileChoices = {{
    {"ORVNMENU.MNI   <All resolutions>", "ORVNMENU.MNI"},
    {"ORVNMENU_640x480.MNI   <640x480 pixels>", "ORVNMENU_640x480.MNI"},
    {"ORVNMENU_800x600.MNI   <800x600 pixels>", "ORVNMENU_800x600.MNI"},
    {"ORVNMENU_1024x768.MNI   <1024x768 pixels>", "ORVNMENU_1024x768.MNI"},
    {"ORVNMENU_1152x864.MNI   <1152x864 pixels>", "ORVNMENU_1152x864.MNI"},
}};

// The file name written for a list index, in lower case ("orvnmenu_800x600.mni"); an index
// outside the list counts as 0.
std::string MenuDescriptionFileNameFor(int index);

// The menu description file of a created menu folder (Windows form): ORVNMENU.MNI, or when
// the folder has none, the first screen-size variant it holds (in the list's order); empty
// when there is neither. Names are matched without regard to case.
std::string CreatedMenuDescription(const std::string& folder);

// The question the create dialog asks before it writes only a screen-size variant into a
// folder without ORVNMENU.MNI: the menu program then shows the menu on that screen size
// only. Empty when there is nothing to ask (the "All resolutions" entry, or the folder
// already holds ORVNMENU.MNI).
std::string ScreenSizeOnlyQuestion(int index, const std::string& destination);

struct CreateDialogState {
    std::string destination;  // CreateDestDir
    std::string iconSource;   // CDIconSrc
    std::string label;        // DiscLabel
    std::string actionText;   // DiscActionText
    bool coOperateWithPortavoLink = false;  // CoOperateWithPortavoLink
    bool copyObjects = true;       // pictures, sounds and movie; turned on whenever the dialog loads
    int descriptionFileIndex = 0;  // which menu description file (MenuDescriptionFileChoices); 0 on load
};

// Where a project without a destination is offered to be created: "My Created Menus" and
// the project's name ("Menu" for an unsaved one); empty when that folder is not known.
std::string ProposedDestination(const MenuProject& project);

// The dialog as it loads for the project; a project without a destination gets the proposed
// one, except in a batch build.
CreateDialogState LoadCreateDialog(const MenuProject& project);

// The dialog's four texts and the check box back into the project.
void StoreCreateDialog(const CreateDialogState& dialog, MenuProject& project);

// What the project keeps of a closed dialog: nothing without a destination; otherwise its
// values, except a proposed destination the author left untouched in a dialog that created
// nothing (so opening and closing the dialog never changes the project).
void TakeCreateDialogValues(const CreateDialogState& dialog, MenuProject& project, bool created);

// "Create (menu for CD/DVD)" or, for a USB project, "Create (menu for USB flash drive)".
std::string CreateDialogCaption(std::int16_t projectType);

inline constexpr const char* CreateInfoTextWithoutAutorun =
    "From this dialog box you create a menu. All necessary files will be stored in the folder you specify in "
    "'Create in this folder'. You can browse after a folder by pressing the button 'Browse'. No AUTORUN.INF file "
    "will be created.";
inline constexpr const char* CreateInfoTextWithAutorun =
    "From this dialog box you create a menu. All necessary files will be stored in the folder you specify in "
    "'Create in this folder'. You can browse after a folder by pressing the button 'Browse'. An AUTORUN.INF file "
    "will also be created.";

// What the dialog shows for the project's UseAutorun: with autorun off the sibling-product
// frame, its check box, the USB picture and CmdUSBsettings are hidden and the icon, label
// and action text fields are disabled.
struct CreateDialogLayout {
    bool siblingProductControlsVisible = true;
    bool autorunFieldsEnabled = true;
    std::string infoText;
};
CreateDialogLayout CreateDialogLayoutFor(const MenuProject& project);

// A label longer than this is shown in dark red (it is cut on the AUTORUN.INF LABEL line).
inline constexpr std::size_t LabelWarningLength = 32;
inline constexpr Colour LabelTooLongColour = RgbColour(150, 0, 0);
// The label's text colour: dark red while it holds more than 32 characters, else normal.
Colour LabelTextColour(const std::string& label, Colour normalColour);

// The icon chooser.
inline constexpr const char* SelectIconTitle = "Select Icon";
inline constexpr const char* SelectIconStartFolder = "c:\\";
inline constexpr const char* SelectIconFilter =
    "Icon Files (*.ico)|*.ico|EXE Files (*.exe)|*.exe|DLL Files (*.dll)|*.dll";

// The folder chooser SelectDir and its four buttons.
inline constexpr const char* SelectDirCaption = "Select Folder";
enum class SelectDirButton { RootFolder, MyDocuments, MyMenus, UsbDrive };
// The button's caption ("&Root folder", "My &Documents", "My &Menus", "&USB drive").
const char* SelectDirButtonCaption(SelectDirButton button);
// Where the button moves the chooser: the root of the current folder's drive, the documents
// folder, the created-menus folder (or the documents folder when none is set), the first USB
// flash drive. Empty when nothing changes (no drive, no USB drive).
std::optional<std::string> SelectDirTarget(SelectDirButton button, const std::string& currentFolder);

}  // namespace orv
