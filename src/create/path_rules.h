// How the folder values and links of a project become target paths in the menu folder.
// A leading "¤" or "*" means "relative to the menu folder" (one backslash after it is
// ignored); a leading "\" means "from the medium's root", which is the destination folder
// itself; a value with neither and without a drive is relative to the menu folder as well.
// Nothing that creation writes may lie outside the destination (TargetInsideDestination).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/menu_project.h"

namespace orv {

// The marker "¤" (U+00A4, UTF-8) and its ASCII twin "*".
inline constexpr std::string_view CurrencyMarker = "\xC2\xA4";

// The text without a leading marker and without one backslash right after it; a text
// without a marker is returned unchanged.
std::string DropFolderMarker(std::string_view text);

// The absolute path of a relative path (marker dropped) seen from sFromDir, "." and ".."
// resolved; a path starting with one "\" or "/" starts at sFromDir too (the medium's
// root). Empty when there is none (for example when ".." climbs above the drive root).
// Touches nothing.
std::string AbsolutePathFromRelative(const std::string& sFromDir, const std::string& sRelativePath);

// The same, and the folder of the result is created (the result of that is not read).
std::string CreateAbsolutePathFromRelativePathX(const std::string& sFromDir, const std::string& sRelativePath);

// Creates the folder of a path (its folder part, when not empty); the result is not read.
void CreateFolderOf(const std::string& path);

// Target of a picture, sound or movie: the folder value + "\" + the source's file name,
// cleaned, seen from the destination. The target's folder is created.
std::string GetCopyTargetPath(const std::string& destination, const std::string& sourceFile,
                              const std::string& folderValue);
// The same without creating anything.
std::string CopyTargetPathOf(const std::string& destination, const std::string& sourceFile,
                             const std::string& folderValue);

// Target of a font file: the folder value (with or without marker, or starting with "\")
// seen from the destination + "\" + the source's file name, cleaned. Touches nothing.
std::string FontTargetPath(const std::string& destination, const std::string& sourceFile,
                           const std::string& folderValue);

// True when the Windows-form target lies below the destination folder once "." and ".."
// are resolved, compared without regard to case. Every file that creation writes passes
// this check first, and "orvntool check" uses it too. An empty target is outside.
bool TargetInsideDestination(const std::string& destination, const std::string& target);

// Copies every file of the source file's folder into the target file's folder when both
// folders exist, each as CopyFileMapped copies (a link already at a target is removed first,
// never written through): 1, or 0 for failure (also when a folder is missing).
std::int16_t CopyWholeFolder(const std::string& sourceFile, const std::string& targetFile);

// The menu program's file name as configured: the USB name for a USB project, else the
// CD/DVD name (not corrected, not upper-cased).
std::string MenuProgramFileName(const MenuProject& project);

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
