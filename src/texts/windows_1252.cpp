#include "texts/windows_1252.h"

#include <array>

namespace brinox {

namespace {

// Bytes 0x80..0x9F; 0 where the byte is undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t windows1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<std::uint8_t> unicodeToWindows1252(char32_t character) {
    if (character >= 0x80 && character <= 0x9F) {
        if (kHighControls[character - 0x80] == 0) return static_cast<std::uint8_t>(character);
        return std::nullopt;
    }
    if (character <= 0xFF) return static_cast<std::uint8_t>(character);
    for (unsigned i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace brinox
