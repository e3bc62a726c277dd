// The pictures, sounds, movie and button pictures of a menu, copied into the sub-folders the
// project names for them, and the font files the menu description file lists.
#pragma once

#include "create/creation_run.h"

namespace orv {

// Step 20: button pictures, only for the styles "Bitmap Button" and "Image / Hotspot".
bool CopyButtonPictures(CreationRun& run);

// Step 21: the font files listed in the [Fonts] section of the menu description file just
// written, into "orvndata\fonts".
bool CopyFontFiles(CreationRun& run);

// Step 23 (when cCopyObjects is on): background picture, logotype, menu picture,
// background sound, button sound, hover sound and menu movie, then the buttons' own hover
// sounds.
bool CopyMenuObjects(CreationRun& run);

// True for the two button styles whose buttons carry pictures.
bool IsBitmapButtonStyle(int buttonStyle);

// The source path of a font file named in [Fonts]: the value itself when it holds a
// backslash, else the file in the fonts folder (or, on a host without one fonts folder,
// wherever the installed font file lies).
std::string FontSourcePath(const std::string& value);

}  // namespace orv
