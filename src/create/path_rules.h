// How the folder values and links of a project become target paths in the menu folder.
// A leading "¤" or "*" means "relative to the menu folder" (one backslash after it is
// ignored); a leading "\" means "from the root of the destination's drive"; a value with
// neither and without a drive is relative to the menu folder as well.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/menu_project.h"

namespace orv {

// The marker "¤" (U+00A4, UTF-8) and its ASCII twin "*".
inline constexpr std::string_view CurrencyMarker = "\xC2\xA4";

// True when the text starts with "¤" or "*".
bool StartsWithFolderMarker(std::string_view text);
// The text without a leading marker and without one backslash right after it; a text
// without a marker is returned unchanged.
std::string DropFolderMarker(std::string_view text);

// The absolute path of a relative path (marker dropped) seen from sFromDir; empty when
// there is none (for example when ".." climbs above the drive root). Touches nothing.
std::string AbsolutePathFromRelative(const std::string& sFromDir, const std::string& sRelativePath);

// The same, and the folder of the result is created (the result of that is not read).
std::string CreateAbsolutePathFromRelativePathX(const std::string& sFromDir, const std::string& sRelativePath);

// Target of a picture, sound or movie: the folder value + "\" + the source's file name,
// cleaned, seen from the destination. The target's folder is created.
std::string GetCopyTargetPath(const std::string& destination, const std::string& sourceFile,
                              const std::string& folderValue);
// The same without creating anything.
std::string CopyTargetPathOf(const std::string& destination, const std::string& sourceFile,
                             const std::string& folderValue);

// Target of a font file: a folder value with a marker (or without marker, backslash and
// drive) lies in the destination, a value starting with "\" lies below the drive given
// (the first two characters of the menu program's target, e.g. "E:"). The target's folder
// is created.
std::string GetDestinationFilePath(const std::string& destination, const std::string& drive,
                                   const std::string& sourceFile, const std::string& folderValue);

// Copies every file of the source file's folder into the target file's folder when both
// folders exist; the helper library's status (zero for failure), 0 when a folder is missing.
std::int16_t CopyWholeFolder(const std::string& sourceFile, const std::string& targetFile);

// The menu program's file name as configured: the USB name for a USB project, else the
// CD/DVD name (not corrected, not upper-cased).
std::string MenuProgramFileName(const MenuProject& project);

// True when a button link that is relative to the menu folder uses ".." to reach a place
// outside the destination folder. Links with a drive or a leading backslash name places
// on the medium on purpose and never count.
bool LinkClimbsOutOfDestination(const std::string& destination, const std::string& link);

// Links of buttons that point into the destination from the root of its drive
// ("\menu\docs\a.pdf" with the destination "E:\Menu") become relative to the menu folder
// ("docs\a.pdf", lower case). Buttons whose command opens no file keep their links.
void RewriteLinksInsideDestination(MenuProject& project, const std::string& destination);

// Text helpers for the path rules: the number of characters of a UTF-8 text, lower and
// upper case as the formats compare paths.
std::size_t CharacterCount(std::string_view utf8);
std::string LowerText(std::string_view utf8);
std::string UpperText(std::string_view utf8);
bool SameTextNoCase(std::string_view a, std::string_view b);

}  // namespace orv
