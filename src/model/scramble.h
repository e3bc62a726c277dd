// The scrambled form of button passwords in menu description files (keys PA and PB): a
// four-character prefix from the time and random characters, then each byte of the UTF-8
// text substituted into two letters or digits. The menu program restores the text with
// UnscrambleText. docs/scramble.md describes the scheme.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Empty for an empty text; otherwise letters and digits only, different on each call.
std::string ScrambleText(std::string_view text);

// The text a ScrambleText result came from; empty for an empty or malformed value.
std::string UnscrambleText(std::string_view scrambled);

}  // namespace orv
