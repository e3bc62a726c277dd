#include "tab_test_files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace orv::test {

namespace {

std::string le16(int v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string le32(std::int64_t v)
{
    return le16(static_cast<int>(v & 0xFFFF)) + le16(static_cast<int>((v >> 16) & 0xFFFF));
}

}  // namespace

std::string bmpFile(int width, int height)
{
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const std::int64_t pixels = static_cast<std::int64_t>(rowSize) * height;
    std::string header = "BM" + le32(54 + pixels) + le32(0) + le32(54) + le32(40);
    header += le32(width) + le32(height) + le16(1) + le16(24) + le32(0) + le32(pixels);
    header += le32(2835) + le32(2835) + le32(0) + le32(0);
    return header + std::string(static_cast<size_t>(pixels), '\x40');
}

std::string jpegFile(bool cmyk, int width, int height)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    c.input_components = cmyk ? 4 : 3;
    c.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, cmyk ? JCS_CMYK : JCS_YCbCr);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width * c.input_components), 128);
    while (c.next_scanline < c.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&c);
    std::free(buffer);
    return bytes;
}

std::string soundFile(std::size_t size)
{
    std::string bytes = "RIFF";
    bytes.resize(size, '\0');
    return bytes;
}

}  // namespace orv::test
