// Pictures read with GDI+, loaded at the first picture: a menu without pictures never loads
// gdiplus.dll (and the imaging codecs it brings), which would cost every start of the menu
// from a disc. Only its flat functions are used, found by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv::platform::gdiplus_library {

// Pixels as 0xAARRGGBB, row after row, not premultiplied.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// Reads a BMP, JPEG, PNG, GIF, TIFF or metafile and draws it at its own size; a metafile is
// drawn at metafileWidth x metafileHeight when those are positive. Empty when GDI+ cannot be
// loaded or the file cannot be read.
Picture readPicture(const std::wstring& file, int metafileWidth, int metafileHeight);

}  // namespace orv::platform::gdiplus_library
