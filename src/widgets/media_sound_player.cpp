#include "widgets/media_sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace brinox {

MediaSoundPlayer::MediaSoundPlayer()
    : m_output(std::make_unique<QAudioOutput>()), m_player(std::make_unique<QMediaPlayer>()) {
    m_player->setAudioOutput(m_output.get());
}

MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::play(const std::filesystem::path& file) {
    // Stopping first makes the same file start again from its beginning.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    m_player->play();
}

void MediaSoundPlayer::stop() { m_player->stop(); }

}  // namespace brinox

extern "C" brinox::SoundPlayer* brinoxMakeSoundPlayer() { return new brinox::MediaSoundPlayer(); }
