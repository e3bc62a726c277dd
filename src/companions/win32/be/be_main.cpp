// BE.exe for Windows: restores a file that menu creation encrypted for a password-protected
// button, as the host's decryption program does. It takes the file from its command line,
// else the only "*.cry" beside it, else asks with an open-file dialog; asks for the password
// until it is right or the user cancels (or reads it with --password-stdin from the first
// line of standard input); restores into a folder of its own in the temporary folder under
// the original name (or into --output=) and opens the result (unless --no-open, which also
// means no windows: messages go to the error output). A wrong password writes nothing.
// Exit code 0 on success, 1 for a wrong or withheld password, 2 otherwise.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "companions/decryption.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"
#include "platform/user_interface.h"
#include "platform/win32/command_line.h"
#include "platform/win32/password_prompt.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_services.h"

using namespace orv;
using namespace orv::companions;

namespace {

enum ExitCode { Success = 0, NoPassword = 1, Error = 2 };

const std::string Title = "Decrypt File";

void writeLine(DWORD stream, const std::string& text)
{
    HANDLE out = GetStdHandle(stream);
    if (!out || out == INVALID_HANDLE_VALUE)
        return;
    const std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// Where messages go: message boxes, or lines "BE: <text>" on the error output without windows.
class Reporter {
public:
    explicit Reporter(bool windows) : windows_(windows) {}
    void error(const std::string& text) const { report(text, MB_ICONERROR); }
    void warning(const std::string& text) const { report(text, MB_ICONWARNING); }

private:
    void report(const std::string& text, UINT icon) const
    {
        if (windows_)
            MessageBoxW(nullptr, platform::widen(text).c_str(), platform::widen(Title).c_str(),
                        MB_OK | MB_TASKMODAL | icon);
        else
            writeLine(STD_ERROR_HANDLE, "BE: " + text);
    }
    bool windows_;
};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string statusText(DecryptStatus status, const std::string& file)
{
    const std::string name = quoted(FileNamePart(file));
    switch (status) {
    case DecryptStatus::NotEncrypted:
        return name + " is not an encrypted file (its name does not end in \".cry\").";
    case DecryptStatus::SourceMissing:
        return "The encrypted file " + quoted(file) + " was not found.";
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

// A path from the command line, made absolute against the current folder.
std::string absolutePath(const std::string& argument)
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(platform::widen(argument), ec);
    return ec ? argument : platform::narrow(path.lexically_normal().native());
}

// The first line of standard input; nothing when there is no standard input at all.
std::optional<std::string> passwordFromInput()
{
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    if (!in || in == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string text;
    char c;
    DWORD got = 0;
    while (ReadFile(in, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        text += c;
    std::string password = passwordLine(text);
    SecureZeroMemory(text.data(), text.size());
    return password;
}

// The file to decrypt when none is named: the only encrypted file beside the program, or
// the one the user picks.
std::string chooseFile(const Reporter& reporter, bool windows)
{
    const std::string folder = platform::services().folders->ProgramFolder();
    const auto found = encryptedFilesIn(folder);
    if (found.size() == 1)
        return found.front();
    if (!windows || found.empty()) {
        reporter.error("No encrypted file was given. Start the program with the encrypted file (*.cry) "
                       "as its argument.");
        return {};
    }
    const auto picked = platform::services().ui->PickOpenFile(
        "Select the encrypted file", {"Encrypted files (*.cry *.CRY)|*.cry"}, folder);
    return picked.value_or(std::string());
}

int run(const DecryptionArguments& args, bool windows)
{
    const Reporter reporter(windows);
    const std::string file = args.file.empty() ? chooseFile(reporter, windows) : absolutePath(args.file);
    if (file.empty())
        return Error;
    const std::string target = args.output.empty() ? defaultDecryptionTarget(file) : absolutePath(args.output);

    std::optional<std::string> password;
    if (args.passwordFromInput)
        password = passwordFromInput();
    for (;;) {
        if (!password) {
            if (!windows) {
                reporter.error("No password was given; use --password-stdin when no windows are shown.");
                return NoPassword;
            }
            platform::PasswordPrompt prompt;
            prompt.title = Title;
            prompt.text = "Enter the password for " + quoted(decryptedFileName(file)) + ":";
            password = platform::askPassword(nullptr, prompt);
            if (!password)
                return NoPassword;
        }
        const DecryptStatus status = decryptFile(file, *password, target);
        if (status == DecryptStatus::Ok)
            break;
        if (status == DecryptStatus::WrongPassword && windows && !args.passwordFromInput) {
            reporter.warning(statusText(status, file));
            password.reset();  // ask again
            continue;
        }
        reporter.error(statusText(status, file));
        return status == DecryptStatus::WrongPassword ? NoPassword : Error;
    }

    if (args.open && !platform::services().shell->ShellOpen(target)) {
        reporter.error("The decrypted file " + quoted(target) + " could not be opened.");
        return Error;
    }
    return Success;
}

const char* const Usage =
    "Usage: BE.exe [FILE.cry] [--password-stdin] [--output=FILE] [--no-open]\n"
    "Restores a file encrypted at menu creation and opens it with the desktop's program.\n"
    "  --password-stdin  read the password from the first line of standard input\n"
    "  --output=FILE     write the restored file here (default: the temporary folder)\n"
    "  --no-open         do not open the restored file, and show no windows";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The wide command line, so that file names in any script survive.
    const DecryptionArguments args = parseDecryptionArguments(platform::commandLineArguments());
    if (args.help) {
        writeLine(STD_OUTPUT_HANDLE, Usage);
        return Success;
    }
    if (!args.unknown.empty()) {
        writeLine(STD_ERROR_HANDLE, "BE: unknown option " + args.unknown);
        writeLine(STD_OUTPUT_HANDLE, Usage);
        return Error;
    }
    platform::Win32Services services;
    // Scripts (--no-open) run without windows; everything else may show them.
    return run(args, args.open);
}
