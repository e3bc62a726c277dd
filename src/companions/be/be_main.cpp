// BE.exe: restores a file that menu creation encrypted for a password-protected button.
// It asks for the password (unless --password-stdin reads it from standard input),
// decrypts "<name>.cry" under the original name into a folder only the user can read (or
// into --output=) and opens it with the desktop's program (unless --no-open). A
// wrong password writes nothing. Exit code 0 on success, 1 for a wrong or withheld
// password, 2 otherwise.
#include <cstdio>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "companions/decryption_run.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "program_support/encryption_services.h"
#include "program_support/problem_report.h"
#include "program_support/program_environment.h"

using namespace orv;
using namespace orv::companions;
using shell::toQString;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DecryptionProgram", text);
}

// Message boxes or the error output, Qt's dialogs and the standard input of this system.
class HostFrontEnd final : public DecryptionFrontEnd {
public:
    explicit HostFrontEnd(bool windows) : windows_(windows) {}

    void error(const std::string& text) override
    {
        shell::reportProblem(windows_, "BE", tr(DecryptionTitle), toQString(text));
    }
    void warning(const std::string& text) override
    {
        shell::reportProblem(windows_, "BE", tr(DecryptionTitle), toQString(text), QMessageBox::Warning);
    }

    std::optional<std::string> askPassword(const std::string& fileName) override
    {
        QInputDialog ask;
        ask.setWindowTitle(tr(DecryptionTitle));
        ask.setLabelText(tr("Enter the password for \"%1\":").arg(toQString(fileName)));
        ask.setTextEchoMode(QLineEdit::Password);
        ask.resize(400, ask.sizeHint().height());
        if (ask.exec() != QDialog::Accepted)
            return std::nullopt;
        return ask.textValue().toStdString();
    }

    std::optional<std::string> readPasswordLine() override
    {
        std::string line;
        if (!std::getline(std::cin, line) && line.empty())
            return std::nullopt;
        return passwordLine(line);
    }

    std::string pickEncryptedFile(const std::string& folder) override
    {
        const QString picked = QFileDialog::getOpenFileName(
            nullptr, tr("Select the encrypted file"),
            QString::fromStdString(platform::services().files->hostPath(folder).string()),
            tr("Encrypted files (*.cry *.CRY)"));
        return picked.isEmpty() ? std::string() : shell::windowsFormOfArgument(picked.toStdString());
    }

    std::string absolutePath(const std::string& argument) override { return shell::windowsFormOfArgument(argument); }
    std::string displayPath(const std::string& windowsPath) override
    {
        return shell::displayPath(windowsPath).toStdString();
    }

    // Without ORVANTO_HOME the session's runtime folder: the user's alone, on most systems in
    // memory and emptied at logout. Else, or without one, the temporary folder (with
    // ORVANTO_HOME its Temp; a shared /tmp is safe too, as each restore folder is private).
    std::string restoreBase() override
    {
        if (qEnvironmentVariableIsEmpty("ORVANTO_HOME")) {
            const QFileInfo runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
            if (!runtime.filePath().isEmpty() && runtime.isAbsolute() && runtime.isDir())
                return shell::windowsFormOfArgument(runtime.filePath().toStdString());
        }
        return DecryptionFrontEnd::restoreBase();
    }

private:
    bool windows_;
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> raw(argv + 1, argv + argc);
    const DecryptionArguments args = parseDecryptionArguments(raw);
    if (args.help) {
        std::puts(DecryptionUsage);
        return DecryptionSucceeded;
    }
    if (!args.unknown.empty()) {
        std::fprintf(stderr, "BE: unknown option %s\n", args.unknown.c_str());
        std::puts(DecryptionUsage);
        return DecryptionFailed;
    }

    // Scripts (--no-open) run without a display; everything else may show windows.
    const bool windows = args.open;
    std::unique_ptr<QCoreApplication> app;
    if (windows)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    shell::ProgramServices services;
    const shell::EncryptionServices encryption(services);
    HostFrontEnd frontEnd(windows);
    return runDecryption(args, windows, frontEnd);
}
