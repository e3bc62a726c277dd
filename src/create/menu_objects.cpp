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
bool copyObject(CreationRun& run, const std::string& source, const std::string& folderValue,
                const std::string& subject, bool& copied, std::string& target)
{
    copied = false;
    target = CopyTargetPathOf(run.destination, source, folderValue);
    if (SameTextNoCase(target, source))
        return true;
    if (!run.keepsInside(target, subject, "folder", folderValue, ObjectErrorTitle))
        return false;
    target = GetCopyTargetPath(run.destination, source, folderValue);
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

std::array<MenuObject, 7> MenuObjects(const MenuProject& p)
{
    return {{
        {p.BackgroundPictureSrc, p.BackgroundPicture_CDFolder, ObjectKind::Picture, "background picture"},
        {p.LogotypePictureSrc, p.LogotypePicture_CDFolder, ObjectKind::Picture, "logotype"},
        {p.MenuPictureSrc, p.MenuPicture_CDFolder, ObjectKind::Picture, "menu picture"},
        {p.BackgroundSoundSrc, p.BackgroundSound_CDFolder, ObjectKind::Sound, "background sound"},
        {p.ButtonSoundSrc, p.ButtonSound_CDFolder, ObjectKind::Sound, "button sound"},
        {p.ButtonHoverSoundSrc, p.ButtonHoverSound_CDFolder, ObjectKind::Sound, "button hover sound"},
        {p.MenuMovieFilename, p.MenuMovie_CDFolder, ObjectKind::Movie, "menu movie"},
    }};
}

std::string ObjectFolderSubject(const std::string& object) { return "CD folder of the " + object; }

std::string HoverSoundSubject(int row) { return "hover sound folder of button #" + std::to_string(row); }

std::string ButtonPictureSubject(int row) { return "picture folder of button #" + std::to_string(row); }

std::string ButtonPictureRelativePath(const MenuButton& button)
{
    return CleanPath(button.BmpFolder + "\\" + FileNamePart(button.Bmp));
}

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
    int row = 0;
    for (const MenuButton& button : run.project.Buttons) {
        ++row;
        if (button.Bmp.empty() || button.BmpFolder.empty())
            continue;
        const std::string relative = ButtonPictureRelativePath(button);
        if (!run.keepsInside(AbsolutePathFromRelative(run.destination, relative), ButtonPictureSubject(row), "folder",
                             button.BmpFolder, ErrorTitle))
            return false;
        const std::string target = CreateAbsolutePathFromRelativePathX(run.destination, relative);
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
    FlushProfileCache(run.dataFilePath);
    for (const char* prefix : {"TF", "STF", "BF"}) {
        for (int n = 1; n <= 100; ++n) {
            const std::string key = std::string(prefix) + "_File" + std::to_string(n);
            const std::string value = GetProfileText(run.dataFilePath, "Fonts", key, "", 200);
            if (value.empty())
                continue;
            const std::string source = FontSourcePath(value);
            const std::string target = FontTargetPath(run.destination, source, FontsFolder);
            if (!run.keepsInside(target, "font file", "font", value, ErrorTitle))
                return false;
            CreateAbsolutePathFromRelativePathX(run.destination, target);
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
    for (const MenuObject& object : MenuObjects(p)) {
        if (object.source.empty() || object.folder.empty())
            continue;
        bool copied = false;
        std::string target;
        if (!copyObject(run, object.source, object.folder, ObjectFolderSubject(object.name), copied, target))
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
    int row = 0;
    for (const MenuButton& button : p.Buttons) {
        ++row;
        if (button.HoverSound.empty() || button.HoverSoundFolder.empty())
            continue;
        bool copied = false;
        std::string target;
        if (!copyObject(run, button.HoverSound, button.HoverSoundFolder, HoverSoundSubject(row), copied, target))
            return false;
        if (copied)
            run.facts.hoverSoundsCopied = true;
    }
    return true;
}

}  // namespace orv
