#include "create/preflight.h"

#include <array>

#include "create/companion_programs.h"
#include "create/create_menu.h"
#include "create/linked_files.h"
#include "create/menu_objects.h"
#include "create/path_rules.h"
#include "create/usb_cooperation.h"
#include "create/user_messages.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/profile.h"
#include "model/project_writer.h"
#include "model/sibling_products.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv {

namespace {

class Problems {
public:
    void add(std::string line) { lines_.push_back(std::move(line)); }

    // A file that the creation copies must exist.
    void requireFile(const std::string& file, const std::string& what)
    {
        if (!FileExists(file))
            add(what + " '" + file + "' does not exist.");
    }

    void checkLengths(const std::string& path, const std::string& prefix = {})
    {
        const std::string name = FileNamePart(path);
        if (CharacterCount(name) > MaxFileNameLength)
            add(prefix + FilenameTooLongText(name));
        if (CharacterCount(path) > MaxFilePathLength)
            add(prefix + PathTooLongText(path));
    }

    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

std::string buttonPrefix(int row) { return "Button #" + std::to_string(row) + ": "; }

bool folderExists(const std::string& folder)
{
    const auto* files = platform::services().files;
    return files && !folder.empty() && files->DirExists(folder) != 0;
}

std::string programFolder()
{
    const auto* folders = platform::services().folders;
    return folders ? folders->ProgramFolder() : std::string();
}

void checkFolders(const MenuProject& p, Problems& problems)
{
    if ((!p.BackgroundPictureSrc.empty() && p.BackgroundPicture_CDFolder.empty()) ||
        (!p.LogotypePictureSrc.empty() && p.LogotypePicture_CDFolder.empty()) ||
        (!p.MenuPictureSrc.empty() && p.MenuPicture_CDFolder.empty()))
        problems.add(PicturesWithoutFolderMessage);
    if ((!p.BackgroundSoundSrc.empty() && p.BackgroundSound_CDFolder.empty()) ||
        (!p.ButtonSoundSrc.empty() && p.ButtonSound_CDFolder.empty()) ||
        (!p.ButtonHoverSoundSrc.empty() && p.ButtonHoverSound_CDFolder.empty()))
        problems.add(SoundsWithoutFolderMessage);
}

void checkDestinationAndProgram(const MenuProject& p, Problems& problems)
{
    const EditorOptions& options = Options();
    const std::string name = UpperText(
        p.ProjectType == ProjectTypeUSB ? CorrectedExeFileName(options.USBStickExeFileName, DefaultUSBStickExeFileName)
                                        : CorrectedExeFileName(options.CDExeFileName, DefaultCDExeFileName));
    if (p.CreateDestDir.empty())
        problems.add("No destination folder is specified!");
    if (Siblings().PortavoInstalled && p.UseAutorun != 0 && p.CoOperateWithPortavoLink && name != "ORVNMENU.EXE" &&
        name != "MENU.EXE" && name != "START.EXE")
        problems.add(InvalidProgramNameMessage(name));
    const std::string upper = UpperText(p.CreateDestDir);
    if ((upper == "C:\\" || upper == "C:") && p.UseAutorun != 0)
        problems.add(RootOfCWithAutorunMessage);

    const std::string release = programFolder() + "\\Release\\";
    problems.requireFile(release + "ORVNMENU.EXE", "The menu program");
    problems.requireFile(release + "ORVNMENU.EXE.manifest", "The menu program's manifest");
    if (AnyButtonWithCommand(p, PlayFlashCommand)) {
        problems.requireFile(programFolder() + "\\FlashPlayer\\VTFlashPlayer.exe", "The flash player");
        problems.requireFile(programFolder() + "\\FlashPlayer\\VTFlashPlayer.exe.manifest", "The flash player's manifest");
    }
    if (AnyButtonWithCommand(p, OpenPictureGalleryCommand)) {
        problems.requireFile(programFolder() + "\\PictureGallery\\VTPictureGallery.exe", "The picture gallery");
        problems.requireFile(programFolder() + "\\PictureGallery\\VTPictureGallery.exe.manifest",
                             "The picture gallery's manifest");
    }
    if (p.UseAutorun != 0 && !p.CDIconSrc.empty())
        problems.requireFile(p.CDIconSrc, "The icon file");
    if (CoOperate_With_PortavoLink_FullVersion(p, p.CoOperateWithPortavoLink)) {
        const std::string& setup = Siblings().StickGuardSetupSource;
        if (setup.empty())
            problems.add("Can't copy 'SETUP-StickGuard.exe'! No source file path exists!");
        else
            problems.requireFile(setup, "The StickGuard setup program");
        if (p.StickGuardSetupFilename.empty())
            problems.add("Can't copy 'SETUP-StickGuard.exe'! No filename has been specified for the setup program!");
    }
}

void checkObjects(const MenuProject& p, Problems& problems)
{
    const std::array<std::pair<const std::string*, const std::string*>, 7> objects = {{
        {&p.BackgroundPictureSrc, &p.BackgroundPicture_CDFolder},
        {&p.LogotypePictureSrc, &p.LogotypePicture_CDFolder},
        {&p.MenuPictureSrc, &p.MenuPicture_CDFolder},
        {&p.BackgroundSoundSrc, &p.BackgroundSound_CDFolder},
        {&p.ButtonSoundSrc, &p.ButtonSound_CDFolder},
        {&p.ButtonHoverSoundSrc, &p.ButtonHoverSound_CDFolder},
        {&p.MenuMovieFilename, &p.MenuMovie_CDFolder},
    }};
    for (const std::string* file : {&p.BackgroundPictureSrc, &p.LogotypePictureSrc, &p.MenuPictureSrc,
                                    &p.BackgroundSoundSrc, &p.MenuMovieFilename})
        problems.checkLengths(*file);
    for (const auto& [source, folder] : objects)
        if (!source->empty() && !folder->empty())
            problems.requireFile(*source, "The file");
    int row = 0;
    for (const MenuButton& button : p.Buttons) {
        ++row;
        if (!button.HoverSound.empty() && !button.HoverSoundFolder.empty())
            problems.requireFile(button.HoverSound, buttonPrefix(row) + "the hover sound");
        if (IsBitmapButtonStyle(p.ButtonStyle) && !button.Bmp.empty() && !button.BmpFolder.empty())
            problems.requireFile(button.Bmp, buttonPrefix(row) + "the button picture");
    }
}

void checkFonts(const MenuProject& p, Problems& problems)
{
    const ProfileDocument data = ProfileDocument::parse(StoreOptionsToText(p, true, true, false));
    for (const char* prefix : {"TF", "STF", "BF"}) {
        for (int n = 1; n <= 100; ++n) {
            const std::string* value = data.find("Fonts", std::string(prefix) + "_File" + std::to_string(n));
            if (value && !value->empty())
                problems.requireFile(FontSourcePath(*value), "The font file");
        }
    }
}

void checkButtons(const MenuProject& p, Problems& problems)
{
    int row = 0;
    bool encrypted = false;
    for (const MenuButton& button : p.Buttons) {
        ++row;
        const std::string link = LowerText(button.Link);
        const bool wildcard = link.find("*.") != std::string::npos;
        if (wildcard && !CommandAllowsWildcard(button.Cmd))
            problems.add(WildcardInvalidMessage(row, link));
        else if (wildcard && button.PswProtect == "1" && button.PswEncrypt == "1")
            problems.add(WildcardEncryptionMessage(row, link));

        if (CommandCopiesNoFile(button.Cmd) || button.CSF.empty() || button.CSF == "1" || wildcard)
            continue;
        const std::string source = button.SourceFile;
        if (source.empty())
            continue;
        const std::string prefix = buttonPrefix(row);
        problems.checkLengths(source, prefix);
        if (link.empty() || link.front() == '@')
            continue;
        if (!p.CreateDestDir.empty() && LinkClimbsOutOfDestination(p.CreateDestDir, link))
            problems.add(prefix + "the link '" + button.Link + "' leads out of the destination folder '" +
                         p.CreateDestDir + "'.");
        if (button.CSF == "3") {
            if (!folderExists(PathDirectoryPart(source)))
                problems.add(prefix + "the source folder '" + PathDirectoryPart(source) + "' does not exist.");
        } else {
            problems.requireFile(source, prefix + "the source file");
            encrypted = encrypted || (button.PswProtect == "1" && button.PswEncrypt == "1");
        }
    }
    if (encrypted) {
        problems.requireFile(programFolder() + "\\BE\\BE.exe", "The decryption program");
        problems.requireFile(programFolder() + "\\BE\\BE.exe.manifest", "The decryption program's manifest");
    }
}

}  // namespace

std::vector<std::string> PreflightCreateMenu(const MenuProject& project)
{
    Problems problems;
    checkFolders(project, problems);
    checkDestinationAndProgram(project, problems);
    checkObjects(project, problems);
    checkFonts(project, problems);
    checkButtons(project, problems);
    return problems.take();
}

}  // namespace orv
