#include "shell/look/picture.h"

#include <algorithm>

namespace orv::shell {

namespace {

std::uint32_t channel(std::uint32_t p, int shift) { return p >> shift & 0xFF; }

// The weighted mean of four pixels; weights in 1/256 along x and y.
std::uint32_t bilinear(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t fx,
                       std::uint32_t fy)
{
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        const std::uint32_t top = channel(a, shift) * (256 - fx) + channel(b, shift) * fx;
        const std::uint32_t bottom = channel(c, shift) * (256 - fx) + channel(d, shift) * fx;
        out |= ((top * (256 - fy) + bottom * fy + 32768) >> 16) << shift;
    }
    return out;
}

}  // namespace

Bitmap scaledPicture(const Bitmap& picture, int width, int height)
{
    Bitmap out;
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0)
        return out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    const auto source = [&](int x, int y) {
        return picture.pixels[static_cast<std::size_t>(std::clamp(y, 0, picture.height - 1)) * picture.width +
                              std::clamp(x, 0, picture.width - 1)];
    };
    for (int y = 0; y < height; ++y) {
        // Pixel centres mapped onto the source, in 1/256 of a pixel.
        const long long sy = (static_cast<long long>(2 * y + 1) * picture.height * 128) / height - 128;
        const int y0 = static_cast<int>(sy >= 0 ? sy / 256 : -1);
        const auto fy = static_cast<std::uint32_t>(sy - y0 * 256LL);
        for (int x = 0; x < width; ++x) {
            const long long sx = (static_cast<long long>(2 * x + 1) * picture.width * 128) / width - 128;
            const int x0 = static_cast<int>(sx >= 0 ? sx / 256 : -1);
            const auto fx = static_cast<std::uint32_t>(sx - x0 * 256LL);
            out.pixels[static_cast<std::size_t>(y) * width + x] =
                bilinear(source(x0, y0), source(x0 + 1, y0), source(x0, y0 + 1), source(x0 + 1, y0 + 1), fx, fy);
        }
    }
    return out;
}

void makeTransparent(Bitmap& picture, WinColour colour)
{
    // Windows colours keep red in the low byte; bitmap pixels keep blue there.
    const std::uint32_t rgb = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
    for (std::uint32_t& p : picture.pixels)
        if ((p & 0xFFFFFF) == rgb)
            p = 0;
}

void drawPicture(Bitmap& target, const Bitmap& picture, int x, int y, const Rect& clip)
{
    const int left = std::max({x, clip.x, 0}), top = std::max({y, clip.y, 0});
    const int right = std::min({x + picture.width, clip.right(), target.width});
    const int bottom = std::min({y + picture.height, clip.bottom(), target.height});
    for (int ty = top; ty < bottom; ++ty)
        for (int tx = left; tx < right; ++tx) {
            const std::uint32_t p = picture.pixels[static_cast<std::size_t>(ty - y) * picture.width + (tx - x)];
            std::uint32_t& d = target.pixels[static_cast<std::size_t>(ty) * target.width + tx];
            const std::uint32_t a = p >> 24;
            if (a == 255) {
                d = p;
            } else if (a != 0) {
                std::uint32_t mixed = d & 0xFF000000u;
                for (int shift = 0; shift <= 16; shift += 8)
                    mixed |= ((channel(p, shift) * a + channel(d, shift) * (255 - a) + 127) / 255) << shift;
                d = mixed;
            }
        }
}

void placeBackgroundPicture(Bitmap& background, const Bitmap& picture, const BackgroundPicture& options,
                            int titleBandBottom)
{
    if (picture.width <= 0 || picture.height <= 0)
        return;
    Rect clip{0, 0, background.width, background.height};
    if (options.userPosition) {
        drawPicture(background, picture, options.x, options.y, clip);
    } else if (options.pattern) {
        for (int y = 0; y < background.height; y += picture.height)
            for (int x = 0; x < background.width; x += picture.width)
                drawPicture(background, picture, x, y, clip);
    } else if (options.stretch) {
        drawPicture(background, scaledPicture(picture, background.width, background.height), 0, 0, clip);
    } else {
        if (options.behindTitle)
            clip.height = std::clamp(titleBandBottom, 0, background.height);
        drawPicture(background, picture, 0, 0, clip);
    }
}

}  // namespace orv::shell
