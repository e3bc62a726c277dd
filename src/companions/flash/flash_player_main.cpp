// VTFlashPlayer.exe: Flash animations cannot be played on this system, so the player says
// so and opens the animation with the desktop's program for it. The animation is the
// argument, or the one named by VTFlashPlayer.dat beside the player.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "companions/flash_player_data.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "program_support/problem_report.h"
#include "program_support/program_environment.h"

using namespace orv;
using namespace orv::companions;
using shell::toQString;

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("FlashPlayer", text);
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    shell::ProgramServices services;

    const auto args = shell::programArguments();
    const std::string argument = args.empty() ? std::string() : shell::windowsFormOfArgument(args.front());
    const FlashPlayerRequest request = resolveFlashPlayerRequest(argument, shell::programFolder());
    const QString title = request.data.windowTitle.empty() ? tr("Flash Player") : toQString(request.data.windowTitle);
    const bool dialogs = request.data.showDialogBoxes;

    auto fail = [&](const QString& text) {
        shell::reportProblem(dialogs, "VTFlashPlayer", title, text);
        return 1;
    };

    if (request.animation.empty())
        return fail(tr("No Flash animation was given, and no %1 naming one was found beside the flash player.")
                        .arg(QString::fromLatin1(FlashPlayerDataFileName)));
    if (!FileExists(request.animation))
        return fail(tr("The Flash animation \"%1\" was not found.").arg(shell::displayPath(request.animation)));

    if (dialogs)
        QMessageBox::information(nullptr, title,
                                 tr("Flash animations cannot be played on this system.\n\n"
                                    "The animation \"%1\" will now be opened with the program that your desktop "
                                    "uses for this kind of file.")
                                     .arg(toQString(FileNamePart(request.animation))));
    if (!platform::services().shell->ShellOpen(request.animation))
        return fail(tr("No program on this system could open the animation \"%1\".")
                        .arg(toQString(FileNamePart(request.animation))));
    return 0;
}
