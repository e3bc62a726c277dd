#include "editor/run_editor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>
#include <QTimer>

#include "editor/dialogs/dialog_support.h"
#include "editor/editor_style.h"
#include "editor/main_window.h"
#include "editor/rules/shown_path.h"
#include "model/project_writer.h"
#include "model/editor_options.h"
#include "model/project_folders.h"
#include "model/sibling_products.h"
#include "platform/command_line_path.h"
#include "platform/host/host_services.h"
#include "platform/services.h"
#include "platform/widgets/qt_user_interface.h"
#include "batch/command_line.h"

namespace orv::editor {

namespace {

constexpr const char* StartupTimeFlag = "--startup-time";

long long millisecondsSinceEpoch()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

int runEditor(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    // The flags of this function are not part of the editor's command line.
    bool reportStartup = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], StartupTimeFlag) == 0)
            reportStartup = true;
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    QApplication app(count, args.data());
    QApplication::setApplicationName(QStringLiteral("Orvanto"));
    QApplication::setOrganizationName(QStringLiteral("Veltrona"));
    QApplication::setApplicationVersion(QString::fromLatin1(EditorVersionText));
    QApplication::setDesktopFileName(QStringLiteral("orvanto"));
    QApplication::setStyle(new EditorStyle(QApplication::style()->name()));
    // Without a desktop icon theme Qt falls back to "hicolor", which holds application icons
    // only, yet is searched folder by folder for every icon the style draws (thousands of
    // lookups when its cache is stale): the style's own pictures are then taken at once.
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/orvanto/no-icon-theme")});

    platform::QtUserInterface ui;
    ui.setShownText(ShownPathsInText);
    platform::HostServices services(&ui);
    // The window icon in the sizes window managers show: the X server is sent every size the
    // icon holds, and the large picture costs a decode and a quarter megabyte at start.
    QIcon windowIcon;
    for (int size : {16, 32, 48})
        if (const QString file = resFilePath(QStringLiteral("orvanto-%1.png").arg(size)); QFileInfo::exists(file))
            windowIcon.addFile(file, QSize(size, size));
    if (windowIcon.isNull() && QFileInfo::exists(resFilePath(QStringLiteral("orvanto.png"))))
        windowIcon.addFile(resFilePath(QStringLiteral("orvanto.png")));
    if (!windowIcon.isNull())
        QApplication::setWindowIcon(windowIcon);

    // Start-up in its order: options, the sibling product, the editor's folders.
    ReadEditorOptions();
    DetectSiblingProducts();
    DetermineEditorFolders();

    MainWindow window(nullptr, MainWindow::TabPages::WhenShown);
    window.setCommandLineProject(platform::commandLinePathToWindows(ParseArguments(count, args.data()).projectFile));
    if (reportStartup) {
        window.setInteractiveStartup(false);
        QObject::connect(&window, &MainWindow::firstShown, &window, [&] {
            std::printf("shown %lld %lld\n", millisecondsSinceEpoch(), static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            // Quit without the exit questions and without writing the options.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        });
    }
    // For screenshots and demonstrations: the tab shown first.
    if (const char* tab = std::getenv("ORVANTO_SHOW_TAB")) {
        const int index = std::atoi(tab);
        if (index >= 0 && index < MainTabCount)
            window.showTab(static_cast<MainTab>(index));
    }
    window.show();
    return app.exec();
}

}  // namespace orv::editor
