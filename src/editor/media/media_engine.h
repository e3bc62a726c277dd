// The player behind MediaPlayback. It lives in a module of its own, loaded on the first play
// (lib/orvnedit-media.so in the program folder), so that the editor does not load Qt
// Multimedia, its audio server client and codecs at every start. The module and the editor
// are built together; the factory's name carries the interface's version.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace orv::editor {

class MediaEngine {
public:
    struct Events {
        std::function<void(bool playing)> playingChanged;  // playback started or ended
        std::function<void(const QString& reason)> failed;  // the file could not be played
    };

    virtual ~MediaEngine() = default;
    // Plays a sound file (host path); a movie shown before is hidden.
    virtual void playSound(const QString& hostFile) = 0;
    // Shows a movie (host path) in a small preview window over parent and plays it.
    virtual void playMovie(const QString& hostFile, QWidget* parent) = 0;
    // Playback ends and the file is released.
    virtual void stopAndClose() = 0;
};

// The module's one exported function: a new engine that reports through events.
using CreateMediaEngine = MediaEngine* (*)(MediaEngine::Events events);
inline constexpr const char* CreateMediaEngineSymbol = "orvanto_create_media_engine_1";
// Where the module lies, relative to the program folder.
inline constexpr const char* MediaModulePath = "lib/orvnedit-media.so";

}  // namespace orv::editor
