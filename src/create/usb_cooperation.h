// Cooperation with the separate USB autorun product Portavo while a USB menu is created:
// the full-version test, removal of files of earlier runs, the Compact Office warning, the
// StickGuard button offer, the copy of the StickGuard setup program, the information boxes
// after creation and the settings dialog's rules.
#pragma once

#include <string>

#include "create/creation_run.h"

namespace orv {

inline constexpr const char* InstallStickGuardCommand = "Install StickGuard";
inline constexpr const char* DefaultStickGuardSetupFilename = "SETUP-StickGuard.exe";
inline constexpr const char* DefaultStickGuardSetupFoldername = "SETUP-StickGuard";

// Per-user switches of Portavo ("1" silences the box).
inline constexpr const char* DontShowCompactOfficeWarning = "DontShowPTVCMPOwarning";
inline constexpr const char* DontShowStickGuardOffer = "DontShowInfoBox_SGDSetup";
inline constexpr const char* DontShowStickGuardInfo = "DontShowInfoBox";
inline constexpr const char* DontShowProductInfo = "DontShowProductInfoBox";
bool PortavoSwitchIsOn(const char* valueName);
void SetPortavoSwitch(const char* valueName, bool on);

// True when Portavo (not its Compact Office edition) is installed and the project is a USB
// project with autorun and cooperation on.
bool CoOperate_With_PortavoLink_FullVersion(const MenuProject& project, bool coOperateWithPortavoLink);

// Deletes the files earlier runs and Portavo leave in the menu folder (menu programs, their
// manifests, ORVNMENU.MNI and Portavo's STARTDOC/STARTAPP files), ignoring every error.
void PTV_DeleteOldFiles(const std::string& sDestDir);

// True when some row of the button list has the command "Install StickGuard".
bool HasStickGuardButton(const MenuProject& project);

// The button that installs StickGuard.
MenuButton MakeStickGuardButton();

// Adds that button in front of a last "Exit" row, else at the end. With a full list it shows
// "The button list is full! We can't add more buttons to this menu." and adds nothing.
// True when the button was added.
bool AddStickGuardButton(MenuProject& project);

// The Compact Office warning (two messages and the question to turn it off).
void ShowCompactOfficeWarning(CreationRun& run);

// The StickGuard button offer. False when the creation stops (Cancel, or the author chose
// to edit the added button).
bool OfferStickGuardButton(CreationRun& run);

// Copies the StickGuard setup program when cooperating with the full version. False when
// the creation stops.
bool CopyStickGuardSetup(CreationRun& run);

// Where the StickGuard setup program goes: its file name (upper case) in the menu folder or
// in the project's sub-folder for it; and the project's folder and name as typed.
std::string StickGuardSetupTarget(const std::string& destination, const MenuProject& project);
std::string StickGuardSetupPlace(const MenuProject& project);

// Which information timers of the report dialog to enable (outside batch mode).
void PrepareAfterCreationTimers(const CreationRun& run, CreationReport& report);

// The path the setup program was copied to in the last creation (empty when none).
std::string& StickGuardSetupCopiedPath();

// The information box after creation: DlgPTVInformation2 when the menu has a StickGuard
// button (naming the button's text), else DlgPTVInformation (naming the file and the path
// it was copied to), each followed by the common closing text.
struct StickGuardInformation {
    bool withButton = false;
    std::string text;
    std::string copiedPath;  // shown below the text of DlgPTVInformation
    std::string closingText;
};
StickGuardInformation StickGuardInformationFor(const MenuProject& project);
// Whether the box is shown at all when its timer fires (or at Ctrl+I in the report).
bool StickGuardInformationWanted();
// Whether the product box is shown when its timer fires.
bool ProductPageInformationWanted(const MenuProject& project);

// The texts of the offer dialogs.
inline constexpr const char* StickGuardOfferCaption = "Menu Button for Installation of AutoRun (StickGuard)";
inline constexpr const char* StickGuardOfferHeading = "You have choosen to add AutoRun support for USB flash drives";
inline constexpr const char* StickGuardOfferText1 =
    "Before the AutoRun function for USB flash drives will work in a computer, a program (StickGuard) must be "
    "installed on that computer. The setup program only need to be run once in a computer. Thereafter, the AutoRun "
    "function will work all the time, also for other USB sticks that you send to the user.";
inline constexpr const char* StickGuardOfferText2 =
    "To make it easier for the user to start the setup program, a button can be included in the menu interface "
    "where the user can start the installation. If you want to add such a button, press 'Yes, Add Button' below. "
    "The button will be placed in the lists with buttons in the 'Buttons (text)' tab and can be edited in the usual "
    "way.";
inline constexpr const char* StickGuardAddedCaption = "The Button Has Been Added";
inline constexpr const char* StickGuardAddedText =
    "A button that installs StickGuard (enables AutoRun on USB flash drives) has been added to the button list. Do "
    "you want to cancel creation and instead edit the button's properties?";

// The settings dialog DlgPortavoLinkSettings.
struct PortavoLinkSettingsForm {
    std::string fileName;          // StickGuardSetupFilename
    std::string folderName;        // StickGuardSetupFoldername
    bool copyToSubFolder = true;   // false: into the menu folder itself
    // The folder field is enabled exactly while the sub-folder option is selected.
    bool folderFieldEnabled() const { return copyToSubFolder; }
};
PortavoLinkSettingsForm LoadPortavoLinkSettings(const MenuProject& project);
// Reset: the default names and the root-folder option.
void ResetPortavoLinkSettings(PortavoLinkSettingsForm& form);
// OK: false (after "Invalid folder name!") when the folder name is "STARTAPP"; else the
// names without "\" and "/" go into the project.
bool ConfirmPortavoLinkSettings(PortavoLinkSettingsForm& form, MenuProject& project);

}  // namespace orv
