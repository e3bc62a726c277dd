// The display form of paths inside the user's documents folder: "...\My Documents\" and the
// rest, so a recent entry stays valid when the documents folder moves (another user, another
// machine).
#pragma once

#include <string>

namespace orv {

inline constexpr const char* MyDocumentsDisplayPrefix = "...\\My Documents\\";

// The path trimmed; when it is a drive path below the existing documents folder, that folder
// is replaced by "...\My Documents\" and every doubled backslash reduced to one.
std::string ShortenMyDocumentsPath(const std::string& path);

// The text trimmed; when it begins with "...", the part "...\Mina dokument" (or else
// "...\My Documents") is replaced by the documents folder and every doubled backslash reduced
// to one. Any other text comes back trimmed.
std::string ExpandMyDocumentsPath(const std::string& text);

}  // namespace orv
