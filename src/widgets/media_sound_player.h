#pragma once

#include <memory>

#include "store/sound_player.h"

class QAudioOutput;
class QBuffer;
class QMediaPlayer;

namespace brinox {

// Sounds through Qt Multimedia. Built into the sound module (see
// deferred_sound_player.h), never into the program itself.
class MediaSoundPlayer : public SoundPlayer {
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    void play(const std::filesystem::path& file) override;
    void playBytes(std::vector<std::uint8_t> wave) override;
    void stop() override;
    bool stopped() const override;
    void close() override;

private:
    // Declared in this order so that the player goes before the bytes it
    // reads and before its output.
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QBuffer> m_bytes;
    std::unique_ptr<QMediaPlayer> m_player;
    bool m_holding = false;
};

}  // namespace brinox

// The module's one entry point: a new player, owned by the caller.
extern "C" brinox::SoundPlayer* brinoxMakeSoundPlayer();
