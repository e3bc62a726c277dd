// How much of a pixel a rectangle with rounded corners covers, measured with 4 x 4 samples
// per pixel: the antialiasing of the button bodies' corners.
#pragma once

namespace orv::shell {

constexpr int FullCoverage = 16;

struct RoundedBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom one past the last pixel
    int radius = 0;

    // Samples of pixel (x, y) inside the box, 0 .. FullCoverage.
    int coverage(int x, int y) const;
    // The box made smaller by d pixels on every side, with the radius reduced alike.
    RoundedBox inset(int d) const;
};

}  // namespace orv::shell
