// Picture file facts read from the file headers.
#pragma once

#include <string>

namespace orv::platform {

// Type codes of GetPictureFileType.
enum PictureType : int {
    PictureUnknown = 0,
    PictureBmp = 101,
    PictureGif = 102,
    PictureJpeg = 103,
    PicturePng = 104,
    PictureWmf = 105,
    PictureEmf = 106,
    PictureIco = 107,
    PictureTiff = 108,
};

// Colour systems of GetJPEGColorSystem.
enum JpegColorSystem : int {
    JpegUnknown = 0,
    JpegGrayscale = 201,
    JpegRgb = 202,
    JpegYCbCr = 203,
    JpegCmyk = 204,
    JpegYcck = 205,
};

class Pictures {
public:
    virtual ~Pictures() = default;
    virtual int GetPictureFileType(const std::string& file) const = 0;
    virtual int GetJPEGColorSystem(const std::string& file) const = 0;
    // False when the file cannot be read or its type is unknown.
    virtual bool GetPictureFileDimensions(const std::string& file, int& width, int& height) const = 0;
};

}  // namespace orv::platform
