// Picture files for the tab tests: real headers, so the host's picture services read them
// as a user's files.
#pragma once

#include <string>

namespace orv::test {

// A 24-bit Windows bitmap of the given size (header and pixels).
std::string bmpFile(int width, int height);

// A JPEG made with libjpeg, stored in RGB (YCbCr) or CMYK.
std::string jpegFile(bool cmyk, int width = 8, int height = 8);

}  // namespace orv::test
