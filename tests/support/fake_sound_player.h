#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "store/sound_player.h"

namespace brinox::testing {

// Remembers every file it was asked to play, and how often it was stopped
// and closed. A sound plays until the test sets `ended` (or `stop()` or
// `close()` is called).
class FakeSoundPlayer : public SoundPlayer {
public:
    std::vector<std::filesystem::path> played;
    std::vector<std::vector<std::uint8_t>> playedBytes;
    int stops = 0;
    int closes = 0;
    bool holding = false;
    bool ended = false;

    void play(const std::filesystem::path& file) override {
        played.push_back(file);
        start();
    }
    void playBytes(std::vector<std::uint8_t> wave) override {
        playedBytes.push_back(std::move(wave));
        start();
    }
    void stop() override {
        ++stops;
        ended = true;
    }
    bool stopped() const override { return holding && ended; }
    void close() override {
        ++closes;
        holding = false;
    }

private:
    void start() {
        holding = true;
        ended = false;
    }
};

}  // namespace brinox::testing
