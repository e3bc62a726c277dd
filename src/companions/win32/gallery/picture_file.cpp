#include "companions/win32/gallery/picture_file.h"

#include <algorithm>
#include <vector>

#include "platform/win32/wide_text.h"

namespace orv::companions {

namespace {

// Turns a camera picture upright as its EXIF orientation tag says.
void applyOrientation(Gdiplus::Bitmap& picture)
{
    constexpr PROPID orientationTag = 0x0112;
    const UINT size = picture.GetPropertyItemSize(orientationTag);
    if (size < sizeof(Gdiplus::PropertyItem))
        return;
    std::vector<unsigned char> buffer(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (picture.GetPropertyItem(orientationTag, size, item) != Gdiplus::Ok || item->type != PropertyTagTypeShort ||
        item->length < 2)
        return;
    using Gdiplus::RotateFlipType;
    static const RotateFlipType turns[] = {
        Gdiplus::RotateNoneFlipNone, Gdiplus::RotateNoneFlipNone, Gdiplus::RotateNoneFlipX,
        Gdiplus::Rotate180FlipNone,  Gdiplus::RotateNoneFlipY,    Gdiplus::Rotate90FlipX,
        Gdiplus::Rotate90FlipNone,   Gdiplus::Rotate270FlipX,     Gdiplus::Rotate270FlipNone};
    const unsigned short value = *static_cast<unsigned short*>(item->value);
    if (value >= 2 && value <= 8)
        picture.RotateFlip(turns[value]);
}

}  // namespace

SIZE fitWithin(SIZE picture, SIZE box)
{
    if (picture.cx <= 0 || picture.cy <= 0)
        return {1, 1};
    SIZE fit = picture;
    if (fit.cx > box.cx) {
        fit.cx = box.cx;
        fit.cy = MulDiv(picture.cy, box.cx, picture.cx);
    }
    if (fit.cy > box.cy) {
        fit.cy = box.cy;
        fit.cx = MulDiv(picture.cx, box.cy, picture.cy);
    }
    return {std::max<LONG>(fit.cx, 1), std::max<LONG>(fit.cy, 1)};
}

std::unique_ptr<Gdiplus::Bitmap> scaledCopy(Gdiplus::Image& picture, SIZE size)
{
    auto copy = std::make_unique<Gdiplus::Bitmap>(size.cx, size.cy, PixelFormat32bppPARGB);
    if (copy->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Graphics g(copy.get());
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
    g.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    // Tiles the edge pixels instead of blending the border with transparency.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    const Gdiplus::Status status =
        g.DrawImage(&picture, Gdiplus::Rect(0, 0, size.cx, size.cy), 0, 0, static_cast<INT>(picture.GetWidth()),
                    static_cast<INT>(picture.GetHeight()), Gdiplus::UnitPixel, &edges);
    return status == Gdiplus::Ok ? std::move(copy) : nullptr;
}

std::unique_ptr<Gdiplus::Bitmap> loadPicture(const std::string& file, SIZE limit)
{
    // GDI+ keeps the file open while the decoded picture lives: only until the copy is made.
    std::unique_ptr<Gdiplus::Bitmap> result;
    Gdiplus::Bitmap source(platform::widen(file).c_str());
    if (source.GetLastStatus() == Gdiplus::Ok && source.GetWidth() > 0 && source.GetHeight() > 0) {
        applyOrientation(source);
        const SIZE full{static_cast<LONG>(source.GetWidth()), static_cast<LONG>(source.GetHeight())};
        result = scaledCopy(source, fitWithin(full, limit));
    }
    return result;
}

}  // namespace orv::companions
