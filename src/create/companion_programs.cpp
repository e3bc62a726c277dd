#include "create/companion_programs.h"

#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "model/ansi_codec.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

std::string flag(bool on) { return on ? "1" : "0"; }

// Makes the program's sub-folder of the menu; false (after the message) when it cannot.
bool makeProgramFolder(CreationRun& run, const std::string& folder)
{
    auto* files = platform::services().files;
    if (files && files->DirCreate(folder) != 0)
        return true;
    run.observer.busy(false);
    ShowOrLogMessage("Can not create the '" + folder + "' folder!", platform::MsgInformation, "Can't create folder");
    return false;
}

// Copies a program and its manifest from the editor's folder into the menu's sub-folder.
bool copyProgramWithManifest(CreationRun& run, const std::string& sourceFolder, const std::string& targetFolder,
                             const std::string& program)
{
    for (const std::string& name : {program, program + ".manifest"}) {
        const std::string source = sourceFolder + "\\" + name;
        const std::string target = targetFolder + "\\" + name;
        run.announce(source, target);
        if (int error = CopyFileMapped(source, target))
            return run.stop(ProgramCopyMessage(name, error), ErrorTitle);
    }
    return true;
}

// Makes the menu's sub-folder for a companion program and copies the program with its
// manifest there from the editor's sub-folder of the same program.
bool copyCompanionProgram(CreationRun& run, const std::string& sourceSubFolder, const std::string& menuSubFolder,
                          const std::string& program)
{
    const std::string folder = JoinPath(run.destination, menuSubFolder);
    return makeProgramFolder(run, folder) &&
           copyProgramWithManifest(run, run.programFolder() + "\\" + sourceSubFolder, folder, program);
}

}  // namespace

std::string FlashPlayerDataText(const MenuButton& button, const std::string& animationFileName)
{
    std::string text;
    text += "[Info]\r\n";
    text += "Info = Veltrona Flash Player\r\n";
    text += "\r\n";
    text += "[General]\r\n";
    text += "FileName = " + LowerText(animationFileName) + "\r\n";
    text += "WinTitle = " + button.AppParam + "\r\n";
    text += "\r\n";
    text += "[Size]\r\n";
    text += "Width = " + button.WinWidth + "\r\n";
    text += "Height = " + button.WinHeight + "\r\n";
    text += "\r\n";
    text += "[Options]\r\n";
    text += "ShowDialogBoxes = " + std::string(button.ShowDialogBoxes == "0" ? "0" : "1") + "\r\n";
    return text;
}

std::string PictureGalleryDataText(const MenuProject& p)
{
    const std::string title = p.PGTitle.empty() ? std::string("Picture Gallery") : p.PGTitle;
    std::string text;
    text += "[Info]\r\n";
    text += "Info = Veltrona Picture Gallery\r\n";
    text += "\r\n";
    text += "[General]\r\n";
    text += "WinTitle = " + title + "\r\n";
    text += "SubWin_WinTitle = " + title + "\r\n";
    text += "PicExtension = ." + p.PGExtension + "\r\n";
    text += "\r\n";
    text += "[WinSize]\r\n";
    text += "Width = " + p.PGWidth + "\r\n";
    text += "Height = " + p.PHeight + "\r\n";
    text += "\r\n";
    text += "[Colors]\r\n";
    text += "BkColor = " + std::to_string(p.PGBackColor) + "\r\n";
    text += "TextColor = " + std::to_string(p.PGTextColor) + "\r\n";
    text += "SubWin_ColorType = " + std::string(p.PGAlsoForSubWindows ? "1" : "2") + "\r\n";
    text += "\r\n";
    text += "[Buttons]\r\n";
    text += "CloseButtonStyle = " + std::string(p.PGShowCloseButton ? "1" : "2") + "\r\n";
    text += "CloseButtonText = " + p.PGCloseButtonText + "\r\n";
    text += "\r\n";
    text += "[Text]\r\n";
    text += "ShowTextLabels = " + flag(p.PGShowTextLabels) + "\r\n";
    text += "\r\n";
    text += "[ClickHandling]\r\n";
    text += "Action = " + std::to_string(p.PGOnClickOnPicture) + "\r\n";
    text += "OpenExtension = ." + p.PGOnClickOnPictureExt + "\r\n";
    text += "\r\n";
    text += "[Pictures]\r\n";
    text += "SizeManual = " + flag(p.PGPictureSizeManual) + "\r\n";
    text += "SizeHeight = " + p.PGPictureSizeHeight + "\r\n";
    text += "\r\n";
    text += "[PreviewWin]\r\n";
    text += "AllowBrowse = " + flag(p.PGPreviewWin_AllowBrowse) + "\r\n";
    text += "PrevPicture_Text = " + p.PGPreviewWin_PrevPicture_Text + "\r\n";
    text += "NextPicture_Text = " + p.PGPreviewWin_NextPicture_Text + "\r\n";
    text += "\r\n";
    return text;
}

bool AnyButtonWithCommand(const MenuProject& project, const std::string& command)
{
    for (const MenuButton& button : project.Buttons)
        if (button.Cmd == command)
            return true;
    return false;
}

int WriteDataFile(const std::string& path, const std::string& text) { return WriteFileMapped(path, Utf8ToAnsi(text)); }

bool CopyCompanionPrograms(CreationRun& run)
{
    if (AnyButtonWithCommand(run.project, PlayFlashCommand)) {
        if (!copyCompanionProgram(run, "FlashPlayer", FlashPlayerFolder, FlashPlayerProgram))
            return false;
        run.facts.flashPlayerCopied = true;
    }
    if (AnyButtonWithCommand(run.project, OpenPictureGalleryCommand)) {
        if (!copyCompanionProgram(run, "PictureGallery", PictureGalleryFolder, PictureGalleryProgram))
            return false;
        const std::string folder = JoinPath(run.destination, PictureGalleryFolder);
        const std::string dataFile = folder + "\\" + PictureGalleryDataFile;
        DeleteFileQuietly(dataFile);
        run.announce({}, dataFile);
        if (WriteDataFile(dataFile, PictureGalleryDataText(run.project)) != ErrNone)
            return run.stop("Can't create data file for the picture gallery application ('VTPictureGallery.exe')!",
                            ErrorTitle);
        run.facts.pictureGalleryCopied = true;
    }
    return true;
}

}  // namespace orv
