#pragma once

// Windows-1252 byte by byte, as the rich-text reader and writer need it. The
// five bytes Windows-1252 leaves undefined map to the C1 code points of the
// same value, so every byte has a character and back.

#include <cstdint>
#include <optional>

namespace brinox {

char32_t windows1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> unicodeToWindows1252(char32_t character);

}  // namespace brinox
