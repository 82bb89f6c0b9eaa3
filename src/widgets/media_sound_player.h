#pragma once

#include <memory>

#include "store/sound_player.h"

class QAudioOutput;
class QMediaPlayer;

namespace brinox {

// Sounds through Qt Multimedia. Built into the sound module (see
// deferred_sound_player.h), never into the program itself.
class MediaSoundPlayer : public SoundPlayer {
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    void play(const std::filesystem::path& file) override;
    void stop() override;

private:
    // Declared in this order so that the player goes before its output.
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};

}  // namespace brinox

// The module's one entry point: a new player, owned by the caller.
extern "C" brinox::SoundPlayer* brinoxMakeSoundPlayer();
