#include "tab_test_files.h"

#include <cstdint>

#include "support/jpeg_bytes.h"

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
    return cmyk ? jpegBytes(JCS_CMYK, 4, JCS_CMYK, width, height) : jpegBytes(JCS_RGB, 3, JCS_YCbCr, width, height);
}

}  // namespace orv::test
