#include "editor/media/media_backend.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orv::editor {

namespace {

struct Plugin {
    const char* file;
    const char* package;
};

// The elements Qt's player builds its pipeline from.
constexpr Plugin NeededPlugins[] = {
    {"libgstplayback.so", "gstreamer1.0-plugins-base"},
    {"libgstaudioconvert.so", "gstreamer1.0-plugins-base"},
    {"libgstautodetect.so", "gstreamer1.0-plugins-good"},
};

}  // namespace

QStringList mediaPluginFolders()
{
    QStringList folders;
    for (const char* variable : {"GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_PATH"})
        folders += qEnvironmentVariable(variable).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QStringLiteral(ORVANTO_GSTREAMER_PLUGIN_DIR);
    return folders;
}

QString missingMediaPlugins(const QStringList& folders)
{
    const QString backend = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (!backend.isEmpty() && backend != QLatin1String("gstreamer"))
        return {};
    QStringList packages;
    for (const Plugin& plugin : NeededPlugins) {
        const bool found = std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
            return QFileInfo::exists(QDir(folder).filePath(QLatin1String(plugin.file)));
        });
        if (!found && !packages.contains(QLatin1String(plugin.package)))
            packages << QLatin1String(plugin.package);
    }
    if (packages.isEmpty())
        return {};
    return QCoreApplication::translate("MediaPlayback",
                                       "Sounds and movies cannot be played: the GStreamer plugins they need are not "
                                       "installed. Install the packages %1 and start the editor again.")
        .arg(packages.join(QLatin1String(", ")));
}

}  // namespace orv::editor
