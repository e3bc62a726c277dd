// The media module: MediaEngine over Qt Multimedia. Only this module links Qt Multimedia.
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVideoWidget>

#include "editor/media/media_engine.h"

namespace orv::editor {
namespace {

class QtMediaEngine final : public MediaEngine {
public:
    explicit QtMediaEngine(Events events) : events_(std::move(events))
    {
        player_.setAudioOutput(&audio_);
        QObject::connect(&player_, &QMediaPlayer::playbackStateChanged, [this](QMediaPlayer::PlaybackState state) {
            if (events_.playingChanged)
                events_.playingChanged(state == QMediaPlayer::PlayingState);
        });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, [this](QMediaPlayer::Error, const QString& text) {
            if (events_.failed)
                events_.failed(text);
        });
    }

    ~QtMediaEngine() override
    {
        player_.disconnect();
        if (video_)
            video_->deleteLater();
    }

    void playSound(const QString& hostFile) override
    {
        if (video_)
            video_->hide();
        player_.setVideoOutput(nullptr);
        play(hostFile);
    }

    void playMovie(const QString& hostFile, QWidget* parent) override
    {
        if (!video_) {
            video_ = new QVideoWidget(parent);
            video_->setWindowFlags(Qt::Tool);
            video_->setWindowTitle(QCoreApplication::translate("MediaPlayback", "Movie"));
            video_->resize(480, 320);
        }
        player_.setVideoOutput(video_.data());
        video_->show();
        video_->raise();
        play(hostFile);
    }

    void stopAndClose() override
    {
        player_.stop();
        player_.setSource(QUrl());
        if (video_)
            video_->hide();
    }

private:
    void play(const QString& hostFile)
    {
        player_.stop();
        player_.setSource(QUrl::fromLocalFile(hostFile));
        player_.play();
    }

    Events events_;
    QAudioOutput audio_;  // before the player, which is destroyed first
    QMediaPlayer player_;
    QPointer<QVideoWidget> video_;
};

}  // namespace
}  // namespace orv::editor

extern "C" Q_DECL_EXPORT orv::editor::MediaEngine* orvanto_create_media_engine_1(orv::editor::MediaEngine::Events events)
{
    return new orv::editor::QtMediaEngine(std::move(events));
}
