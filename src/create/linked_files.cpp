#include "create/linked_files.h"

#include <array>
#include <string_view>

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

// The decryption program and its manifest beside an encrypted file.
bool copyDecryptionProgram(CreationRun& run, const std::string& targetFolder)
{
    const std::string sourceFolder = run.programFolder() + "\\BE";
    for (const std::string& name : {std::string(DecryptionProgram), std::string(DecryptionProgram) + ".manifest"}) {
        const std::string source = sourceFolder + "\\" + name;
        const std::string target = targetFolder + "\\" + name;
        run.announce(source, target);
        if (int error = CopyFileMapped(source, target))
            return StopAtLinkedFileError(run, error, name, sourceFolder, targetFolder);
    }
    return true;
}

bool encryptLinkedFile(CreationRun& run, const MenuButton& button, int row, const std::string& source,
                       const std::string& target)
{
    auto* crypto = platform::services().crypto;
    const std::string encrypted = target + ".cry";
    run.announce(source, encrypted);
    if (!crypto || crypto->CrySimpleEncryptFile(button.SourceFile, encrypted, button.Psw) == 0) {
        const int code = crypto ? crypto->CryGetLastError() : 0;
        const std::string suffix = code == platform::CrySourceNotFound ? ", error message: File not found." : "";
        return run.stop("A problem occurred when copying and encrypting the file '" + FileNamePart(source) +
                            "' (button #: " + std::to_string(row) + ", error code: " + std::to_string(code) + suffix +
                            "). Can not create menu!",
                        ErrorTitle);
    }
    const std::string folder = PathDirectoryPart(encrypted);
    if (folderExists(folder))
        return copyDecryptionProgram(run, folder);
    return true;
}

}  // namespace

bool CommandCopiesNoFile(const std::string& command)
{
    static constexpr std::array<std::string_view, 9> commands = {
        "Show Internet Page", "Send E-mail",          "Open Picture Gallery",    "Run Explorer", "Open Folder",
        "Open New Menu",      "Return To Previous Menu", "Return To Main Menu", "Exit"};
    for (std::string_view c : commands)
        if (command == c)
            return true;
    return false;
}

std::string LinkSubject(int row) { return "link of button #" + std::to_string(row); }

bool StopAtLinkedFileError(CreationRun& run, int error, const std::string& name, const std::string& sourceFolder,
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

bool CopyLinkedFiles(CreationRun& run)
{
    int row = 0;
    for (const MenuButton& button : run.project.Buttons) {
        ++row;
        if (CommandCopiesNoFile(button.Cmd))
            continue;
        if (button.CSF.empty() || button.CSF == "1")
            continue;
        // Lower case for the checks, names and report; the file itself is read as the author
        // chose it, so that of "Report.pdf" and "report.pdf" the right one is copied.
        const std::string source = LowerText(button.SourceFile);
        if (source.empty())
            continue;
        if (CharacterCount(FileNamePart(source)) > MaxFileNameLength) {
            run.observer.busy(false);
            ShowFilenameTooLong(FileNamePart(source));
            return false;
        }
        if (CharacterCount(source) > MaxFilePathLength) {
            run.observer.busy(false);
            ShowPathTooLong(source);
            return false;
        }
        const std::string link = LowerText(button.Link);
        if (link.empty() || link.front() == '@' || link.find("*.") != std::string::npos)
            continue;
        if (!run.keepsInside(AbsolutePathFromRelative(run.destination, link), LinkSubject(row), "link", button.Link,
                             LinkedFileErrorTitle))
            return false;

        const std::string target = CreateAbsolutePathFromRelativePathX(run.destination, link);
        run.facts.linkedFilesHandled = true;
        const std::string name = FileNamePart(source);
        const std::string sourceFolder = PathDirectoryPart(source);
        const std::string targetFolder = PathDirectoryPart(target);

        if (!SameTextNoCase(source, target)) {
            if (button.CSF == "3") {
                run.announce(source, target);
                if (CopyWholeFolder(button.SourceFile, target) == 0)
                    return run.stop("A problem occurred when copying files to the '" + targetFolder +
                                        "' folder (multiple file copy, button #: " + std::to_string(row) +
                                        "). Can not create menu!",
                                    ErrorTitle);
            } else if (button.PswProtect == "1" && button.PswEncrypt == "1") {
                if (!encryptLinkedFile(run, button, row, source, target))
                    return false;
                DeleteFileQuietly(target);  // a plain copy of an earlier build must not stay
            } else {
                run.announce(source, target);
                if (int error = CopyFileMapped(button.SourceFile, target))
                    return StopAtLinkedFileError(run, error, name, sourceFolder, targetFolder);
                DeleteFileQuietly(target + ".cry");  // nor the encrypted one of an earlier build
            }
        }

        if (button.Cmd == PlayFlashCommand && !targetFolder.empty()) {
            const std::string dataFile = targetFolder + "\\" + FlashPlayerDataFile;
            run.announce({}, dataFile);
            if (int error = WriteDataFile(dataFile, FlashPlayerDataText(button, FileNamePart(target)))) {
                const std::string text =
                    error == ErrPathNotFound
                        ? ObjectCopyMessage(FlashPlayerDataFile, error, MissingFolder::TargetFolder, targetFolder)
                        : LinkedFileCopyMessage(FlashPlayerDataFile, error);
                return run.stop(text, LinkedFileErrorTitle);
            }
        }
    }
    return true;
}

}  // namespace orv
