// orvnedit: the editor. Without a display it says so in one line instead of crashing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

#include "model/editor_options.h"
#include "platform/host/host_services.h"

namespace {

bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Veltrona Orvanto 8.6.9");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: orvnedit [PROJECT.mnp]\n"
                      "       orvnedit PROJECT.mnp /BUILD [/BUILDFOLDER:FOLDER] [/LOG:FILE]");
            return 0;
        }
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "orvnedit: no display available; set DISPLAY to start the editor, "
                             "or build a project with PROJECT.mnp /BUILD\n");
        return 1;
    }
    QApplication app(argc, argv);
    orv::platform::HostServices services(nullptr);
    orv::ReadEditorOptions();

    QMainWindow window;
    window.setWindowTitle(QObject::tr("Veltrona Orvanto - [CD/DVD] - [noname]"));
    auto* tabs = new QTabWidget(&window);
    for (const char* name : {"Window", "Title", "Buttons", "Buttons (text)", "Pictures", "Sound", "Movies", "Version"})
        tabs->addTab(new QWidget(tabs), QObject::tr(name));
    window.setCentralWidget(tabs);
    window.resize(900, 640);
    window.show();
    return app.exec();
}
