#include "editor/media/media_playback.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

#include "editor/media/media_backend.h"

namespace orv::editor {

MediaPlayback::MediaPlayback(QObject* parent) : QObject(parent) {}

MediaPlayback::~MediaPlayback()
{
    if (video_)
        video_->deleteLater();
}

bool MediaPlayback::ensurePlayer()
{
    // Created on first use: the multimedia back end takes a while to load, and most
    // sessions never play anything.
    if (player_)
        return true;
    if (const QString problem = missingMediaPlugins(mediaPluginFolders()); !problem.isEmpty()) {
        emit failed(current_, problem);
        return false;
    }
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        const bool playing = state == QMediaPlayer::PlayingState;
        if (playing == playing_)
            return;
        playing_ = playing;
        emit playingChanged(playing_);
    });
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        emit failed(current_, text);
    });
    return true;
}

void MediaPlayback::play(const QString& hostFile)
{
    current_ = hostFile;
    if (!ensurePlayer())
        return;
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(hostFile));
    player_->play();
}

void MediaPlayback::playSound(const QString& hostFile)
{
    if (video_)
        video_->hide();
    if (player_)
        player_->setVideoOutput(nullptr);
    play(hostFile);
}

void MediaPlayback::playMovie(const QString& hostFile, QWidget* parent)
{
    current_ = hostFile;
    if (!ensurePlayer())
        return;
    if (!video_) {
        video_ = new QVideoWidget(parent);
        video_->setWindowFlags(Qt::Tool);
        video_->setWindowTitle(tr("Movie"));
        video_->resize(480, 320);
    }
    player_->setVideoOutput(video_);
    video_->show();
    video_->raise();
    play(hostFile);
}

bool MediaPlayback::isPlaying() const
{
    return playing_;
}

void MediaPlayback::stopAndClose()
{
    if (!player_)
        return;
    player_->stop();
    player_->setSource(QUrl());
    current_.clear();
    if (video_)
        video_->hide();
    if (playing_) {
        playing_ = false;
        emit playingChanged(false);
    }
}

}  // namespace orv::editor
