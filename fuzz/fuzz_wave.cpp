// A WAV file may hold anything. Whatever it holds, the look for a pad byte
// after odd-length sound data stays within the bytes and answers either
// nothing or the same bytes with exactly one byte taken out, after a whole
// RIFF WAVE header.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "texts/wave_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brinox::fuzzing::require;
    const brinox::fuzzing::InputFile file(data, size, brinox::kWaveReadLimit);
    const auto bytes = file.bytes();
    const auto corrected = brinox::waveWithoutPadByte(bytes);
    if (!corrected) return 0;
    require(corrected->size() + 1 == bytes.size(), "exactly one byte is taken out");
    const auto differ = std::mismatch(corrected->begin(), corrected->end(), bytes.begin());
    const auto at = static_cast<std::size_t>(differ.first - corrected->begin());
    require(at >= 20, "the byte taken out follows a RIFF header and a chunk header");
    require(std::equal(differ.first, corrected->end(), bytes.begin() + static_cast<std::ptrdiff_t>(at) + 1),
            "the bytes after it stay as they were");
    return 0;
}
