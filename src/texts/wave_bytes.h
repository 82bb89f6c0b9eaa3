#pragma once

// Some WAV files end their sound data on an odd length followed by the pad
// byte that keeps the next chunk on an even offset (every 8-bit mono file
// with an odd number of samples). The audio library on Linux stops such a
// file after a few milliseconds or never ends it, while the same bytes
// without the pad byte play fully. So the player reads the file first and,
// for such a file, plays a corrected copy from memory. The file on disk is
// never changed.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "store/file_calls.h"

namespace brinox {

// Files longer than this are played as they are, without a look inside.
inline constexpr std::size_t kWaveReadLimit = std::size_t{64} << 20;

// The bytes of a RIFF WAVE file without the pad byte after an odd-length
// data chunk; nothing when there is no such byte (any other file, a broken
// one included), so the file plays as it is.
std::optional<std::vector<std::uint8_t>> waveWithoutPadByte(std::span<const std::uint8_t> wave);

// The same for the regular file `file`; nothing as well when it cannot be
// read or is longer than kWaveReadLimit.
std::optional<std::vector<std::uint8_t>> waveFileWithoutPadByte(const std::filesystem::path& file,
                                                                 FileCalls& calls = systemFileCalls());

}  // namespace brinox
