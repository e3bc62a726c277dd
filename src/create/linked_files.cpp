#include "create/linked_files.h"

#include "create/button_plan.h"
#include "create/companion_programs.h"
#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "create/user_messages.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "platform/crypto.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

namespace {

bool folderExists(const std::string& folder)
{
    auto* files = platform::services().files;
    return files && !folder.empty() && files->DirExists(folder) != 0;
}

// The detailed copy error: the dialog outside batch mode, one log line in a batch build.
bool stopWithDetails(CreationRun& run, const std::string& message, const std::string& name,
                     const std::string& sourceFolder, const std::string& targetFolder, bool withAdvice)
{
    run.observer.busy(false);
    if (Batch().BatchBuildMode) {
        std::string line = message + " File: '" + name + "', source folder: '" + sourceFolder +
                           "', destination folder: '" + targetFolder + "'.";
        if (withAdvice)
            line += std::string(" ") + SourceFolderAdvice;
        ShowOrLogMessage(line, platform::MsgError, LinkedFileErrorTitle);
        return false;
    }
    run.observer.showDetailedCopyError(DescribeCopyError(LinkedFileErrorTitle, message, name, sourceFolder, targetFolder));
    if (withAdvice)
        ShowOrLogMessage(SourceFolderAdvice, platform::MsgInformation, "Information");
    return false;
}

// The trap of a linked-file copy for error number `error` of file `name` (from sourceFolder
// to targetFolder): sends the message (or shows the detailed copy error) and returns false.
bool stopAtLinkedFileError(CreationRun& run, int error, const std::string& name, const std::string& sourceFolder,
                           const std::string& targetFolder)
{
    if (error != ErrPathNotFound)
        return run.stop(LinkedFileCopyMessage(name, error), LinkedFileErrorTitle);
    if (sourceFolder.empty())
        return run.stop(SourceFolderMissingText(name), LinkedFileErrorTitle);
    if (!folderExists(sourceFolder))
        return stopWithDetails(run, LinkedSourceFolderDetail(name), name, sourceFolder, targetFolder, true);
    return stopWithDetails(run, LinkedTargetFolderDetail(name), name, sourceFolder, targetFolder, false);
}

// The decryption program and its manifest beside an encrypted file.
bool copyDecryptionProgram(CreationRun& run, const std::string& targetFolder)
{
    const std::string sourceFolder = run.programFolder() + "\\BE";
    for (const std::string& name : {std::string(DecryptionProgram), std::string(DecryptionProgram) + ".manifest"}) {
        const std::string source = sourceFolder + "\\" + name;
        const std::string target = targetFolder + "\\" + name;
        run.announce(source, target);
        if (int error = CopyFileMapped(source, target))
            return stopAtLinkedFileError(run, error, name, sourceFolder, targetFolder);
    }
    return true;
}

// The file encrypted into target + ".cry", with the decryption program beside it; a plain
// copy of an earlier build must not stay.
bool encryptLinkedFile(CreationRun& run, const MenuButton& button, const LinkedFilePlan& plan)
{
    auto* crypto = platform::services().crypto;
    const std::string encrypted = plan.target + ".cry";
    run.announce(plan.lowerSource, encrypted);
    if (!crypto || crypto->CrySimpleEncryptFile(plan.source, encrypted, button.Psw) == 0) {
        const int code = crypto ? crypto->CryGetLastError() : 0;
        const std::string suffix = code == platform::CrySourceNotFound ? ", error message: File not found." : "";
        return run.stop("A problem occurred when copying and encrypting the file '" + FileNamePart(plan.lowerSource) +
                            "' (button #: " + std::to_string(plan.row) + ", error code: " + std::to_string(code) +
                            suffix + "). Can not create menu!",
                        ErrorTitle);
    }
    const std::string folder = PathDirectoryPart(encrypted);
    if (folderExists(folder) && !copyDecryptionProgram(run, folder))
        return false;
    DeleteFileQuietly(plan.target);
    return true;
}

// A problem the plan foresees that stops the creation before the button's file is touched.
bool stopAtPlannedProblem(CreationRun& run, const MenuButton& button, const LinkedFilePlan& plan)
{
    for (const PlannedProblem& problem : plan.problems) {
        switch (problem.kind) {
        case ButtonProblem::FileNameTooLong:
            run.observer.busy(false);
            ShowFilenameTooLong(FileNamePart(plan.lowerSource));
            return true;
        case ButtonProblem::PathTooLong:
            run.observer.busy(false);
            ShowPathTooLong(plan.lowerSource);
            return true;
        case ButtonProblem::LeadsOutside:
            run.stop(OutsideDestinationMessage(LinkSubject(plan.row), "link", button.Link, run.destination),
                     LinkedFileErrorTitle);
            return true;
        default:
            break;  // refused before anything was written, or left to the copy's error trap
        }
    }
    return false;
}

bool copyWholeFolder(CreationRun& run, const LinkedFilePlan& plan)
{
    run.announce(plan.lowerSource, plan.target);
    if (CopyWholeFolder(plan.source, plan.target) != 0)
        return true;
    return run.stop("A problem occurred when copying files to the '" + PathDirectoryPart(plan.target) +
                        "' folder (multiple file copy, button #: " + std::to_string(plan.row) +
                        "). Can not create menu!",
                    ErrorTitle);
}

bool copyFile(CreationRun& run, const LinkedFilePlan& plan)
{
    run.announce(plan.lowerSource, plan.target);
    if (int error = CopyFileMapped(plan.source, plan.target))
        return stopAtLinkedFileError(run, error, FileNamePart(plan.lowerSource), PathDirectoryPart(plan.lowerSource),
                                     PathDirectoryPart(plan.target));
    DeleteFileQuietly(plan.target + ".cry");  // nor an encrypted copy of an earlier build
    return true;
}

bool writeFlashPlayerData(CreationRun& run, const MenuButton& button, const LinkedFilePlan& plan)
{
    const std::string targetFolder = PathDirectoryPart(plan.target);
    const std::string dataFile = targetFolder + "\\" + FlashPlayerDataFile;
    run.announce({}, dataFile);
    const int error = WriteDataFile(dataFile, FlashPlayerDataText(button, FileNamePart(plan.target)));
    if (error == 0)
        return true;
    const std::string text =
        error == ErrPathNotFound
            ? ObjectCopyMessage(FlashPlayerDataFile, error, MissingFolder::TargetFolder, targetFolder)
            : LinkedFileCopyMessage(FlashPlayerDataFile, error);
    return run.stop(text, LinkedFileErrorTitle);
}

// Carries out one button's plan: false when the creation stops there.
bool executePlan(CreationRun& run, const MenuButton& button, const LinkedFilePlan& plan)
{
    if (stopAtPlannedProblem(run, button, plan))
        return false;
    if (plan.action == LinkedFileAction::None)
        return true;
    CreateFolderOf(plan.target);
    run.facts.linkedFilesHandled = true;
    if (!plan.inPlace) {
        bool copied = true;
        switch (plan.action) {
        case LinkedFileAction::CopyWholeFolder: copied = copyWholeFolder(run, plan); break;
        case LinkedFileAction::Encrypt: copied = encryptLinkedFile(run, button, plan); break;
        case LinkedFileAction::CopyFile: copied = copyFile(run, plan); break;
        case LinkedFileAction::None: break;
        }
        if (!copied)
            return false;
    }
    return !plan.writesFlashData || writeFlashPlayerData(run, button, plan);
}

}  // namespace

bool CopyLinkedFiles(CreationRun& run)
{
    int row = 0;
    for (const MenuButton& button : run.project.Buttons)
        if (!executePlan(run, button, PlanLinkedFile(button, ++row, run.destination)))
            return false;
    return true;
}

}  // namespace orv
