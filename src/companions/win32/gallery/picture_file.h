// Pictures read with GDI+ (JPEG, PNG, GIF, BMP and the other kinds Windows reads), turned
// upright by their EXIF orientation and copied at the size they are shown, so no file
// stays open.
#pragma once

#include <memory>
#include <string>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace orv::companions {

// The size that fits within box keeping the proportions, never larger than the picture
// itself; at least 1 x 1.
SIZE fitWithin(SIZE picture, SIZE box);

// The picture scaled down to fit within limit, with high-quality filtering; null when the
// file cannot be read as a picture.
std::unique_ptr<Gdiplus::Bitmap> loadPicture(const std::string& file, SIZE limit);

// A copy of the picture at exactly size, drawn with high-quality filtering.
std::unique_ptr<Gdiplus::Bitmap> scaledCopy(Gdiplus::Image& picture, SIZE size);

}  // namespace orv::companions
