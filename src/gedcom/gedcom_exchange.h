#pragma once

// The two GEDCOM commands as the user gives them, with their messages:
// writing the open family to a file, and reading a file as a new family.

#include <filesystem>
#include <optional>
#include <string>

#include "gedcom/gedcom_export.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Writes the family to `file`, replacing it without ever leaving it half
// written. Nothing after the error report when it could not be written.
std::optional<GedcomCounts> exportFamily(const Session& session, const std::filesystem::path& file,
                                         const Moment& today, Prompt& prompt);

enum class ImportOutcome {
    Imported,
    Refused,  // the code cannot name a new family: nothing was read
    Failed,   // the file could not be read or was refused, or writing failed
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Failed;
    int persons = 0;
    int unions = 0;
};

// Reads `file` as the new family `code` (Windows-1252, as typed) in the data
// folder, with the summary message at the end. The open family is not
// touched; the caller opens the new one.
ImportResult importFamily(const std::filesystem::path& file, const std::filesystem::path& dataDirectory,
                          const std::string& code, Prompt& prompt, FileCalls& calls = systemFileCalls());

}  // namespace brinox
