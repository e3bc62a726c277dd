// ORVNMENU.EXE: shows the menu described by ORVNMENU.MNI beside the program (or by the
// file named on the command line) and runs its buttons. "/TEST" marks a test run of the
// editor, "/RESIZE-ENG" lets the user size the window for the editor.
#include <filesystem>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "shell/menu_description.h"
#include "shell/menu_file_locator.h"
#include "shell/shell_arguments.h"
#include "shell/start_condition.h"
#include "program_support/encryption_services.h"
#include "program_support/program_environment.h"
#include "shell/window/menu_window.h"

using namespace orv::shell;

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("MenuProgram", text);
}

int fail(const QString& text)
{
    QMessageBox::critical(nullptr, tr("Menu"), text);
    return 1;
}
}  // namespace

int main(int argc, char** argv)
{
    // A screenshot needs no screen.
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).toUpper().contains("SCREENSHOT") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVNMENU"));
    ProgramServices services;
    const EncryptionServices encryption(services);  // typed passwords are checked, never stored

    const ShellArguments arguments = parseShellArguments(programArguments());
    // A file names the description to show; a folder (the editor's "Run Created Menu") or
    // nothing means the description in that folder or beside the program.
    std::string file = arguments.menuFile.empty() ? std::string() : windowsFormOfArgument(arguments.menuFile);
    const std::string folder = file.empty() ? programFolder() : file;
    const auto hostFolder = orv::platform::services().files->hostPath(folder);
    if (file.empty() || std::filesystem::is_directory(hostFolder)) {
        const QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize();
        const auto found = findMenuDescriptionFile(hostFolder, screen.width(), screen.height());
        if (found.empty())
            return fail(tr("The menu cannot be shown: the menu description file %1 was not found in the folder\n%2")
                            .arg(QString::fromLatin1(MenuDescriptionFileName), displayPath(folder)));
        file = orv::platform::services().files->windowsPath(found);
    }

    const MenuReadResult read = readMenuDescription(file);
    switch (read.status) {
    case MenuReadStatus::Ok:
        break;
    case MenuReadStatus::Missing:
        return fail(tr("The menu cannot be shown: the menu description file\n%1\nwas not found.").arg(displayPath(file)));
    case MenuReadStatus::Unreadable:
        return fail(tr("The menu cannot be shown: the menu description file\n%1\ncould not be read.").arg(displayPath(file)));
    case MenuReadStatus::Damaged:
        return fail(tr("The menu cannot be shown: the menu description file\n%1\nis damaged or incomplete. "
                       "Create the menu again in the editor.")
                        .arg(displayPath(file)));
    }

    // An installed application may ask for the menu not to show; the editor's test runs and
    // pictures always show it.
    const orv::platform::Registry* registry = orv::platform::services().registry;
    if (!arguments.testRun && !arguments.resizeMode && arguments.screenshotFile.empty() && registry &&
        noStartConditionHolds(read.menu.noStart, *registry))
        return 0;

    MenuWindow window(read.menu, file, arguments);
    if (!arguments.screenshotFile.empty())
        return window.saveScreenshot(arguments.screenshotFile) ? 0 : 1;
    window.show();
    return app.exec();
}
