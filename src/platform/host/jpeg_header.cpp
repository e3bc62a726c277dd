#include "platform/host/jpeg_header.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/pictures.h"

namespace orv::platform {

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leaveOnError(j_common_ptr info)
{
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    std::longjmp(trap->jump, 1);
}

void stayQuiet(j_common_ptr) {}

int colorSystemOf(J_COLOR_SPACE space)
{
    switch (space) {
    case JCS_GRAYSCALE:
        return JpegGrayscale;
    case JCS_RGB:
        return JpegRgb;
    case JCS_YCbCr:
        return JpegYCbCr;
    case JCS_CMYK:
    case JCS_YCCK:  // CMYK stored with a colour transform: still a CMYK picture
        return JpegCmyk;
    default:
        return JpegUnknown;
    }
}

// Plain C-style body: nothing with a destructor lives across setjmp.
bool readHeader(std::FILE* file, JpegFacts& facts)
{
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnError;
    trap.manager.output_message = stayQuiet;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    // A cut-off stream makes libjpeg insert an end marker and warn; such a header is damaged.
    if (ok && trap.manager.num_warnings == 0) {
        facts.width = static_cast<int>(info.image_width);
        facts.height = static_cast<int>(info.image_height);
        facts.colorSystem = colorSystemOf(info.jpeg_color_space);
    } else {
        ok = false;
    }
    jpeg_destroy_decompress(&info);
    return ok;
}

}  // namespace

bool readJpegHeader(const std::filesystem::path& file, JpegFacts& facts)
{
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return false;
    bool ok = readHeader(in, facts);
    std::fclose(in);
    return ok && facts.width > 0 && facts.height > 0;
}

}  // namespace orv::platform
