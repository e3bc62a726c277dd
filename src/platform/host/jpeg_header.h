// JPEG facts from the file header through libjpeg (no pixel is decoded).
#pragma once

#include <filesystem>

namespace orv::platform {

struct JpegFacts {
    int width = 0;
    int height = 0;
    int colorSystem = 0;  // a JpegColorSystem value; YCCK counts as CMYK (204)
};

// False when the file cannot be opened or its header is damaged or cut short.
bool readJpegHeader(const std::filesystem::path& file, JpegFacts& facts);

}  // namespace orv::platform
