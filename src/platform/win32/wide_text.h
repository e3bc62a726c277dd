// UTF-8 <-> UTF-16 for the wide Windows API: the program keeps all text in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace orv::platform {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring widen(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string narrow(std::wstring_view wide);

}  // namespace orv::platform
