#pragma once

// Texts of the family files are Windows-1252 bytes. The core keeps them so;
// these functions convert at the edges (windows, command-line output) and
// compare them the way a Dutch user expects.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace brinox {

// One Windows-1252 byte as its character, and back; the five bytes
// Windows-1252 leaves undefined are the C1 code points of the same value.
char32_t windows1252ToUnicode(std::uint8_t byte);
// Appends `character` to `out` as UTF-8.
void appendUtf8(std::string& out, char32_t character);
std::optional<std::uint8_t> unicodeToWindows1252(char32_t character);

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined map to the C1 code points of the same value, so nothing is lost.
std::string ansiToUtf8(std::string_view ansi);

// UTF-8 to Windows-1252. Empty when a character has no Windows-1252 byte or
// the input is not valid UTF-8: the caller must refuse the text, never store
// a garbled one.
std::optional<std::string> utf8ToAnsi(std::string_view utf8);

// UTF-8 as Windows-1252 for showing in a message: a character it cannot
// hold shows as "?". Never for text that is stored.
std::string ansiForMessage(std::string_view utf8);

// Upper case of the letters a..z only; every other byte stays.
std::string asciiUpper(std::string_view text);

// Upper case of every Windows-1252 letter, accented ones included.
std::string ansiUpper(std::string_view text);

// Case-insensitive ordering of Windows-1252 texts in which an accented letter
// sorts with its base letter (é with e, ï with i), as Dutch dictionaries do.
// Negative, zero or positive like strcmp.
int compareAnsiNoCase(std::string_view a, std::string_view b);

// Both UTF-8 texts (file names) in Windows-1252, upper-cased with every
// letter that has a case (so "müller" and "MÜLLER" agree); empty when either
// holds a character Windows-1252 has no byte for, or is no valid UTF-8.
std::optional<std::pair<std::string, std::string>> foldedAsAnsi(std::string_view a, std::string_view b);

// True when both UTF-8 texts (file names) are equal ignoring letter case: the
// accented letters of Windows-1252 too when both convert to it, else a..z only.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace brinox
