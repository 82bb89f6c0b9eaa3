#pragma once

// Little-endian numbers and length-prefixed texts inside fixed-size records.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brinox {

inline std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

inline void writeU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void writeU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

// A text stored as one length byte and `capacity` character bytes.
inline std::string readShortText(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(bytes[at], capacity);
    return std::string(reinterpret_cast<const char*>(bytes.data() + at + 1), length);
}

inline void writeShortText(std::span<std::uint8_t> bytes, std::size_t at, std::size_t capacity,
                           std::string_view text) {
    const std::size_t length = std::min(text.size(), capacity);
    bytes[at] = static_cast<std::uint8_t>(length);
    std::fill_n(bytes.begin() + at + 1, capacity, std::uint8_t{0});
    std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), length, bytes.begin() + at + 1);
}

}  // namespace brinox
