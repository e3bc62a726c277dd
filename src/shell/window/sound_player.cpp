#include "shell/window/sound_player.h"

#include <filesystem>

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::shell {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

std::string SoundPlayer::firstExisting(const std::vector<std::string>& files)
{
    const platform::FileSystem* fs = platform::services().files;
    for (const std::string& file : files) {
        const std::filesystem::path host = fs ? fs->hostPath(file) : std::filesystem::path(file);
        std::error_code ec;
        if (std::filesystem::is_regular_file(host, ec))
            return host.string();
    }
    return {};
}

void SoundPlayer::play(SoundUse use, const std::vector<std::string>& files)
{
    const std::string found = firstExisting(files);
    Channel& c = channels_[static_cast<std::size_t>(use)];
    if (found.empty()) {
        stop(use);
        return;
    }
    const bool background = use == SoundUse::Background;
    if (background && c.player && c.file == found && c.player->playbackState() == QMediaPlayer::PlayingState)
        return;  // the next menu has the same music: it plays on
    if (!c.player) {
        c.player = new QMediaPlayer(this);
        c.output = new QAudioOutput(this);
        c.player->setAudioOutput(c.output);
    }
    c.file = found;
    c.player->setLoops(background ? QMediaPlayer::Infinite : 1);
    c.player->setSource(QUrl::fromLocalFile(QString::fromStdString(found)));
    c.player->play();
}

void SoundPlayer::stop(SoundUse use)
{
    Channel& c = channels_[static_cast<std::size_t>(use)];
    if (c.player)
        c.player->stop();
    c.file.clear();
}

}  // namespace orv::shell
