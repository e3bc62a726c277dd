// The check before the editor makes its media player: Qt's GStreamer back end crashes when
// GStreamer's plugins are missing, so the editor must say so instead.
#include "editor/media/media_backend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv::editor {
namespace {

TEST(MediaBackendTest, NamesThePackagesOfMissingPluginsAndKeepsQuietWhenAllAreThere)
{
    QTemporaryDir base, good;
    qunsetenv("QT_MEDIA_BACKEND");
    const QString missing = missingMediaPlugins({base.path()});
    EXPECT_TRUE(missing.contains(QLatin1String("gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")))
        << missing.toStdString();

    for (const char* name : {"libgstplayback.so", "libgstaudioconvert.so"})
        QFile(QDir(base.path()).filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    QFile(QDir(good.path()).filePath(QStringLiteral("libgstautodetect.so"))).open(QIODevice::WriteOnly);
    EXPECT_TRUE(missingMediaPlugins({base.path()}).contains(QLatin1String("gstreamer1.0-plugins-good")));
    EXPECT_TRUE(missingMediaPlugins({base.path(), good.path()}).isEmpty());

    qputenv("QT_MEDIA_BACKEND", "ffmpeg");  // another back end: nothing to check
    EXPECT_TRUE(missingMediaPlugins({}).isEmpty());
    qunsetenv("QT_MEDIA_BACKEND");
}

}  // namespace
}  // namespace orv::editor
