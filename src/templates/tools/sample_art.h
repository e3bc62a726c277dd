// The pictures that come with the editor, drawn in code so the build makes them: the sample
// menu pictures and button pictures that new projects refer to (Examples/Objects/,
// templates/objects/), and the small pictures of the new-project dialogs in Res/ (the tab
// swatches, the CD and USB stick, the placement sketches and the empty-project previews).
// The same program folder gets the same bytes on every build.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orv::art {

// Writes every picture under programFolder (sub-folders are made as needed). written gets
// the paths relative to programFolder, with "/". False when a file could not be written.
bool WriteSampleArt(const std::filesystem::path& programFolder, std::vector<std::string>* written = nullptr);

// The file of a style's preview in the program folder: "Res/styles/<family>-<layout>.png".
std::string StylePreviewFile(int family, int layout);

// The size of a style preview.
inline constexpr int StylePreviewWidth = 176;
inline constexpr int StylePreviewHeight = 141;

}  // namespace orv::art
