// The upper halves (bytes 0x80-0xFF) of the built-in ANSI code pages.
#pragma once

namespace orv::detail {

// The table of a code page, or nullptr when it has none. Bytes a page leaves undefined map
// to the control character of the same number (U+0081 for 0x81), as Windows does, so every
// byte survives a round trip.
const char16_t* AnsiUpperHalf(int codePage);

}  // namespace orv::detail
