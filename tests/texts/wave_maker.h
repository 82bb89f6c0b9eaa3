#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace brinox::testing {

// A mono PCM WAV file of `samples` samples of a soft tone at 8000 Hz, 8 or
// 16 bits each; 8-bit sound data of odd length gets its pad byte.
inline std::vector<std::uint8_t> makeWave(int bits, int samples) {
    std::vector<std::uint8_t> wave;
    const auto put = [&wave](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) wave.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto tag = [&wave](const char* id) {
        for (int i = 0; i < 4; ++i) wave.push_back(static_cast<std::uint8_t>(id[i]));
    };
    const std::uint32_t width = static_cast<std::uint32_t>(bits / 8);
    const std::uint32_t dataSize = width * static_cast<std::uint32_t>(samples);
    tag("RIFF");
    put(4 + 24 + 8 + dataSize + dataSize % 2, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(8000, 4);
    put(8000 * width, 4);
    put(width, 2);
    put(static_cast<std::uint32_t>(bits), 2);
    tag("data");
    put(dataSize, 4);
    for (int i = 0; i < samples; ++i) {
        const double level = 0.3 * std::sin(i * 0.35);
        if (bits == 8) put(static_cast<std::uint32_t>(128 + level * 127), 1);
        else put(static_cast<std::uint32_t>(static_cast<std::int32_t>(level * 32767)) & 0xFFFF, 2);
    }
    if (dataSize % 2) wave.push_back(0);
    return wave;
}

}  // namespace brinox::testing
