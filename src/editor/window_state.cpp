#include "editor/window_state.h"

#include <QMainWindow>
#include <QSettings>
#include <QTabWidget>

#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

namespace {

QString stateFile()
{
    const std::string file = PathDirectoryPart(OptionsFilePath()) + "\\orvnedit-window.ini";
    const platform::FileSystem* files = platform::services().files;
    return QString::fromStdString(files ? files->hostPath(file).string() : file);
}

}  // namespace

void RestoreMainWindowState(QMainWindow& window, QTabWidget& tabs)
{
    const QSettings state(stateFile(), QSettings::IniFormat);
    const QByteArray geometry = state.value(QStringLiteral("MainWindow/Geometry")).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);  // Qt keeps a window that no longer fits on a screen
    const int tab = state.value(QStringLiteral("MainWindow/Tab"), 0).toInt();
    if (tab >= 0 && tab < tabs.count())
        tabs.setCurrentIndex(tab);
}

void SaveMainWindowState(const QMainWindow& window, const QTabWidget& tabs)
{
    QSettings state(stateFile(), QSettings::IniFormat);
    state.setValue(QStringLiteral("MainWindow/Geometry"), window.saveGeometry());
    state.setValue(QStringLiteral("MainWindow/Tab"), tabs.currentIndex());
}

}  // namespace orv::editor
