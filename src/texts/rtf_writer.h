#pragma once

// Writes a formatted text as Rich Text Format that old editors read too:
// Windows-1252 characters as themselves or \'hh, every other character as
// \uN with a '?' for readers that do not know it, so nothing is lost. The
// same document always gives the same bytes.

#include <string>

#include "texts/rich_text.h"

namespace brinox {

std::string writeRtf(const RichText& document);

}  // namespace brinox
