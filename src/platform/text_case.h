// Case mapping of UTF-8 text for path comparison and upper-casing: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters (the scripts of the ANSI code pages).
#pragma once

#include <string>
#include <string_view>

namespace orv::platform {

// The text with every letter in lower case (for comparisons without regard to case).
std::string foldCase(std::string_view utf8);

// True when both texts are equal without regard to case.
bool equalsNoCase(std::string_view a, std::string_view b);

// The text with ASCII and Latin-1 letters in upper case; other characters unchanged.
std::string upperLatin1(std::string_view utf8);

}  // namespace orv::platform
