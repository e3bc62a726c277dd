// Picture types, JPEG colour systems and picture sizes read from file headers, including
// damaged and cut-off files.
#include <cstdint>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "platform/services.h"
#include "support/jpeg_bytes.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

std::string le16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string le32(std::int64_t v) { return le16(static_cast<int>(v & 0xFFFF)) + le16(static_cast<int>((v >> 16) & 0xFFFF)); }
std::string be32(std::uint32_t v)
{
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string bmp(int width, int height, int infoSize = 40)
{
    std::string h = "BM" + le32(54 + 4) + le32(0) + le32(54) + le32(infoSize);
    if (infoSize == 12)
        return h + le16(width) + le16(height) + le16(1) + le16(24) + std::string(8, '\0');
    return h + le32(width) + le32(height) + le16(1) + le16(24) + std::string(24, '\0') + std::string(4, '\0');
}

std::string gif(int width, int height) { return "GIF89a" + le16(width) + le16(height) + std::string(3, '\0') + ";"; }

std::string png(std::uint32_t width, std::uint32_t height)
{
    return std::string("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           std::string("\x08\x02\0\0\0", 5) + be32(0);
}

std::string placeableWmf(int left, int top, int right, int bottom, int inch)
{
    return le32(0x9AC6CDD7) + le16(0) + le16(left) + le16(top) + le16(right) + le16(bottom) + le16(inch) + le32(0) +
           le16(0);
}

// A plain metafile: header, a SetMapMode record, the SetWindowExt record, the end record.
std::string plainWmf(int width, int height)
{
    std::string header = le16(1) + le16(9) + le16(0x0300) + le32(0) + le16(0) + le32(0) + le16(0);
    std::string mapMode = le32(4) + le16(0x0103) + le16(8);
    std::string windowExt = le32(5) + le16(0x020C) + le16(height) + le16(width);
    std::string end = le32(3) + le16(0);
    return header + mapMode + windowExt + end;
}

std::string emf(int frameRight, int frameBottom)
{
    std::string h = le32(1) + le32(88);
    h += le32(0) + le32(0) + le32(99) + le32(49);                // bounds (pixels)
    h += le32(0) + le32(0) + le32(frameRight) + le32(frameBottom);  // frame (0.01 mm)
    h += " EMF";
    h += std::string(44, '\0');
    return h;
}

std::string ico(int width, int height)
{
    return le16(0) + le16(1) + le16(1) + std::string{static_cast<char>(width), static_cast<char>(height)} +
           std::string(14, '\0');
}

std::string tiff(int width, int height)
{
    std::string h = "II*" + std::string(1, '\0') + le32(8) + le16(2);
    h += le16(256) + le16(3) + le32(1) + le16(width) + le16(0);
    h += le16(257) + le16(4) + le32(1) + le32(height);
    return h + le32(0);
}

// A real JPEG of 17 x 9 pixels unless told.
std::string jpeg(J_COLOR_SPACE input, int components, J_COLOR_SPACE stored, int width = 17, int height = 9)
{
    return test::jpegBytes(input, components, stored, width, height);
}

class PicturesTest : public test::HomeTest {
protected:
    int type(const std::string& bytes) { return services().pictures->GetPictureFileType(home.writeFile("p", bytes)); }
    std::pair<int, int> size(const std::string& bytes)
    {
        int w = -1, h = -1;
        if (!services().pictures->GetPictureFileDimensions(home.writeFile("p", bytes), w, h))
            return {-1, -1};
        return {w, h};
    }
};

TEST_F(PicturesTest, TypeAndSizeComeFromTheHeader)
{
    struct Case {
        const char* what;
        std::string bytes;
        int type;
        std::pair<int, int> size;
    };
    const Case cases[] = {
        {"bmp", bmp(640, 480), PictureBmp, {640, 480}},
        {"top-down bmp", bmp(640, -480), PictureBmp, {640, 480}},
        {"OS/2 bmp", bmp(32, 16, 12), PictureBmp, {32, 16}},
        {"gif", gif(320, 200), PictureGif, {320, 200}},
        {"png", png(1920, 1080), PicturePng, {1920, 1080}},
        {"jpeg", jpeg(JCS_RGB, 3, JCS_YCbCr, 33, 21), PictureJpeg, {33, 21}},
        {"ico", ico(48, 32), PictureIco, {48, 32}},
        {"ico of 256 (stored as 0)", ico(0, 0), PictureIco, {256, 256}},
        {"tiff", tiff(300, 70000), PictureTiff, {300, 70000}},
        // Metafiles in screen pixels at 96 per inch: 2 by 1 inch at 1440 units per inch.
        {"placeable wmf", placeableWmf(0, 0, 2880, 1440, 1440), PictureWmf, {192, 96}},
        {"placeable wmf, reversed box", placeableWmf(100, 100, -188, 4, 96), PictureWmf, {288, 96}},
        {"plain wmf", plainWmf(800, 600), PictureWmf, {800, 600}},
        {"emf of 50.8 by 25.4 mm", emf(5080, 2540), PictureEmf, {192, 96}},
        {"emf with an empty frame: the bounds", emf(0, 0), PictureEmf, {100, 50}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(type(c.bytes), c.type) << c.what;
        EXPECT_EQ(size(c.bytes), c.size) << c.what;
    }
    const Pictures& pictures = *services().pictures;
    EXPECT_EQ(pictures.GetPictureFileType(home.writeFile("looks.jpg", png(4, 4))), PicturePng) << "not the name";
    EXPECT_EQ(type(std::string("MM\0*", 4) + le32(0)), PictureTiff);
    for (const std::string& bytes : {std::string(), std::string("BM"), std::string("BM a text file that starts with BM"),
                                     std::string("plain text, nothing else")})
        EXPECT_EQ(type(bytes), PictureUnknown) << bytes;
    EXPECT_EQ(pictures.GetPictureFileType(home.win("missing.png")), PictureUnknown);
    EXPECT_EQ(pictures.GetPictureFileType(home.win("Documents")), PictureUnknown);
}

TEST_F(PicturesTest, JpegColourSystemThroughLibjpeg)
{
    const std::tuple<J_COLOR_SPACE, int, J_COLOR_SPACE, int> cases[] = {
        {JCS_RGB, 3, JCS_YCbCr, JpegYCbCr}, {JCS_CMYK, 4, JCS_CMYK, JpegCmyk},
        {JCS_CMYK, 4, JCS_YCCK, JpegCmyk},  // YCCK is a CMYK picture
        {JCS_GRAYSCALE, 1, JCS_GRAYSCALE, JpegGrayscale}, {JCS_RGB, 3, JCS_RGB, JpegRgb}};
    for (const auto& [input, components, stored, system] : cases)
        EXPECT_EQ(services().pictures->GetJPEGColorSystem(home.writeFile("p.jpg", jpeg(input, components, stored))), system)
            << stored;
    EXPECT_EQ(services().pictures->GetJPEGColorSystem(home.writeFile("p.png", png(1, 1))), JpegUnknown);
}

TEST_F(PicturesTest, DamagedAndCutOffPicturesGiveNoSize)
{
    const std::string full = jpeg(JCS_RGB, 3, JCS_YCbCr);
    EXPECT_EQ(services().pictures->GetJPEGColorSystem(home.writeFile("cut.jpg", full.substr(0, 40))), JpegUnknown);
    std::string looping = plainWmf(1, 1);
    looping.replace(18, 4, le32(0));  // a record of size 0 would never advance
    const std::pair<std::string, const char*> cases[] = {
        {full.substr(0, 3), "JPEG cut at 3"}, {full.substr(0, 20), "JPEG cut at 20"},
        {full.substr(0, 100), "JPEG cut at 100"}, {full.substr(0, 150), "JPEG cut at 150"},
        {std::string("\xFF\xD8\xFF", 3) + std::string(200, 'x'), "JPEG without segments"},
        {png(5, 5).substr(0, 20), "cut png"}, {png(0, 5), "png of width 0"}, {png(0x80000000u, 5), "png too wide"},
        {gif(0, 0), "gif of 0 by 0"}, {bmp(64, 64).substr(0, 20), "cut bmp"},
        {placeableWmf(0, 0, 100, 100, 0), "zero units per inch"}, {plainWmf(800, 600).substr(0, 30), "cut wmf"},
        {looping, "wmf record of size 0"}, {tiff(3, 5).substr(0, 14), "cut tiff"},
        {"II*" + std::string(1, '\0') + le32(0x7FFFFFF0), "tiff directory far away"},
        {"not a picture at all", "text"},
    };
    for (const auto& [bytes, what] : cases)
        EXPECT_EQ(size(bytes), std::make_pair(-1, -1)) << what;
}

}  // namespace
}  // namespace orv::platform
