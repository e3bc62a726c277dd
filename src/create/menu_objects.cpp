#include "create/menu_objects.h"

#include <array>

#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/profile.h"
#include "model/project_writer.h"
#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv {

namespace {

enum class ObjectKind { Picture, Sound, Movie };

struct MenuObject {
    const std::string& source;
    const std::string& folder;
    ObjectKind kind;
};

// 76 comes from a missing folder: the source's, when its text is empty or it does not
// exist, else the target's.
MissingFolder missingFolderOf(const std::string& sourceFolder, std::string& folderShown,
                              const std::string& targetFolder)
{
    auto* files = platform::services().files;
    if (sourceFolder.empty())
        return MissingFolder::SourceFolderEmpty;
    if (!files || !files->DirExists(sourceFolder)) {
        folderShown = sourceFolder;
        return MissingFolder::SourceFolder;
    }
    folderShown = targetFolder;
    return MissingFolder::TargetFolder;
}

// Copies one picture, sound or movie; false (after the message) when the copy failed.
// copied tells whether anything was copied (a file already at its target is not).
bool copyObject(CreationRun& run, const std::string& source, const std::string& folderValue, bool& copied,
                std::string& target)
{
    copied = false;
    target = GetCopyTargetPath(run.destination, source, folderValue);
    if (SameTextNoCase(target, source))
        return true;
    const std::string name = FileNamePart(source);
    const std::string sourceFolder = PathDirectoryPart(source);
    const std::string targetFolder = PathDirectoryPart(target);
    run.announce(source, target);
    if (int error = CopyFileMapped(source, target)) {
        std::string folderShown;
        const MissingFolder missing = missingFolderOf(sourceFolder, folderShown, targetFolder);
        return run.stop(ObjectCopyMessage(name, error, missing, folderShown), ObjectErrorTitle);
    }
    copied = true;
    return true;
}

}  // namespace

bool IsBitmapButtonStyle(int buttonStyle)
{
    const std::string name = ButtonStyleName(buttonStyle);
    return name == "Bitmap Button" || name == "Image / Hotspot";
}

bool CopyButtonPictures(CreationRun& run)
{
    if (!IsBitmapButtonStyle(run.project.ButtonStyle))
        return true;
    run.facts.bitmapButtonStyle = true;
    for (const MenuButton& button : run.project.Buttons) {
        if (button.Bmp.empty() || button.BmpFolder.empty())
            continue;
        const std::string target =
            CreateAbsolutePathFromRelativePathX(run.destination, CleanPath(button.BmpFolder + "\\" + FileNamePart(button.Bmp)));
        if (target.empty())
            continue;
        run.announce(button.Bmp, target);
        if (int error = CopyFileMapped(button.Bmp, target))
            return run.stop(BitmapCopyMessage(error), ErrorTitle);
    }
    return true;
}

std::string FontSourcePath(const std::string& value)
{
    if (value.find('\\') != std::string::npos)
        return value;
    const auto& s = platform::services();
    const std::string inFontsFolder = (s.folders ? s.folders->GetFontDir() : std::string()) + "\\" + value;
    if (FileExists(inFontsFolder) || !s.fonts)
        return inFontsFolder;
    const std::string located = s.fonts->locateFontFile(value);
    return located.empty() ? inFontsFolder : located;
}

bool CopyFontFiles(CreationRun& run)
{
    if (!FontFilesListed())
        return true;
    const std::string drive = JoinPath(run.destination, run.programName).substr(0, 2);
    FlushProfileCache(run.dataFilePath);
    for (const char* prefix : {"TF", "STF", "BF"}) {
        for (int n = 1; n <= 100; ++n) {
            const std::string key = std::string(prefix) + "_File" + std::to_string(n);
            const std::string value = GetProfileText(run.dataFilePath, "Fonts", key, "", 200);
            if (value.empty())
                continue;
            const std::string source = FontSourcePath(value);
            const std::string target = GetDestinationFilePath(run.destination, drive, source, "orvndata\\fonts");
            run.announce(source, target);
            if (int error = CopyFileMapped(source, target))
                return run.stop(FontCopyMessage(source, error), ErrorTitle);
            run.facts.fontsCopied = true;
        }
    }
    return true;
}

bool CopyMenuObjects(CreationRun& run)
{
    run.facts.copyObjects = true;
    const MenuProject& p = run.project;
    const std::array<MenuObject, 7> objects = {{
        {p.BackgroundPictureSrc, p.BackgroundPicture_CDFolder, ObjectKind::Picture},
        {p.LogotypePictureSrc, p.LogotypePicture_CDFolder, ObjectKind::Picture},
        {p.MenuPictureSrc, p.MenuPicture_CDFolder, ObjectKind::Picture},
        {p.BackgroundSoundSrc, p.BackgroundSound_CDFolder, ObjectKind::Sound},
        {p.ButtonSoundSrc, p.ButtonSound_CDFolder, ObjectKind::Sound},
        {p.ButtonHoverSoundSrc, p.ButtonHoverSound_CDFolder, ObjectKind::Sound},
        {p.MenuMovieFilename, p.MenuMovie_CDFolder, ObjectKind::Movie},
    }};
    for (const MenuObject& object : objects) {
        if (object.source.empty() || object.folder.empty())
            continue;
        bool copied = false;
        std::string target;
        if (!copyObject(run, object.source, object.folder, copied, target))
            return false;
        if (!copied)
            continue;
        if (object.kind == ObjectKind::Picture)
            run.facts.picturesCopied.push_back(target);
        else if (object.kind == ObjectKind::Sound)
            run.facts.soundsCopied.push_back(target);
        else
            run.facts.movieCopied = FileNamePart(object.source);
    }
    for (const MenuButton& button : p.Buttons) {
        if (button.HoverSound.empty() || button.HoverSoundFolder.empty())
            continue;
        bool copied = false;
        std::string target;
        if (!copyObject(run, button.HoverSound, button.HoverSoundFolder, copied, target))
            return false;
        if (copied)
            run.facts.hoverSoundsCopied = true;
    }
    return true;
}

}  // namespace orv
