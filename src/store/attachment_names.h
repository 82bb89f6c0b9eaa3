#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "store/record_no.h"

namespace brinox {

// The record number as at least three digits: 7 gives "007", 123 gives "123".
std::string PersonKey(RecordNo r);

// "fam" + key + letter + extension, the name of an attachment file.
std::string attachmentName(RecordNo r, std::string_view letter, std::string_view extension);

// familyDirectory + "fam" + key + letter + extension, spelled as the file on
// disk when one exists in another letter case. `letter` may be empty.
std::filesystem::path AttachmentPath(const std::filesystem::path& familyDirectory, RecordNo r,
                                     std::string_view letter, std::string_view extension);

// Whether that attachment exists, in any letter case.
bool attachmentExists(const std::filesystem::path& familyDirectory, RecordNo r, std::string_view letter,
                      std::string_view extension);

}  // namespace brinox
