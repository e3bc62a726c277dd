#include "create/preflight.h"

#include <array>

#include "create/button_plan.h"
#include "create/companion_programs.h"
#include "create/copy_messages.h"
#include "create/create_menu.h"
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
#include "platform/command_line_path.h"
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

    void checkLengths(const std::string& path)
    {
        const std::string name = FileNamePart(path);
        if (CharacterCount(name) > MaxFileNameLength)
            add(FilenameTooLongText(name));
        if (CharacterCount(path) > MaxFilePathLength)
            add(PathTooLongText(path));
    }

    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

std::string buttonPrefix(int row) { return "Button #" + std::to_string(row) + ": "; }

// A file the creation would write outside the destination (no check without a destination).
void requireInside(const std::string& destination, const std::string& target, const std::string& subject,
                   const std::string& value, Problems& problems)
{
    if (!destination.empty() && !TargetInsideDestination(destination, target))
        problems.add(OutsideDestinationText(subject, value, destination));
}

// The destination in Windows form, as the creation uses it.
std::string destinationOf(const MenuProject& p)
{
    const auto* files = platform::services().files;
    if (files && !p.CreateDestDir.empty() && p.CreateDestDir.front() == '/')
        return files->windowsPath(p.CreateDestDir);
    return p.CreateDestDir;
}

std::string programFolder()
{
    const auto* folders = platform::services().folders;
    return folders ? folders->ProgramFolder() : std::string();
}

void checkFolders(const MenuProject& p, Problems& problems)
{
    if (PictureWithoutCdFolder(p))
        problems.add(PicturesWithoutFolderMessage);
    if (SoundWithoutCdFolder(p))
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
    else if (platform::isRelativePath(p.CreateDestDir))
        problems.add(RelativeDestinationMessage);
    if (Siblings().PortavoInstalled && p.UseAutorun != 0 && p.CoOperateWithPortavoLink && name != "ORVNMENU.EXE" &&
        name != "MENU.EXE" && name != "START.EXE")
        problems.add(InvalidProgramNameMessage(name));
    const std::string upper = UpperText(p.CreateDestDir);
    if ((upper == "C:\\" || upper == "C:") && p.UseAutorun != 0)
        problems.add(RootOfCWithAutorunMessage);

    requireInside(destinationOf(p), JoinPath(destinationOf(p), name), "menu program name", name, problems);

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
        else
            requireInside(destinationOf(p), StickGuardSetupTarget(destinationOf(p), p),
                          "StickGuard setup program's name or folder", StickGuardSetupPlace(p), problems);
    }
}

// A picture or sound copied into its folder value; nothing is written when it is already
// at its target.
void checkCopiedObject(const std::string& destination, const std::string& source, const std::string& folder,
                       const std::string& subject, Problems& problems)
{
    if (destination.empty())
        return;
    const std::string target = CopyTargetPathOf(destination, source, folder);
    if (!SameTextNoCase(target, source))
        requireInside(destination, target, subject, folder, problems);
}

void checkObjects(const MenuProject& p, Problems& problems)
{
    const std::string destination = destinationOf(p);
    for (const std::string* file : {&p.BackgroundPictureSrc, &p.LogotypePictureSrc, &p.MenuPictureSrc,
                                    &p.BackgroundSoundSrc, &p.MenuMovieFilename})
        problems.checkLengths(*file);
    for (const MenuObject& object : MenuObjects(p)) {
        if (object.source.empty() || object.folder.empty())
            continue;
        problems.requireFile(object.source, "The file");
        checkCopiedObject(destination, object.source, object.folder, ObjectFolderSubject(object.name), problems);
    }
    int row = 0;
    for (const MenuButton& button : p.Buttons) {
        ++row;
        if (!button.HoverSound.empty() && !button.HoverSoundFolder.empty()) {
            problems.requireFile(button.HoverSound, buttonPrefix(row) + "the hover sound");
            checkCopiedObject(destination, button.HoverSound, button.HoverSoundFolder, HoverSoundSubject(row),
                              problems);
        }
        if (IsBitmapButtonStyle(p.ButtonStyle) && !button.Bmp.empty() && !button.BmpFolder.empty()) {
            problems.requireFile(button.Bmp, buttonPrefix(row) + "the button picture");
            requireInside(destination, AbsolutePathFromRelative(destination, ButtonPictureRelativePath(button)),
                          ButtonPictureSubject(row), button.BmpFolder, problems);
        }
    }
}

void checkFonts(const MenuProject& p, Problems& problems)
{
    const ProfileDocument data =
        ProfileDocument::parse(StoreOptionsToText(p, WriteOptions::ListFontFiles | WriteOptions::MenuDescription));
    for (const char* prefix : {"TF", "STF", "BF"}) {
        for (int n = 1; n <= 100; ++n) {
            const std::string* value = data.find("Fonts", std::string(prefix) + "_File" + std::to_string(n));
            if (!value || value->empty())
                continue;
            const std::string source = FontSourcePath(*value);
            problems.requireFile(source, "The font file");
            requireInside(destinationOf(p), FontTargetPath(destinationOf(p), source, FontsFolder), "font file", *value,
                          problems);
        }
    }
}

// Each button's plan, as the creation would carry it out, with the decryption program
// needed once for any encrypted file.
void checkButtons(const MenuProject& p, Problems& problems)
{
    const std::string destination = destinationOf(p);
    int row = 0;
    bool encrypted = false;
    for (const MenuButton& button : p.Buttons) {
        const LinkedFilePlan plan = PlanLinkedFile(button, ++row, destination);
        for (const PlannedProblem& problem : plan.problems)
            problems.add(problem.line);
        encrypted = encrypted || (plan.action == LinkedFileAction::Encrypt && !plan.inPlace);
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
