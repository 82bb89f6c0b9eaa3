#pragma once

#include <filesystem>
#include <memory>

#include "store/sound_player.h"

namespace brinox {

// Qt Multimedia and the audio libraries below it take longer to load than the
// whole pedigree takes to appear, so the program does not link them: the real
// player lives in the module brinox_sound.so beside the program, loaded at the
// first sound there is to play. Without the module every sound stays silent.
class DeferredSoundPlayer : public SoundPlayer {
public:
    // The module beside the running program.
    DeferredSoundPlayer();
    explicit DeferredSoundPlayer(std::filesystem::path module);
    ~DeferredSoundPlayer() override;

    // A WAV file with a pad byte after odd-length sound data is played from
    // memory without that byte (see texts/wave_bytes.h).
    void play(const std::filesystem::path& file) override;
    void playBytes(std::vector<std::uint8_t> wave) override;
    void stop() override;
    bool stopped() const override;
    void close() override;

    // Whether the module has been loaded and gave a player.
    bool loaded() const { return m_player != nullptr; }

private:
    // The module's player, loaded at the first call; null without the module.
    SoundPlayer* player();

    std::filesystem::path m_module;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
};

}  // namespace brinox
