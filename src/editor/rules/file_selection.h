// The seven linked objects of the Pictures, Sound and Movies tabs (background, logotype, menu
// picture, three sounds, menu movie): how each one's file is chosen, checked and removed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/rules/field_rules.h"
#include "model/editor_options.h"
#include "model/menu_project.h"

namespace orv::editor {

enum class MediaObject {
    Background,
    Logotype,
    MenuPicture,
    BackgroundSound,
    ButtonSound,
    ButtonHoverSound,
    MenuMovie,
};
inline constexpr int MediaObjectCount = 7;

enum class MediaKind { Picture, Sound, Movie };

struct MediaObjectInfo {
    MediaKind kind;
    const char* dialogTitle;
    const char* filter;                          // "Text|*.a;*.b|..." form
    std::string EditorOptions::*lastFolder;      // the folder the dialog starts in
    std::string MenuProject::*source;            // full path of the chosen file
    std::string MenuProject::*folder;            // its destination sub-folder
    FolderKind folderKind;
    const char* tip;                             // the label's tip while it holds a file
};

const MediaObjectInfo& InfoOf(MediaObject object);

inline constexpr const char* DefaultObjectFolder = "orvndata";
inline constexpr std::uintmax_t SoundFileSizeLimit = 40000000;

inline constexpr const char* CmykNotSupportedText =
    "Orvanto can not show CMYK JPEG pictures. Only RGB JPEG pictures can be shown.";
inline constexpr const char* CmykNotSupportedTitle = "CMYK Not Supported";
inline constexpr const char* SoundTooLargeText = "The sound file is to large! The maximum file size is 40 MB!";
inline constexpr const char* SoundTooLargeTitle = "Info";

// True for a file whose name says JPEG (".jpg" or ".jpeg"), whose header says JPEG and whose
// colours are CMYK.
bool IsCmykJpeg(const std::string& path);

// The size of a file in bytes; 0 when it cannot be read.
std::uintmax_t FileSizeOf(const std::string& path);

enum class SelectionOutcome {
    Accepted,   // the object now holds the file
    Refused,    // the file was refused with a message; the object holds no file
    Cancelled,  // no file was chosen; nothing changed
};

// Takes a file chosen in the open-file dialog for the object (an empty path changes
// nothing: Cancelled). Pictures are refused when they are CMYK
// JPEGs, sounds from 40 000 000 bytes on; the refusal message goes through the user
// interface. The start folder of the next dialog and the default destination folder
// "orvndata" follow the rules of each kind.
SelectionOutcome ApplyChosenFile(MenuProject& project, EditorOptions& options, MediaObject object,
                                 const std::string& path);

// The open-file dialog with the object's title, filter and start folder; nothing when it
// was cancelled. The chosen file then goes to ApplyChosenFile.
std::optional<std::string> ChooseMediaFile(const EditorOptions& options, MediaObject object);

// The delete button: the object's file and destination folder are emptied; the menu movie's
// size returns to 150 x 150.
void DeleteMediaObject(MenuProject& project, MediaObject object);

}  // namespace orv::editor
