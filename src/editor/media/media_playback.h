// The editor's one media player: plays a sound of the Sound tab or previews the menu movie.
// Only one thing plays at a time; a test run or a run of the created menu stops and closes
// it first. The player itself is in the media module (see media_engine.h), loaded on the
// first play.
#pragma once

#include <memory>

#include <QObject>
#include <QString>

class QWidget;

namespace orv::editor {

class MediaEngine;

class MediaPlayback : public QObject {
    Q_OBJECT
public:
    // module: the media module's file; empty for the one in the program folder.
    explicit MediaPlayback(QObject* parent = nullptr, QString module = {});
    ~MediaPlayback() override;

    // Plays a sound file (host path); what played before stops.
    void playSound(const QString& hostFile);
    // Shows a movie (host path) in a small preview window over parent and plays it.
    void playMovie(const QString& hostFile, QWidget* parent);

    bool isPlaying() const;
    // "Stop" and then "Close": playback ends and the file is released.
    void stopAndClose();

    // The file now loaded (empty when closed).
    QString currentFile() const { return current_; }

    // The media module's file in the program folder.
    static QString defaultModule();

signals:
    // Playback started or ended (also when a file plays to its end or fails to load).
    void playingChanged(bool playing);
    // A file could not be played; the text says why.
    void failed(const QString& file, const QString& reason);

private:
    bool ensurePlayer();  // false (and failed emitted) when nothing can play here
    void setPlaying(bool playing);

    QString module_;
    std::unique_ptr<MediaEngine> engine_;
    QString current_;
    bool playing_ = false;
};

}  // namespace orv::editor
