// A picture of the menu as a PNG file: 8-bit RGB, uncompressed deflate blocks. Both builds
// write the same bytes for the same pixels, so their pictures can be compared byte for
// byte where the pixels agree.
#pragma once

#include <string>

#include "shell/render/canvas.h"

namespace orv::shell {

// The PNG bytes of an opaque picture (the alpha channel is ignored).
std::string encodePng(const Bitmap& picture);

// Writes the PNG of the picture to a file given in host form; false when it cannot be written.
bool writePngFile(const Bitmap& picture, const std::string& hostPath);

}  // namespace orv::shell
