// The pictures, sounds, movie and button pictures of a menu, copied into the sub-folders the
// project names for them, and the font files the menu description file lists.
#pragma once

#include <array>
#include <string>

#include "create/creation_run.h"

namespace orv {

// The seven objects that CopyMenuObjects copies, in their order, with the name messages use.
enum class ObjectKind { Picture, Sound, Movie };
struct MenuObject {
    const std::string& source;
    const std::string& folder;
    ObjectKind kind;
    const char* name;  // "background picture"
};
std::array<MenuObject, 7> MenuObjects(const MenuProject& project);

// Where the fonts go, relative to the menu folder.
inline constexpr const char* FontsFolder = "orvndata\\fonts";

// How messages name a value that leads out of the destination: "CD folder of the logotype",
// "hover sound folder of button #n", "picture folder of button #n".
std::string ObjectFolderSubject(const std::string& object);
std::string HoverSoundSubject(int row);
std::string ButtonPictureSubject(int row);

// A button picture's path relative to the menu folder: its folder + its file name.
std::string ButtonPictureRelativePath(const MenuButton& button);

// Button pictures, only for the styles "Bitmap Button" and "Image / Hotspot".
bool CopyButtonPictures(CreationRun& run);

// The font files listed in the [Fonts] section of the menu description file just
// written, into "orvndata\fonts".
bool CopyFontFiles(CreationRun& run);

// Background picture, logotype, menu picture, background sound, button sound, hover sound
// and menu movie, then the buttons' own hover sounds (when the dialog's copyObjects is on).
bool CopyMenuObjects(CreationRun& run);

// True for the two button styles whose buttons carry pictures.
bool IsBitmapButtonStyle(int buttonStyle);

// The source path of a font file named in [Fonts]: the value itself when it holds a
// backslash, else the file in the fonts folder (or, on a host without one fonts folder,
// wherever the installed font file lies).
std::string FontSourcePath(const std::string& value);

}  // namespace orv
