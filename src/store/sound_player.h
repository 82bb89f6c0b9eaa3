#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace brinox {

// Plays a sound file. A sound that is missing or cannot be played stays
// silent: sounds are a greeting, never worth a message. Tests pass a fake.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts `file` from its beginning, ending what was playing. Answers at
    // once: the sound plays on while the program goes on.
    virtual void play(const std::filesystem::path& file) = 0;
    // The same for the bytes of a whole WAV file held in memory.
    virtual void playBytes(std::vector<std::uint8_t> wave) = 0;
    virtual void stop() = 0;
    // Whether it holds a sound whose playing has ended or never began; not
    // while one plays, nor after close().
    virtual bool stopped() const = 0;
    // Lets go of the sound it holds, ending it if it still plays.
    virtual void close() = 0;
};

}  // namespace brinox
