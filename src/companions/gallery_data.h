// The picture gallery's data file "VTPictureGallery.dat", written by menu creation beside
// VTPictureGallery.exe, and the rules the gallery applies with it: which files of a folder
// are pictures, how tall the thumbnails are and what a click on a picture does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::companions {

inline constexpr const char* PictureGalleryDataFileName = "VTPictureGallery.dat";

// What a click on a picture does ([ClickHandling] Action).
enum class GalleryClickAction {
    Preview = 1,        // show the picture in the gallery's preview window
    OpenExternal = 2,   // open the picture with the desktop's program
    OpenCompanion = 3,  // open the file of the same name with OpenExtension
};

struct PictureGalleryData {
    std::string title = "Picture Gallery";
    std::string previewTitle = "Picture Gallery";
    std::string extension;  // without the dot; empty: every common picture type
    int width = 0;          // 0 when not given
    int height = 0;
    std::uint32_t backColour = 0;         // Windows colour, red in the low byte
    std::uint32_t textColour = 65535;
    bool previewUsesColours = false;      // SubWin_ColorType 1
    bool showCloseButton = false;         // CloseButtonStyle 1; else a clickable text label
    std::string closeText = "Close";
    bool showTextLabels = false;          // file names below the pictures
    GalleryClickAction clickAction = GalleryClickAction::Preview;
    std::string openExtension;            // without the dot
    bool manualSize = false;
    int pictureHeight = 0;                // SizeHeight as written; 0 when not a number
    bool allowBrowse = false;
    std::string previousText = "< Previous";
    std::string nextText = "Next >";
};

// Reads the data file (Windows-form or host path). Empty when the file is missing or holds
// no [General] section; missing keys keep the defaults above.
std::optional<PictureGalleryData> readPictureGalleryData(const std::string& file);

// The extensions shown when the data file names none.
const std::vector<std::string>& commonPictureExtensions();

// The pictures of a folder (Windows form): full paths of the files whose extension matches
// (without regard to case), sorted by name without regard to case.
std::vector<std::string> listGalleryPictures(const std::string& folder, const std::string& extension);

// Height of the thumbnails: the manual height clamped to 15..300, or autoHeight when the
// program decides (or the manual height is not a number).
int galleryThumbnailHeight(const PictureGalleryData& data, int autoHeight);

struct GalleryClick {
    bool preview = false;
    std::string openTarget;  // the file to open with the desktop's program
};

// What a click on the picture does under the data file's click handling.
GalleryClick galleryClick(const PictureGalleryData& data, const std::string& picture);

}  // namespace orv::companions
