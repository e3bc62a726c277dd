// Picture type and size from the first bytes of a picture file, without decoding it.
// JPEG sizes come from libjpeg (jpeg_header.h); every other type is read here.
#pragma once

#include <istream>

namespace orv::platform {

// The PictureType code of the stream's header; PictureUnknown when it is none of them.
int pictureTypeOf(std::istream& in);

// Width and height in pixels of a BMP, GIF, PNG, WMF, EMF, ICO or TIFF picture of the given
// type. Placeable WMF and EMF frames are converted at 96 pixels per inch; a plain WMF gives
// its window extent; an icon gives its first image. False when the header is damaged or
// cut short.
bool pictureSizeOf(std::istream& in, int type, int& width, int& height);

}  // namespace orv::platform
