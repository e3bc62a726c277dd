// BE.exe: restores a file that menu creation encrypted for a password-protected button.
// It asks for the password (unless --password-stdin reads it from standard input),
// decrypts "<name>.cry" into a folder of its own in the temporary folder under the original
// name (or into --output=) and opens it with the desktop's program (unless --no-open). A
// wrong password writes nothing. Exit code 0 on success, 1 for a wrong or withheld
// password, 2 otherwise.
#include <cstdio>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "companions/decryption.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/host/host_crypto.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "shell/support/problem_report.h"
#include "shell/support/program_environment.h"

using namespace orv;
using namespace orv::companions;
using shell::toQString;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DecryptionProgram", text);
}

enum ExitCode { Success = 0, NoPassword = 1, Error = 2 };

// Where messages go: message boxes, or stderr when the program runs without windows.
class Reporter {
public:
    explicit Reporter(bool windows) : windows_(windows) {}
    void error(const QString& text) const { shell::reportProblem(windows_, "BE", tr("Decrypt File"), text); }
    void warning(const QString& text) const
    {
        shell::reportProblem(windows_, "BE", tr("Decrypt File"), text, QMessageBox::Warning);
    }

private:
    bool windows_;
};

QString statusText(DecryptStatus status, const std::string& file)
{
    const QString name = toQString(FileNamePart(file));
    switch (status) {
    case DecryptStatus::NotEncrypted:
        return tr("\"%1\" is not an encrypted file (its name does not end in \".cry\").").arg(name);
    case DecryptStatus::SourceMissing:
        return tr("The encrypted file \"%1\" was not found.").arg(shell::displayPath(file));
    case DecryptStatus::WrongPassword:
        return tr("The password is not correct. The file \"%1\" was not decrypted.").arg(name);
    case DecryptStatus::Damaged:
        return tr("The file \"%1\" is damaged and cannot be decrypted.").arg(name);
    case DecryptStatus::WriteFailed:
        return tr("The decrypted file could not be written. Check that the target folder is writable.");
    default:
        return tr("The file \"%1\" could not be decrypted.").arg(name);
    }
}

// The file to decrypt when none is named: the only encrypted file beside the program, or
// the one the user picks.
std::string chooseFile(const Reporter& reporter, bool windows)
{
    const std::string folder = shell::programFolder();
    const auto found = encryptedFilesIn(folder);
    if (found.size() == 1)
        return found.front();
    if (!windows || found.empty()) {
        reporter.error(tr("No encrypted file was given. Start the program with the encrypted file (*.cry) "
                          "as its argument."));
        return {};
    }
    const QString picked = QFileDialog::getOpenFileName(
        nullptr, tr("Select the encrypted file"),
        QString::fromStdString(platform::services().files->hostPath(folder).string()),
        tr("Encrypted files (*.cry *.CRY)"));
    return picked.isEmpty() ? std::string() : shell::windowsFormOfArgument(picked.toStdString());
}

int run(const DecryptionArguments& args, bool windows)
{
    const Reporter reporter(windows);
    std::string file = args.file.empty() ? chooseFile(reporter, windows) : shell::windowsFormOfArgument(args.file);
    if (file.empty())
        return Error;
    const std::string target =
        args.output.empty() ? defaultDecryptionTarget(file) : shell::windowsFormOfArgument(args.output);

    std::optional<std::string> password;
    if (args.passwordFromInput) {
        std::string line;
        std::getline(std::cin, line);
        password = passwordLine(line);
    }
    for (;;) {
        if (!password) {
            if (!windows) {
                reporter.error(tr("No password was given; use --password-stdin when no windows are shown."));
                return NoPassword;
            }
            QInputDialog ask;
            ask.setWindowTitle(tr("Decrypt File"));
            ask.setLabelText(tr("Enter the password for \"%1\":").arg(toQString(decryptedFileName(file))));
            ask.setTextEchoMode(QLineEdit::Password);
            ask.resize(400, ask.sizeHint().height());
            if (ask.exec() != QDialog::Accepted)
                return NoPassword;
            password = ask.textValue().toStdString();
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
        reporter.error(tr("The decrypted file \"%1\" could not be opened.").arg(shell::displayPath(target)));
        return Error;
    }
    return Success;
}

void printUsage()
{
    std::puts("Usage: BE.exe [FILE.cry] [--password-stdin] [--output=FILE] [--no-open]\n"
              "Restores a file encrypted at menu creation and opens it with the desktop's program.\n"
              "  --password-stdin  read the password from the first line of standard input\n"
              "  --output=FILE     write the restored file here (default: the temporary folder)\n"
              "  --no-open         do not open the restored file, and show no windows");
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> raw(argv + 1, argv + argc);
    const DecryptionArguments args = parseDecryptionArguments(raw);
    if (args.help) {
        printUsage();
        return Success;
    }
    if (!args.unknown.empty()) {
        std::fprintf(stderr, "BE: unknown option %s\n", args.unknown.c_str());
        printUsage();
        return Error;
    }

    // Scripts (--no-open) run without a display; everything else may show windows.
    const bool windows = args.open;
    std::unique_ptr<QCoreApplication> app;
    if (windows)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    shell::ProgramServices services;
    // The one program here that decrypts: encryption comes on top of the basic services.
    platform::HostCrypto crypto(services.base().files());
    platform::Services withCrypto = services.base().services();
    withCrypto.crypto = &crypto;
    services.base().install(withCrypto);
    return run(args, windows);
}
