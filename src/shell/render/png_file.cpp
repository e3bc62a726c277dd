#include "shell/render/png_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace orv::shell {

namespace {

const std::array<std::uint32_t, 256>& crcTable()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : typed)
        crc = crcTable()[(crc ^ c) & 0xFF] ^ (crc >> 8);
    out += typed;
    putBigEndian(out, crc ^ 0xFFFFFFFFu);
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string storedZlib(const std::string& raw)
{
    std::string out = "\x78\x01";
    constexpr std::size_t MaxBlock = 65535;
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(MaxBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8 & 0xFF);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>(~length >> 8 & 0xFF);
        out.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, b << 16 | a);
    return out;
}

}  // namespace

std::string encodePng(const Bitmap& picture)
{
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(picture.width));
    putBigEndian(header, static_cast<std::uint32_t>(picture.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace

    std::string raw;
    raw.reserve(static_cast<std::size_t>(picture.height) * (1 + 3 * static_cast<std::size_t>(picture.width)));
    for (int y = 0; y < picture.height; ++y) {
        raw += '\0';  // no filter on this row
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            raw += static_cast<char>(p >> 16 & 0xFF);
            raw += static_cast<char>(p >> 8 & 0xFF);
            raw += static_cast<char>(p & 0xFF);
        }
    }

    std::string png = "\x89PNG\r\n\x1a\n";
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", storedZlib(raw));
    putChunk(png, "IEND", {});
    return png;
}

bool writePngFile(const Bitmap& picture, const std::string& hostPath)
{
    const std::u8string name(hostPath.begin(), hostPath.end());
    std::ofstream out(std::filesystem::path(name), std::ios::binary | std::ios::trunc);
    const std::string bytes = encodePng(picture);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace orv::shell
