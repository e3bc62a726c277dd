#include "platform/host/jpeg_header.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "platform/host/library_functions.h"
#include "platform/pictures.h"

namespace orv::platform {

namespace {

// libjpeg's functions in use, loaded with the first JPEG header read (most editor sessions
// read none): jpeglib.h gives their types, the library is found by its versioned name.
struct LibJpeg {
    decltype(&jpeg_std_error) stdError = nullptr;
    decltype(&jpeg_CreateDecompress) createDecompress = nullptr;
    decltype(&jpeg_stdio_src) stdioSource = nullptr;
    decltype(&jpeg_read_header) readHeader = nullptr;
    decltype(&jpeg_destroy_decompress) destroyDecompress = nullptr;
    bool ready = false;

    LibJpeg()
    {
#if JPEG_LIB_VERSION >= 80
        void* module = openLibrary("libjpeg.so.8");
#elif JPEG_LIB_VERSION >= 70
        void* module = openLibrary("libjpeg.so.7");
#else
        void* module = openLibrary("libjpeg.so.62");
#endif
        if (!module)
            return;
        const auto find = [module](auto& function, const char* symbol) { return findFunction(module, function, symbol); };
        ready = find(stdError, "jpeg_std_error") && find(createDecompress, "jpeg_CreateDecompress") &&
                find(stdioSource, "jpeg_stdio_src") && find(readHeader, "jpeg_read_header") &&
                find(destroyDecompress, "jpeg_destroy_decompress");
    }
};

const LibJpeg& libJpeg()
{
    static const LibJpeg loaded;
    return loaded;
}

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
bool readHeader(const LibJpeg& jpeg, std::FILE* file, JpegFacts& facts)
{
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg.stdError(&trap.manager);
    trap.manager.error_exit = leaveOnError;
    trap.manager.output_message = stayQuiet;
    if (setjmp(trap.jump)) {
        jpeg.destroyDecompress(&info);
        return false;
    }
    jpeg.createDecompress(&info, JPEG_LIB_VERSION, sizeof info);
    jpeg.stdioSource(&info, file);
    bool ok = jpeg.readHeader(&info, TRUE) == JPEG_HEADER_OK;
    // A cut-off stream makes libjpeg insert an end marker and warn; such a header is damaged.
    if (ok && trap.manager.num_warnings == 0) {
        facts.width = static_cast<int>(info.image_width);
        facts.height = static_cast<int>(info.image_height);
        facts.colorSystem = colorSystemOf(info.jpeg_color_space);
    } else {
        ok = false;
    }
    jpeg.destroyDecompress(&info);
    return ok;
}

}  // namespace

bool readJpegHeader(const std::filesystem::path& file, JpegFacts& facts)
{
    const LibJpeg& jpeg = libJpeg();
    if (!jpeg.ready)
        return false;
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return false;
    bool ok = readHeader(jpeg, in, facts);
    std::fclose(in);
    return ok && facts.width > 0 && facts.height > 0;
}

}  // namespace orv::platform
