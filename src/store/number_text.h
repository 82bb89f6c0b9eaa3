#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "store/record_no.h"

namespace brinox {

// The number in a text the user typed or a window built: decimal digits
// only, blanks and tabs around them ignored. Empty for an empty text, any
// other character (signs included) and values above 65535, which the record
// cannot hold and which must be refused rather than wrapped.
std::optional<std::uint16_t> parseNumberText(std::string_view text);

// The record number that the selection window handed back; empty when
// nothing was chosen. 0 (an empty history line) names nobody.
std::optional<RecordNo> chosenRecord(std::string_view selectionResult);

}  // namespace brinox
