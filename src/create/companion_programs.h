// The companion programs some buttons need, copied into sub-folders of the menu: the flash
// player (VTFlashPlayer) and the picture gallery (VTPictureGallery), and the small data
// files written for them.
#pragma once

#include <string>

#include "create/creation_run.h"

namespace orv {

inline constexpr const char* PlayFlashCommand = "Play Flash Animation";
inline constexpr const char* OpenPictureGalleryCommand = "Open Picture Gallery";
inline constexpr const char* FlashPlayerFolder = "VTFlashPlayer";
inline constexpr const char* FlashPlayerProgram = "VTFlashPlayer.exe";
inline constexpr const char* FlashPlayerDataFile = "VTFlashPlayer.dat";
inline constexpr const char* PictureGalleryFolder = "VTPictureGallery";
inline constexpr const char* PictureGalleryProgram = "VTPictureGallery.exe";
inline constexpr const char* PictureGalleryDataFile = "VTPictureGallery.dat";

// VTFlashPlayer.dat of one flash button (UTF-8, CR LF): the animation's file name in lower
// case, the window title (AppParam), the window size and ShowDialogBoxes.
std::string FlashPlayerDataText(const MenuButton& button, const std::string& animationFileName);

// VTPictureGallery.dat of the menu, from the project's picture gallery settings.
std::string PictureGalleryDataText(const MenuProject& project);

// True when some button has the command.
bool AnyButtonWithCommand(const MenuProject& project, const std::string& command);

// The flash player and the picture gallery (with its data file) when a button
// needs them.
bool CopyCompanionPrograms(CreationRun& run);

// Writes a data file (text in the ANSI code page); 0 or the error number.
int WriteDataFile(const std::string& path, const std::string& text);

}  // namespace orv
