#include "editor/rules/file_selection.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "editor/rules/code_page_rules.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

constexpr const char* PictureTip = "Double click to show picture";
constexpr const char* SoundTip = "Double click to play sound";
constexpr const char* MovieTip = "Double click to play movie";

// Every format the menu programs show (the Windows one shows metafiles too).
constexpr const char* BackgroundFilter =
    "All Pictures|*.bmp;*.jpg;*.jpeg;*.png;*.gif|Bitmaps (*.bmp)|*.bmp|JPEG Files (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
    "PNG Files (*.png)|*.png|GIF Files (*.gif)|*.gif";
constexpr const char* DrawingFilter =
    "All Pictures|*.bmp;*.wmf;*.jpg;*.jpeg;*.png;*.gif|Bitmaps (*.bmp)|*.bmp|Meta Files (*.wmf)|*.wmf|"
    "JPEG Files (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG Files (*.png)|*.png|GIF Files (*.gif)|*.gif";
constexpr const char* SoundFilter = "Sound (*.wav;*.mid;*.mp3)|*.wav;*.mid;*.mp3";
constexpr const char* MovieFilter = "All Files (*.*)|*.*";

const std::array<MediaObjectInfo, MediaObjectCount> Infos = {{
    {MediaKind::Picture, "Select Picture", BackgroundFilter, &EditorOptions::LastPictureDir,
     &MenuProject::BackgroundPictureSrc, &MenuProject::BackgroundPicture_CDFolder, FolderKind::Background, PictureTip},
    {MediaKind::Picture, "Select Picture", DrawingFilter, &EditorOptions::LastLogotypeDir,
     &MenuProject::LogotypePictureSrc, &MenuProject::LogotypePicture_CDFolder, FolderKind::Logotype, PictureTip},
    {MediaKind::Picture, "Select Picture", DrawingFilter, &EditorOptions::LastPictureDir,
     &MenuProject::MenuPictureSrc, &MenuProject::MenuPicture_CDFolder, FolderKind::MenuPicture, PictureTip},
    {MediaKind::Sound, "Select Sound", SoundFilter, &EditorOptions::LastSoundDir, &MenuProject::BackgroundSoundSrc,
     &MenuProject::BackgroundSound_CDFolder, FolderKind::BackgroundSound, SoundTip},
    {MediaKind::Sound, "Select Sound", SoundFilter, &EditorOptions::LastSoundDir, &MenuProject::ButtonSoundSrc,
     &MenuProject::ButtonSound_CDFolder, FolderKind::ButtonSound, SoundTip},
    {MediaKind::Sound, "Select Sound", SoundFilter, &EditorOptions::LastSoundDir, &MenuProject::ButtonHoverSoundSrc,
     &MenuProject::ButtonHoverSound_CDFolder, FolderKind::Other, SoundTip},
    {MediaKind::Movie, "Select Movie", MovieFilter, &EditorOptions::LastMovieDir, &MenuProject::MenuMovieFilename,
     &MenuProject::MenuMovie_CDFolder, FolderKind::Other, MovieTip},
}};

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

const MediaObjectInfo& InfoOf(MediaObject object)
{
    return Infos.at(static_cast<size_t>(object));
}

bool IsCmykJpeg(const std::string& path)
{
    const std::string lower = lowerAscii(path);
    if (lower.find(".jpg") == std::string::npos && lower.find(".jpeg") == std::string::npos)
        return false;
    const platform::Pictures& pictures = *platform::services().pictures;
    return pictures.GetPictureFileType(path) == platform::PictureJpeg &&
           pictures.GetJPEGColorSystem(path) == platform::JpegCmyk;
}

std::uintmax_t FileSizeOf(const std::string& path)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(platform::services().files->hostPath(path), ec);
    return ec ? 0 : size;
}

SelectionOutcome ApplyChosenFile(MenuProject& project, EditorOptions& options, MediaObject object,
                                 const std::string& path)
{
    if (path.empty())
        return SelectionOutcome::Cancelled;
    const MediaObjectInfo& info = InfoOf(object);
    platform::UserInterface& ui = *platform::services().ui;
    SelectionOutcome outcome = SelectionOutcome::Accepted;

    switch (info.kind) {
    case MediaKind::Picture:
        if (IsCmykJpeg(path)) {
            ui.Message(CmykNotSupportedText, platform::MsgError, CmykNotSupportedTitle);
            DeleteMediaObject(project, object);
            return SelectionOutcome::Refused;
        }
        project.*info.source = path;
        options.*info.lastFolder = PathDirectoryPart(path);
        break;
    case MediaKind::Sound:
        if (FileSizeOf(path) >= SoundFileSizeLimit) {
            project.*info.source = std::string();
            ui.Message(SoundTooLargeText, platform::MsgInformation, SoundTooLargeTitle);
            outcome = SelectionOutcome::Refused;
        } else {
            project.*info.source = path;
        }
        // The start folder follows what the label shows, in both cases.
        options.*info.lastFolder = PathDirectoryPart(project.*info.source);
        break;
    case MediaKind::Movie:
        project.*info.source = path;
        options.*info.lastFolder = PathDirectoryPart(path);
        break;
    }

    if ((project.*info.folder).empty())
        project.*info.folder = DefaultObjectFolder;
    return outcome;
}

std::optional<std::string> ChooseMediaFile(const EditorOptions& options, MediaObject object)
{
    const MediaObjectInfo& info = InfoOf(object);
    std::optional<std::string> file =
        platform::services().ui->PickOpenFile(info.dialogTitle, {info.filter}, options.*info.lastFolder);
    if (!file || file->empty() || !TakeChosenPath(*file))
        return std::nullopt;
    return file;
}

void DeleteMediaObject(MenuProject& project, MediaObject object)
{
    const MediaObjectInfo& info = InfoOf(object);
    (project.*info.source).clear();
    (project.*info.folder).clear();
    if (object == MediaObject::MenuMovie) {
        project.MenuMovieWidth = "150";
        project.MenuMovieHeight = "150";
    }
}

}  // namespace orv::editor
