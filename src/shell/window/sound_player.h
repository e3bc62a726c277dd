// The menu's sounds on the host: one player for each use, so a hover sound never cuts the
// background music short. Players are made when a sound first plays.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "shell/session/menu_host.h"

class QAudioOutput;
class QMediaPlayer;

namespace orv::shell {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays the first of the Windows-form paths that exists; the background loops and keeps
    // playing when the same file is asked for again.
    void play(SoundUse use, const std::vector<std::string>& files);
    void stop(SoundUse use);

    // The host path of the first Windows-form path whose file exists; empty when none does.
    static std::string firstExisting(const std::vector<std::string>& files);

private:
    struct Channel {
        QMediaPlayer* player = nullptr;
        QAudioOutput* output = nullptr;
        std::string file;
    };
    std::array<Channel, 3> channels_;
};

}  // namespace orv::shell
