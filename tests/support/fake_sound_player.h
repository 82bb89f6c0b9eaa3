#pragma once

#include <filesystem>
#include <vector>

#include "store/sound_player.h"

namespace brinox::testing {

// Remembers every file it was asked to play, and how often it was stopped.
class FakeSoundPlayer : public SoundPlayer {
public:
    std::vector<std::filesystem::path> played;
    int stops = 0;

    void play(const std::filesystem::path& file) override { played.push_back(file); }
    void stop() override { ++stops; }
};

}  // namespace brinox::testing
