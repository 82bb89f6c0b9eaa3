#include "widgets/media_sound_player.h"

#include <QAudioOutput>
#include <QBuffer>
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
    m_bytes.reset();
    m_holding = true;
    m_player->play();
}

void MediaSoundPlayer::playBytes(std::vector<std::uint8_t> wave) {
    m_player->stop();
    auto bytes = std::make_unique<QBuffer>();
    bytes->setData(reinterpret_cast<const char*>(wave.data()), static_cast<qsizetype>(wave.size()));
    bytes->open(QIODevice::ReadOnly);
    // The name only tells the player what kind of bytes these are.
    m_player->setSourceDevice(bytes.get(), QUrl("geluid.wav"));
    m_bytes = std::move(bytes);
    m_holding = true;
    m_player->play();
}

void MediaSoundPlayer::stop() { m_player->stop(); }

bool MediaSoundPlayer::stopped() const {
    return m_holding && m_player->playbackState() == QMediaPlayer::StoppedState;
}

void MediaSoundPlayer::close() {
    m_player->stop();
    m_player->setSource(QUrl());
    m_bytes.reset();
    m_holding = false;
}

}  // namespace brinox

extern "C" brinox::SoundPlayer* brinoxMakeSoundPlayer() { return new brinox::MediaSoundPlayer(); }
