// Real JPEG files made with libjpeg, for tests that read pictures the way a user's files are.
#pragma once

#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace orv::test {

// A flat grey picture of the given size: `components` samples per pixel in the input colour
// space, stored in the given JPEG colour space.
std::string jpegBytes(J_COLOR_SPACE input, int components, J_COLOR_SPACE stored, int width, int height);

}  // namespace orv::test
