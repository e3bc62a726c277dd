// The pictures of a menu, loaded when it is shown: from the folder the creation copied them
// into, or (in a test run, which copies nothing) from the author's own files.
#pragma once

#include <string>

#include "shell/layout/menu_layout.h"
#include "shell/look/picture.h"
#include "shell/menu_description.h"

namespace orv::shell {

class MenuHost;

// menuFolder: the Windows-form folder of the menu description file. A logotype meant to be
// transparent loses its black (or white) pixels here.
MenuPictures loadMenuPictures(const MenuDescription& menu, const std::string& menuFolder, MenuHost& host);

// Where a picture of the menu is looked for, in order.
std::vector<std::string> pictureCandidates(const PictureFile& file, const std::string& menuFolder);

PictureSizes pictureSizesOf(const MenuPictures& pictures);

}  // namespace orv::shell
