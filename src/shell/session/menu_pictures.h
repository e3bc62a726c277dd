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
// The background picture is needed only for painting, and a large one takes a while to
// decode: when the host can read pictures on another thread it is read there (while the
// window is made) and awaitPictures puts it in place before painting.
MenuPictures loadMenuPictures(const MenuDescription& menu, const std::string& menuFolder, MenuHost& host);
void awaitPictures(MenuPictures& pictures);

// Where a picture of the menu is looked for, in order.
std::vector<std::string> pictureCandidates(const PictureFile& file, const std::string& menuFolder);

PictureSizes pictureSizesOf(const MenuPictures& pictures);

}  // namespace orv::shell
