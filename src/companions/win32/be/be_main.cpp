// BE.exe for Windows: restores a file that menu creation encrypted for a password-protected
// button, as the host's decryption program does. It takes the file from its command line,
// else the only "*.cry" beside it, else asks with an open-file dialog; asks for the password
// until it is right or the user cancels (or reads it with --password-stdin from the first
// line of standard input); restores under the original name into a new folder of its own in
// the user's temporary folder (or into --output=) and opens the result (unless --no-open, which also
// means no windows: messages go to the error output). A wrong password writes nothing.
// Exit code 0 on success, 1 for a wrong or withheld password, 2 otherwise.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "companions/decryption_run.h"
#include "platform/services.h"
#include "platform/user_interface.h"
#include "platform/win32/command_line.h"
#include "platform/win32/password_prompt.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_services.h"

using namespace orv;
using namespace orv::companions;

namespace {

void writeLine(DWORD stream, const std::string& text)
{
    HANDLE out = GetStdHandle(stream);
    if (!out || out == INVALID_HANDLE_VALUE)
        return;
    const std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// A path from the command line, made absolute against the current folder.
std::string absoluteFrom(const std::string& argument)
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(platform::widen(argument), ec);
    return ec ? argument : platform::narrow(path.lexically_normal().native());
}

// Message boxes or the error output, the password dialog, the open-file dialog and the
// standard input of Windows.
class WindowsFrontEnd final : public DecryptionFrontEnd {
public:
    explicit WindowsFrontEnd(bool windows) : windows_(windows) {}

    void error(const std::string& text) override { report(text, MB_ICONERROR); }
    void warning(const std::string& text) override { report(text, MB_ICONWARNING); }

    std::optional<std::string> askPassword(const std::string& fileName) override
    {
        platform::PasswordPrompt prompt;
        prompt.title = DecryptionTitle;
        prompt.text = "Enter the password for \"" + fileName + "\":";
        return platform::askPassword(nullptr, prompt);
    }

    std::optional<std::string> readPasswordLine() override
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

    std::string pickEncryptedFile(const std::string& folder) override
    {
        return platform::services()
            .ui->PickOpenFile("Select the encrypted file", {"Encrypted files (*.cry *.CRY)|*.cry"}, folder)
            .value_or(std::string());
    }

    std::string absolutePath(const std::string& argument) override { return absoluteFrom(argument); }

private:
    void report(const std::string& text, UINT icon) const
    {
        if (windows_)
            MessageBoxW(nullptr, platform::widen(text).c_str(), platform::widen(DecryptionTitle).c_str(),
                        MB_OK | MB_TASKMODAL | icon);
        else
            writeLine(STD_ERROR_HANDLE, "BE: " + text);
    }
    bool windows_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The wide command line, so that file names in any script survive.
    const DecryptionArguments args = parseDecryptionArguments(platform::commandLineArguments());
    if (args.help) {
        writeLine(STD_OUTPUT_HANDLE, DecryptionUsage);
        return DecryptionSucceeded;
    }
    if (!args.unknown.empty()) {
        writeLine(STD_ERROR_HANDLE, "BE: unknown option " + args.unknown);
        writeLine(STD_OUTPUT_HANDLE, DecryptionUsage);
        return DecryptionFailed;
    }
    platform::Win32Services services;
    // Scripts (--no-open) run without windows; everything else may show them.
    WindowsFrontEnd frontEnd(args.open);
    return runDecryption(args, args.open, frontEnd);
}
