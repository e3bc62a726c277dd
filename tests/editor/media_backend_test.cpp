// The checks before the editor makes its media player: Qt's GStreamer back end crashes when
// GStreamer's plugins are missing, and the player's module may be missing, so the editor
// must say so instead.
#include "editor/media/media_backend.h"
#include "editor/media/media_playback.h"

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

TEST(MediaBackendTest, AMissingMediaModuleIsReportedWhenPlaying)
{
    QTemporaryDir folder;
    const QString module = QDir(folder.path()).filePath(QStringLiteral("orvnedit-media.so"));
    MediaPlayback playback(nullptr, module);
    QStringList failed;
    QObject::connect(&playback, &MediaPlayback::failed,
                     [&](const QString& file, const QString& reason) { failed << file << reason; });
    const QString sound = QDir(folder.path()).filePath(QStringLiteral("click.wav"));
    playback.playSound(sound);
    ASSERT_EQ(failed.size(), 2);
    EXPECT_EQ(failed[0], sound);
    const QString reason = failed[1];
    EXPECT_TRUE(reason.contains(QLatin1String("media module")) && reason.contains(module)) << reason.toStdString();
    EXPECT_FALSE(playback.isPlaying());
    playback.stopAndClose();  // nothing to stop
    EXPECT_FALSE(playback.isPlaying());
}

}  // namespace
}  // namespace orv::editor
