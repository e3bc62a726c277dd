#include "platform/host/picture_headers.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/pictures.h"

namespace orv::platform {

namespace {

// A few bytes (at most 64) read from a fixed position of the stream.
struct Bytes {
    std::array<unsigned char, 64> b{};
    bool ok = false;

    std::uint16_t le16(std::size_t at) const { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }
    std::int16_t sle16(std::size_t at) const { return static_cast<std::int16_t>(le16(at)); }
    std::uint32_t le32(std::size_t at) const
    {
        return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
               (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
    }
    std::int32_t sle32(std::size_t at) const { return static_cast<std::int32_t>(le32(at)); }
    std::uint16_t be16(std::size_t at) const { return static_cast<std::uint16_t>((b[at] << 8) | b[at + 1]); }
    std::uint32_t be32(std::size_t at) const
    {
        return (static_cast<std::uint32_t>(b[at]) << 24) | (static_cast<std::uint32_t>(b[at + 1]) << 16) |
               (static_cast<std::uint32_t>(b[at + 2]) << 8) | static_cast<std::uint32_t>(b[at + 3]);
    }
    bool is(std::size_t at, const char* text) const { return std::memcmp(b.data() + at, text, std::strlen(text)) == 0; }
};

Bytes readAt(std::istream& in, std::uint64_t offset, std::size_t n)
{
    Bytes bytes;
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    if (in) {
        in.read(reinterpret_cast<char*>(bytes.b.data()), static_cast<std::streamsize>(n));
        bytes.ok = in.gcount() == static_cast<std::streamsize>(n);
    }
    in.clear();
    return bytes;
}

bool validBmpHeaderSize(std::uint32_t size)
{
    return size == 12 || size == 16 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

bool isPlainWmf(const Bytes& h)
{
    std::uint16_t type = h.le16(0);
    std::uint16_t version = h.le16(4);
    return (type == 1 || type == 2) && h.le16(2) == 9 && (version == 0x0100 || version == 0x0300);
}

bool positive(long width, long height, int& outWidth, int& outHeight)
{
    if (width <= 0 || height <= 0 || width > 1000000 || height > 1000000)
        return false;
    outWidth = static_cast<int>(width);
    outHeight = static_cast<int>(height);
    return true;
}

long at96Dpi(long units, long unitsPerInch) { return (units * 96 + unitsPerInch / 2) / unitsPerInch; }

bool bmpSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 26);
    if (!h.ok || !validBmpHeaderSize(h.le32(14)))
        return false;
    if (h.le32(14) == 12)
        return positive(h.le16(18), h.le16(20), width, height);
    // Height is negative for pictures stored top row first.
    return positive(h.sle32(18), std::labs(static_cast<long>(h.sle32(22))), width, height);
}

bool gifSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 10);
    return h.ok && positive(h.le16(6), h.le16(8), width, height);
}

bool pngSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 24);
    if (!h.ok || !h.is(12, "IHDR") || h.be32(16) > 0x7FFFFFFF || h.be32(20) > 0x7FFFFFFF)
        return false;
    return positive(static_cast<long>(h.be32(16)), static_cast<long>(h.be32(20)), width, height);
}

bool placeableWmfSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 22);
    if (!h.ok)
        return false;
    long w = std::labs(static_cast<long>(h.sle16(10)) - h.sle16(6));
    long ht = std::labs(static_cast<long>(h.sle16(12)) - h.sle16(8));
    long inch = h.le16(14);
    return inch > 0 && positive(at96Dpi(w, inch), at96Dpi(ht, inch), width, height);
}

bool plainWmfSize(std::istream& in, int& width, int& height)
{
    // The window extent is set by a record near the start; look through the first records.
    const std::uint16_t setWindowExt = 0x020C;
    std::uint64_t offset = 18;
    for (int record = 0; record < 1024; ++record) {
        auto r = readAt(in, offset, 10);
        if (!r.ok)
            return false;
        std::uint32_t words = r.le32(0);
        std::uint16_t function = r.le16(4);
        if (function == 0 || words < 3)
            return false;
        if (function == setWindowExt)
            return positive(std::labs(static_cast<long>(r.sle16(8))), std::labs(static_cast<long>(r.sle16(6))),
                            width, height);
        offset += static_cast<std::uint64_t>(words) * 2;
    }
    return false;
}

bool emfSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 44);
    if (!h.ok)
        return false;
    // The frame is in hundredths of a millimetre; the bounds are device pixels.
    long frameWidth = static_cast<long>(h.sle32(32)) - h.sle32(24);
    long frameHeight = static_cast<long>(h.sle32(36)) - h.sle32(28);
    if (frameWidth > 0 && frameHeight > 0)
        return positive(at96Dpi(frameWidth, 2540), at96Dpi(frameHeight, 2540), width, height);
    long boundsWidth = static_cast<long>(h.sle32(16)) - h.sle32(8) + 1;
    long boundsHeight = static_cast<long>(h.sle32(20)) - h.sle32(12) + 1;
    return positive(boundsWidth, boundsHeight, width, height);
}

bool icoSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 22);
    if (!h.ok || h.le16(4) == 0)
        return false;
    // A stored 0 means 256 pixels.
    return positive(h.b[6] ? h.b[6] : 256, h.b[7] ? h.b[7] : 256, width, height);
}

bool tiffSize(std::istream& in, int& width, int& height)
{
    auto h = readAt(in, 0, 8);
    if (!h.ok)
        return false;
    bool little = h.b[0] == 'I';
    auto u16 = [&](const auto& bytes, std::size_t at) { return little ? bytes.le16(at) : bytes.be16(at); };
    auto u32 = [&](const auto& bytes, std::size_t at) { return little ? bytes.le32(at) : bytes.be32(at); };
    std::uint32_t ifd = u32(h, 4);
    auto count = readAt(in, ifd, 2);
    if (!count.ok)
        return false;
    long w = 0, ht = 0;
    std::uint16_t entries = u16(count, 0);
    for (std::uint16_t i = 0; i < entries && i < 512; ++i) {
        auto e = readAt(in, static_cast<std::uint64_t>(ifd) + 2 + 12u * i, 12);
        if (!e.ok)
            return false;
        std::uint16_t tag = u16(e, 0);
        std::uint16_t type = u16(e, 2);
        long value = type == 3 ? u16(e, 8) : type == 4 ? static_cast<long>(u32(e, 8) & 0x7FFFFFFF) : 0;
        if (tag == 256)
            w = value;
        else if (tag == 257)
            ht = value;
    }
    return positive(w, ht, width, height);
}

}  // namespace

int pictureTypeOf(std::istream& in)
{
    // Short files are read as far as they go; the missing bytes stay zero, which no
    // signature below accepts.
    Bytes h;
    in.clear();
    in.seekg(0);
    in.read(reinterpret_cast<char*>(h.b.data()), 44);
    auto got = in.gcount();
    in.clear();
    if (got < 4)
        return PictureUnknown;
    if (h.b[0] == 0xFF && h.b[1] == 0xD8 && h.b[2] == 0xFF)
        return PictureJpeg;
    if (h.is(0, "\x89PNG\r\n\x1a\n"))
        return PicturePng;
    if (h.is(0, "GIF87a") || h.is(0, "GIF89a"))
        return PictureGif;
    if (h.b[0] == 'B' && h.b[1] == 'M' && validBmpHeaderSize(h.le32(14)))
        return PictureBmp;
    if (h.le32(0) == 0x9AC6CDD7 || isPlainWmf(h))
        return PictureWmf;
    if (h.le32(0) == 1 && h.is(40, " EMF"))
        return PictureEmf;
    if (h.le16(0) == 0 && h.le16(2) == 1 && h.le16(4) > 0)
        return PictureIco;
    if (h.is(0, "II*") && h.b[3] == 0)
        return PictureTiff;
    if (h.is(0, "MM") && h.b[2] == 0 && h.b[3] == '*')
        return PictureTiff;
    return PictureUnknown;
}

bool pictureSizeOf(std::istream& in, int type, int& width, int& height)
{
    switch (type) {
    case PictureBmp:
        return bmpSize(in, width, height);
    case PictureGif:
        return gifSize(in, width, height);
    case PicturePng:
        return pngSize(in, width, height);
    case PictureWmf:
        return readAt(in, 0, 4).le32(0) == 0x9AC6CDD7 ? placeableWmfSize(in, width, height)
                                                      : plainWmfSize(in, width, height);
    case PictureEmf:
        return emfSize(in, width, height);
    case PictureIco:
        return icoSize(in, width, height);
    case PictureTiff:
        return tiffSize(in, width, height);
    default:
        return false;
    }
}

}  // namespace orv::platform
