// Picture and sound files for the tab tests: real headers, so the host's picture services
// read them as a user's files.
#pragma once

#include <cstddef>
#include <string>

namespace orv::test {

// A 24-bit Windows bitmap of the given size (header and pixels).
std::string bmpFile(int width, int height);

// A JPEG made with libjpeg, stored in RGB (YCbCr) or CMYK.
std::string jpegFile(bool cmyk, int width = 8, int height = 8);

// Bytes that stand for a sound file of the given size.
std::string soundFile(std::size_t size);

}  // namespace orv::test
