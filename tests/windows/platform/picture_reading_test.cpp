// Pictures read with GDI+ (loaded at the first picture): a bitmap at its own size as 32-bit
// ARGB rows from the top, a metafile drawn at the size asked for, nothing for a file that
// is missing or no picture.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/win32/gdiplus_library.h"

namespace orv::platform {
namespace {

using gdiplus_library::readPicture;

std::uint32_t pixel(const gdiplus_library::Picture& p, int x, int y)
{
    return p.pixels.at(static_cast<std::size_t>(y) * p.width + x);
}

std::wstring tempFile(const wchar_t* name)
{
    return (std::filesystem::temp_directory_path() / name).wstring();
}

TEST(GdiplusPictures, BitmapRowsTopDownMetafileAtTheAskedSizeAndNothingForNoPicture)
{
    // 3 x 2 pixels, 24 bits, stored bottom-up in rows padded to 12 bytes; the top row is
    // red, green, blue and the bottom row white, black, grey.
    const unsigned char bmp[] = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                       // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,  // info header
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                         //
        255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0,                         // bottom row (BGR)
        0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};                              // top row
    const std::wstring bmpFile = tempFile(L"orvanto-picture-test.bmp");
    std::ofstream(std::filesystem::path(bmpFile), std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    const auto read = readPicture(bmpFile, 50, 50);  // the size counts for metafiles only
    ASSERT_EQ(read.width, 3);
    ASSERT_EQ(read.height, 2);
    EXPECT_EQ(read.pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000,
                                                       0xFF808080}));

    const std::wstring emfFile = tempFile(L"orvanto-picture-test.emf");
    HDC dc = CreateEnhMetaFileW(nullptr, emfFile.c_str(), nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    const RECT all{0, 0, 200, 100};
    FillRect(dc, &all, blue);
    DeleteObject(blue);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
    const auto drawn = readPicture(emfFile, 40, 20);
    ASSERT_EQ(drawn.width, 40);
    ASSERT_EQ(drawn.height, 20);
    EXPECT_EQ(pixel(drawn, 20, 10) & 0xFFFFFF, 0x0000FFu);  // blue in the middle

    std::ofstream(std::filesystem::path(tempFile(L"orvanto-picture-test.png"))) << "no picture";
    for (const wchar_t* name : {L"orvanto-picture-test.png", L"orvanto-picture-missing.jpg"}) {
        const auto none = readPicture(tempFile(name), 0, 0);
        EXPECT_EQ(none.width, 0);
        EXPECT_TRUE(none.pixels.empty());
    }
}

}  // namespace
}  // namespace orv::platform
