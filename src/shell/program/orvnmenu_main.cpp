// ORVNMENU.EXE: shows the menu described by ORVNMENU.MNI beside the program (or by the
// file named on the command line) and runs its buttons. "/TEST" marks a test run of the
// editor, "/RESIZE-ENG" lets the user size the window for the editor.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/file_system.h"
#include "platform/services.h"
#include "shell/menu_description.h"
#include "shell/menu_file_locator.h"
#include "shell/shell_arguments.h"
#include "shell/support/program_environment.h"
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVNMENU"));
    ProgramServices services;

    const ShellArguments arguments = parseShellArguments(programArguments());
    std::string file;
    if (!arguments.menuFile.empty()) {
        file = windowsFormOfArgument(arguments.menuFile);
    } else {
        const QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize();
        const auto found = findMenuDescriptionFile(QCoreApplication::applicationDirPath().toStdString(),
                                                   screen.width(), screen.height());
        if (found.empty())
            return fail(tr("The menu cannot be shown: the menu description file %1 was not found in the folder\n%2")
                            .arg(QString::fromLatin1(MenuDescriptionFileName), displayPath(programFolder())));
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

    MenuWindow window(read.menu, file, arguments);
    window.show();
    return app.exec();
}
