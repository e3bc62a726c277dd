// Picture facts of files addressed by Windows-form paths.
#pragma once

#include "platform/pictures.h"

namespace orv::platform {

class FileSystem;

class HostPictures final : public Pictures {
public:
    explicit HostPictures(const FileSystem& files) : files_(files) {}

    int GetPictureFileType(const std::string& file) const override;
    int GetJPEGColorSystem(const std::string& file) const override;
    bool GetPictureFileDimensions(const std::string& file, int& width, int& height) const override;

private:
    const FileSystem& files_;
};

}  // namespace orv::platform
