#pragma once

// Reads life descriptions: Rich Text Format as old and new editors write it,
// or plain text. The files may be damaged or hostile; reading takes time in
// proportion to their size, and whatever the reader does not know it skips.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "texts/rich_text.h"

namespace brinox {

// Larger files are refused: no life description comes near.
inline constexpr std::size_t kRichTextFileLimit = 16 * 1024 * 1024;

// True when the bytes start as Rich Text Format does, with "{\rtf".
bool looksLikeRtf(std::span<const std::uint8_t> bytes);

// Empty when the bytes are no Rich Text Format or above the limit. Text in a
// code page other than Windows-1252 is read as Windows-1252.
std::optional<RichText> readRtf(std::span<const std::uint8_t> bytes);

// Valid UTF-8 is read as UTF-8, anything else as Windows-1252. CRLF, CR and
// LF each end a paragraph; one at the very end starts no empty paragraph.
// Empty above the limit.
std::optional<RichText> readPlainText(std::span<const std::uint8_t> bytes);

}  // namespace brinox
