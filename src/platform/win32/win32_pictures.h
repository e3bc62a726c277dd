// Picture facts for the medium's programs. They draw pictures through GDI+, which reads
// sizes and colour systems itself, so only the type is told here (from the file's first
// bytes); sizes and JPEG colour systems are answered as unknown.
#pragma once

#include "platform/pictures.h"

namespace orv::platform {

class Win32Pictures final : public Pictures {
public:
    int GetPictureFileType(const std::string& file) const override;
    int GetJPEGColorSystem(const std::string&) const override { return JpegUnknown; }
    bool GetPictureFileDimensions(const std::string&, int&, int&) const override { return false; }
};

}  // namespace orv::platform
