// The writer of the one format that serves as project file (.mnp) and as menu description
// file (ORVNMENU.MNI): every section and key in its fixed order, shaped by three switches.
#pragma once

#include <string>

#include "model/menu_project.h"
#include "model/profile.h"

namespace orv {

// The editor's own identification, written into [Origin] and [ID].
inline constexpr const char* OriginInfo = "This file is created by Veltrona Orvanto 2018";
inline constexpr int EditorVersionMajor = 8;
inline constexpr int EditorVersionMinor = 6;
inline constexpr int EditorVersionRevision = 9;
inline constexpr const char* EditorVersionText = "8.6.9";
inline constexpr const char* OriginLanguage = "Eng";
inline constexpr const char* MakerURL = "https://www.veltrona.com/orvanto";
inline constexpr const char* EditorAppID = "VELTRONA-ORVANTO-8-ORVNEDIT";
inline constexpr const char* EndOfFileLine = "-(EOF)-";

// Writes the whole file into out.
//  bAddFontListToOptionFile: adds [Fonts] with the font files the three fonts need.
//  bCreatingMenuFile: the menu description file: adds [ExeFilename], [RTF-Print] and
//    [SocialMedia], doubles " & " in captions, strips title-row dashes and marks their
//    command "(Title)", scrambles passwords, hides "Install StickGuard" in CD/DVD menus.
//  bSubMenuWizard: buttons, count, destination, caption and title come from the project's
//    WizardButtonTable; UseAutorun is "0"; no [PortavoLink]; no password keys.
void StoreOptionsOnFile(const MenuProject& project, ProfileWriter& out, bool bAddFontListToOptionFile,
                        bool bCreatingMenuFile, bool bSubMenuWizard);

// The same file as UTF-8 text with CR LF line ends, ending with "-(EOF)-" and an empty line.
std::string StoreOptionsToText(const MenuProject& project, bool bAddFontListToOptionFile,
                               bool bCreatingMenuFile, bool bSubMenuWizard);

// Editor-wide: whether the [Fonts] section written last listed at least one font file (the
// create step then copies the listed files). Cleared whenever a [Fonts] section is begun.
bool& FontFilesListed();

}  // namespace orv
