// Finds the menu description file beside the menu program: "ORVNMENU.MNI", or the
// screen-size variant "ORVNMENU_<w>x<h>.MNI" that matches the screen. Names are matched
// without regard to case, since media made on Windows carry any mix of cases.
#pragma once

#include <filesystem>
#include <string>

namespace orv::shell {

inline constexpr const char* MenuDescriptionFileName = "ORVNMENU.MNI";

// The variant's name for a screen size, e.g. "ORVNMENU_1024x768.MNI".
std::string screenVariantFileName(int screenWidth, int screenHeight);

// The file to read from a host folder: the variant for the screen when the folder holds
// one, else ORVNMENU.MNI. Empty when neither exists.
std::filesystem::path findMenuDescriptionFile(const std::filesystem::path& folder, int screenWidth,
                                              int screenHeight);

// The entry of folder whose name equals name without regard to ASCII case (an exact
// match wins); empty when there is none.
std::filesystem::path findEntryIgnoringCase(const std::filesystem::path& folder, const std::string& name);

}  // namespace orv::shell
