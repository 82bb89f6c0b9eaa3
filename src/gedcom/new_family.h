#pragma once

// Writing an imported family as a family of its own. Everything goes into a
// hidden folder beside the families first; only when all of it is written
// and flushed does that folder take the family's name, so a crash or a full
// disk never leaves half a family, and no existing family is touched.

#include <filesystem>
#include <optional>
#include <string>

#include "gedcom/gedcom_import.h"
#include "store/file_calls.h"

namespace brinox {

struct NewFamilyFailure {
    int error = 0;               // errno; EEXIST when the family exists already
    std::filesystem::path file;  // what it concerned
};

// Whether a family `code` (Windows-1252, upper case) exists in any letter case.
bool familyExists(const std::filesystem::path& dataDirectory, const std::string& code);

std::optional<NewFamilyFailure> writeNewFamily(const std::filesystem::path& dataDirectory, const std::string& code,
                                               const ImportedFamily& family, FileCalls& calls = systemFileCalls());

}  // namespace brinox
