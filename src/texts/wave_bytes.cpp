#include "texts/wave_bytes.h"

#include <algorithm>
#include <cstring>
#include <variant>

#include "store/regular_file.h"

namespace brinox {
namespace {

constexpr std::size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeader = 8;  // id, size

std::uint32_t readLittleEndian32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

bool hasId(const std::uint8_t* at, const char* id) { return std::memcmp(at, id, 4) == 0; }

}  // namespace

std::optional<std::vector<std::uint8_t>> waveWithoutPadByte(std::span<const std::uint8_t> wave) {
    if (wave.size() < kRiffHeader || !hasId(wave.data(), "RIFF") || !hasId(wave.data() + 8, "WAVE")) {
        return std::nullopt;
    }
    // 64-bit offsets: a chunk size near 4 GB must not wrap around.
    std::uint64_t at = kRiffHeader;
    while (at + kChunkHeader <= wave.size()) {
        const std::uint8_t* header = wave.data() + at;
        const std::uint64_t size = readLittleEndian32(header + 4);
        const std::uint64_t padAt = at + kChunkHeader + size;
        if (hasId(header, "data")) {
            if (size % 2 == 0 || padAt >= wave.size()) return std::nullopt;
            std::vector<std::uint8_t> bytes(wave.begin(), wave.end());
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(padAt));
            return bytes;
        }
        at = padAt + size % 2;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> waveFileWithoutPadByte(const std::filesystem::path& file,
                                                                 FileCalls& calls) {
    const auto read = readRegularFile(file, kWaveReadLimit, calls);
    const auto* content = std::get_if<FileBytes>(&read);
    if (!content || content->beyondLimit) return std::nullopt;
    return waveWithoutPadByte(content->bytes);
}

}  // namespace brinox
