#include "platform/host/host_pictures.h"

#include <fstream>

#include "platform/file_system.h"
#include "platform/host/jpeg_header.h"
#include "platform/host/picture_headers.h"

namespace orv::platform {

int HostPictures::GetPictureFileType(const std::string& file) const
{
    std::ifstream in(files_.hostPath(file), std::ios::binary);
    return in ? pictureTypeOf(in) : PictureUnknown;
}

int HostPictures::GetJPEGColorSystem(const std::string& file) const
{
    if (GetPictureFileType(file) != PictureJpeg)
        return JpegUnknown;
    JpegFacts facts;
    return readJpegHeader(files_.hostPath(file), facts) ? facts.colorSystem : JpegUnknown;
}

bool HostPictures::GetPictureFileDimensions(const std::string& file, int& width, int& height) const
{
    std::filesystem::path path = files_.hostPath(file);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    int type = pictureTypeOf(in);
    if (type == PictureJpeg) {
        JpegFacts facts;
        if (!readJpegHeader(path, facts))
            return false;
        width = facts.width;
        height = facts.height;
        return true;
    }
    int w = 0, h = 0;
    if (!pictureSizeOf(in, type, w, h))
        return false;
    width = w;
    height = h;
    return true;
}

}  // namespace orv::platform
