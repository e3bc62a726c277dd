// The writer of the one format that serves as project file (.mnp) and as menu description
// file (ORVNMENU.MNI): every section and key in its fixed order, shaped by three options.
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

// What a write adds to or takes from the project file; options combine with |.
enum class WriteOptions : unsigned {
    ProjectFile = 0,
    // Adds [Fonts] with the font files the three fonts need.
    ListFontFiles = 1u << 0,
    // The menu description file: adds [ExeFilename], [RTF-Print] and [SocialMedia], doubles
    // " & " in captions, strips title-row dashes and marks their command "(Title)", hides
    // passwords, hides "Install StickGuard" in CD/DVD menus.
    MenuDescription = 1u << 1,
    // A sub-menu: buttons, count, destination, caption and title come from the project's
    // WizardButtonTable; UseAutorun is "0"; no [PortavoLink]; no password keys.
    SubMenu = 1u << 2,
};

constexpr WriteOptions operator|(WriteOptions a, WriteOptions b)
{
    return static_cast<WriteOptions>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Whether options include every option of wanted.
constexpr bool HasOptions(WriteOptions options, WriteOptions wanted)
{
    return (static_cast<unsigned>(options) & static_cast<unsigned>(wanted)) == static_cast<unsigned>(wanted);
}

// Writes the whole file into out.
void StoreOptionsOnFile(const MenuProject& project, ProfileWriter& out,
                        WriteOptions options = WriteOptions::ProjectFile);

// The same file as UTF-8 text with CR LF line ends, ending with "-(EOF)-" and an empty line.
std::string StoreOptionsToText(const MenuProject& project, WriteOptions options = WriteOptions::ProjectFile);

// Editor-wide: whether the [Fonts] section written last listed at least one font file (the
// create step then copies the listed files). Cleared whenever a [Fonts] section is begun.
bool& FontFilesListed();

}  // namespace orv
