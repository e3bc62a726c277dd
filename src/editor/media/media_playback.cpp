#include "editor/media/media_playback.h"

#include <QDir>
#include <QLibrary>

#include "editor/media/media_backend.h"
#include "editor/media/media_engine.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv::editor {

MediaPlayback::MediaPlayback(QObject* parent, QString module) : QObject(parent), module_(std::move(module)) {}

MediaPlayback::~MediaPlayback() = default;

QString MediaPlayback::defaultModule()
{
    const auto& services = platform::services();
    const QString folder = QString::fromStdString(services.files->hostPath(services.folders->ProgramFolder()).string());
    return QDir(folder).filePath(QLatin1String(MediaModulePath));
}

bool MediaPlayback::ensurePlayer()
{
    // Made on first use: the module brings Qt Multimedia and its back end, which take a
    // while to load, and most sessions never play anything. The module stays loaded.
    if (engine_)
        return true;
    const QString file = module_.isEmpty() ? defaultModule() : module_;
    QLibrary library(file);
    const auto create = reinterpret_cast<CreateMediaEngine>(library.resolve(CreateMediaEngineSymbol));
    if (!create) {
        emit failed(current_, tr("Sounds and movies cannot be played: the editor's media module %1 is missing or "
                                 "cannot be loaded (%2). Install the editor again.")
                                  .arg(QDir::toNativeSeparators(file), library.errorString()));
        return false;
    }
    if (const QString problem = missingMediaPlugins(mediaPluginFolders()); !problem.isEmpty()) {
        emit failed(current_, problem);
        return false;
    }
    MediaEngine::Events events;
    events.playingChanged = [this](bool playing) { setPlaying(playing); };
    events.failed = [this](const QString& reason) { emit failed(current_, reason); };
    engine_.reset(create(std::move(events)));
    return engine_ != nullptr;
}

void MediaPlayback::setPlaying(bool playing)
{
    if (playing == playing_)
        return;
    playing_ = playing;
    emit playingChanged(playing_);
}

void MediaPlayback::playSound(const QString& hostFile)
{
    current_ = hostFile;
    if (ensurePlayer())
        engine_->playSound(hostFile);
}

void MediaPlayback::playMovie(const QString& hostFile, QWidget* parent)
{
    current_ = hostFile;
    if (ensurePlayer())
        engine_->playMovie(hostFile, parent);
}

bool MediaPlayback::isPlaying() const
{
    return playing_;
}

void MediaPlayback::stopAndClose()
{
    if (!engine_)
        return;
    engine_->stopAndClose();
    current_.clear();
    setPlaying(false);
}

}  // namespace orv::editor
