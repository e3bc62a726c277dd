#include "companions/decryption_run.h"

#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"

namespace orv::companions {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The file to decrypt when none is named: the only encrypted file beside the program, or
// the one the user picks.
std::string chooseFile(bool windows, DecryptionFrontEnd& frontEnd)
{
    const platform::SystemFolders* folders = platform::services().folders;
    const std::string folder = folders ? folders->ProgramFolder() : std::string();
    const auto found = encryptedFilesIn(folder);
    if (found.size() == 1)
        return found.front();
    if (!windows || found.empty()) {
        frontEnd.error("No encrypted file was given. Start the program with the encrypted file (*.cry) as its "
                       "argument.");
        return {};
    }
    return frontEnd.pickEncryptedFile(folder);
}

}  // namespace

std::string DecryptionFrontEnd::restoreBase()
{
    const platform::SystemFolders* folders = platform::services().folders;
    return folders ? folders->GetTemporaryDir() : std::string();
}

const char* const DecryptionUsage =
    "Usage: BE.exe [FILE.cry] [--password-stdin] [--output=FILE] [--no-open]\n"
    "Restores a file encrypted at menu creation and opens it with the desktop's program.\n"
    "  --password-stdin  read the password from the first line of standard input\n"
    "  --output=FILE     write the restored file here (default: a folder only the user can\n"
    "                    read, which a run some hours later removes)\n"
    "  --no-open         do not open the restored file, and show no windows";

std::string decryptionStatusText(DecryptStatus status, const std::string& file, const std::string& shownFile)
{
    const std::string name = quoted(FileNamePart(file));
    switch (status) {
    case DecryptStatus::NotEncrypted:
        return name + " is not an encrypted file (its name does not end in \".cry\").";
    case DecryptStatus::SourceMissing:
        return "The encrypted file " + quoted(shownFile) + " was not found.";
    case DecryptStatus::WrongPassword:
        return "The password is not correct. The file " + name + " was not decrypted.";
    case DecryptStatus::Damaged:
        return "The file " + name + " is damaged and cannot be decrypted.";
    case DecryptStatus::WriteFailed:
        return "The decrypted file could not be written. Check that the target folder is writable.";
    default:
        return "The file " + name + " could not be decrypted.";
    }
}

int runDecryption(const DecryptionArguments& args, bool windows, DecryptionFrontEnd& frontEnd)
{
    // Files restored by earlier runs go once their viewer has long been closed.
    const std::string base = frontEnd.restoreBase();
    removeOldRestoreFolders(base);

    const std::string file = args.file.empty() ? chooseFile(windows, frontEnd) : frontEnd.absolutePath(args.file);
    if (file.empty())
        return DecryptionFailed;
    std::string target = args.output.empty() ? std::string() : frontEnd.absolutePath(args.output);

    std::optional<std::string> password;
    if (args.passwordFromInput)
        password = frontEnd.readPasswordLine();
    for (;;) {
        if (!password) {
            if (!windows) {
                frontEnd.error("No password was given; use --password-stdin when no windows are shown.");
                return DecryptionWithoutPassword;
            }
            password = frontEnd.askPassword(decryptedFileName(file));
            if (!password)
                return DecryptionWithoutPassword;
        }
        const DecryptStatus status = args.output.empty() ? decryptIntoOwnFolder(file, *password, base, target)
                                                         : decryptFile(file, *password, target);
        if (status == DecryptStatus::Ok)
            break;
        const std::string text = decryptionStatusText(status, file, frontEnd.displayPath(file));
        if (status == DecryptStatus::WrongPassword && windows && !args.passwordFromInput) {
            frontEnd.warning(text);
            password.reset();  // ask again
            continue;
        }
        frontEnd.error(text);
        return status == DecryptStatus::WrongPassword ? DecryptionWithoutPassword : DecryptionFailed;
    }

    const platform::Shell* shell = platform::services().shell;
    if (args.open && !(shell && platform::services().shell->ShellOpen(target))) {
        frontEnd.error("The decrypted file " + quoted(frontEnd.displayPath(target)) + " could not be opened.");
        return DecryptionFailed;
    }
    return DecryptionSucceeded;
}

}  // namespace orv::companions
