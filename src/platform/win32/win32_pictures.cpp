#include "platform/win32/win32_pictures.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/win32/wide_text.h"

namespace orv::platform {

int Win32Pictures::GetPictureFileType(const std::string& file) const
{
    unsigned char head[44] = {};
    std::ifstream in(std::filesystem::path(widen(file)), std::ios::binary);
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto size = static_cast<std::size_t>(in.gcount());
    auto starts = [&](const char* magic, std::size_t length) {
        return size >= length && std::memcmp(head, magic, length) == 0;
    };
    if (starts("\x89PNG\r\n\x1a\n", 8))
        return PicturePng;
    if (starts("\xff\xd8\xff", 3))
        return PictureJpeg;
    if (starts("GIF87a", 6) || starts("GIF89a", 6))
        return PictureGif;
    if (starts("BM", 2) && size >= 18)
        return PictureBmp;
    if (starts("\xd7\xcd\xc6\x9a", 4))
        return PictureWmf;
    if (starts("\x01\x00\x00\x00", 4) && size >= 44 && std::memcmp(head + 40, " EMF", 4) == 0)
        return PictureEmf;
    if (starts("\x00\x00\x01\x00", 4))
        return PictureIco;
    if (starts("II*\x00", 4) || starts("MM\x00*", 4))
        return PictureTiff;
    return PictureUnknown;
}

}  // namespace orv::platform
