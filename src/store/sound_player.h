#pragma once

#include <filesystem>

namespace brinox {

// Plays a sound file. A sound that is missing or cannot be played stays
// silent: sounds are a greeting, never worth a message. Tests pass a fake.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts `file` from its beginning, ending what was playing.
    virtual void play(const std::filesystem::path& file) = 0;
    virtual void stop() = 0;
};

}  // namespace brinox
