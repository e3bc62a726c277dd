#include "platform/win32/gdiplus_library.h"

#include <algorithm>
#include <type_traits>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace orv::platform::gdiplus_library {

namespace {

using namespace Gdiplus;
namespace Flat = Gdiplus::DllExports;

// The functions of gdiplus.dll in use, with GDI+ started; it runs for the program's life
// (the process ends without shutting it down, as nothing it made outlives a call).
struct Library {
    decltype(&GdiplusStartup) startup = nullptr;
    decltype(&Flat::GdipLoadImageFromFile) loadImage = nullptr;
    decltype(&Flat::GdipGetImageType) imageType = nullptr;
    decltype(&Flat::GdipGetImageWidth) imageWidth = nullptr;
    decltype(&Flat::GdipGetImageHeight) imageHeight = nullptr;
    decltype(&Flat::GdipCreateBitmapFromScan0) createBitmap = nullptr;
    decltype(&Flat::GdipGetImageGraphicsContext) graphicsOf = nullptr;
    decltype(&Flat::GdipSetInterpolationMode) setInterpolation = nullptr;
    decltype(&Flat::GdipDrawImageRectI) drawImage = nullptr;
    decltype(&Flat::GdipDeleteGraphics) deleteGraphics = nullptr;
    decltype(&Flat::GdipDisposeImage) disposeImage = nullptr;
    decltype(&Flat::GdipBitmapLockBits) lockBits = nullptr;
    decltype(&Flat::GdipBitmapUnlockBits) unlockBits = nullptr;
    bool ready = false;

    Library()
    {
        HMODULE module = LoadLibraryExW(L"gdiplus.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module)
            module = LoadLibraryW(L"gdiplus.dll");  // systems without the search flag
        if (!module)
            return;
        const auto find = [module](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                reinterpret_cast<void*>(GetProcAddress(module, name)));
            return function != nullptr;
        };
        const bool found = find(startup, "GdiplusStartup") && find(loadImage, "GdipLoadImageFromFile") &&
                           find(imageType, "GdipGetImageType") && find(imageWidth, "GdipGetImageWidth") &&
                           find(imageHeight, "GdipGetImageHeight") && find(createBitmap, "GdipCreateBitmapFromScan0") &&
                           find(graphicsOf, "GdipGetImageGraphicsContext") &&
                           find(setInterpolation, "GdipSetInterpolationMode") && find(drawImage, "GdipDrawImageRectI") &&
                           find(deleteGraphics, "GdipDeleteGraphics") && find(disposeImage, "GdipDisposeImage") &&
                           find(lockBits, "GdipBitmapLockBits") && find(unlockBits, "GdipBitmapUnlockBits");
        ULONG_PTR token = 0;
        const GdiplusStartupInput input;
        ready = found && startup(&token, &input, nullptr) == Ok;
    }
};

const Library& library()
{
    static const Library loaded;
    return loaded;
}

// A picture of pixels, at its own size, converted by GDI+ to 32-bit ARGB (the layout of
// Picture) and copied row by row: no drawing, which would cost a resampling pass.
bool copyPixels(const Library& gdiplus, GpImage* image, Picture& picture)
{
    auto* bitmap = static_cast<GpBitmap*>(image);
    const Rect all(0, 0, picture.width, picture.height);
    BitmapData data{};
    if (gdiplus.lockBits(bitmap, &all, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok)
        return false;
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        std::copy(row, row + picture.width, picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width);
    }
    gdiplus.unlockBits(bitmap, &data);
    return true;
}

// A metafile drawn at the picture's size straight into its pixels: GDI+ draws into memory
// it is given.
bool drawMetafile(const Library& gdiplus, GpImage* image, Picture& picture)
{
    GpBitmap* target = nullptr;
    GpGraphics* graphics = nullptr;
    bool drawn = gdiplus.createBitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(picture.pixels.data()), &target) == Ok &&
                 gdiplus.graphicsOf(target, &graphics) == Ok;
    if (drawn) {
        gdiplus.setInterpolation(graphics, InterpolationModeHighQualityBicubic);
        drawn = gdiplus.drawImage(graphics, image, 0, 0, picture.width, picture.height) == Ok;
    }
    if (graphics)
        gdiplus.deleteGraphics(graphics);
    if (target)
        gdiplus.disposeImage(target);
    return drawn;
}

}  // namespace

Picture readPicture(const std::wstring& file, int metafileWidth, int metafileHeight)
{
    const Library& gdiplus = library();
    Picture picture;
    GpImage* image = nullptr;
    if (!gdiplus.ready || gdiplus.loadImage(file.c_str(), &image) != Ok || !image)
        return picture;
    UINT width = 0, height = 0;
    ImageType type = ImageTypeUnknown;
    if (gdiplus.imageWidth(image, &width) == Ok && gdiplus.imageHeight(image, &height) == Ok &&
        gdiplus.imageType(image, &type) == Ok && width > 0 && height > 0) {
        const bool metafile = type == ImageTypeMetafile;
        picture.width = metafile && metafileWidth > 0 ? metafileWidth : static_cast<int>(width);
        picture.height = metafile && metafileHeight > 0 ? metafileHeight : static_cast<int>(height);
        picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
        if (!(metafile ? drawMetafile(gdiplus, image, picture) : copyPixels(gdiplus, image, picture)))
            picture = Picture{};
    }
    gdiplus.disposeImage(image);
    return picture;
}

}  // namespace orv::platform::gdiplus_library
