#pragma once

// The logic behind "Andere familie": which families exist, accepting a typed
// code, creating a new family, and switching the tables over to it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Upper-case names of the family folders in the data directory (folders
// whose names have no extension), sorted.
std::vector<std::string> listFamilyCodes(const std::filesystem::path& dataDirectory);

// OK of the family window with the typed code (Windows-1252). A code that
// cannot name a family is refused with a message (empty answer). Otherwise
// answers the upper-cased code, after offering to create the family when its
// person file is missing: a folder with an empty person file and an empty
// union file (files already there are kept).
std::optional<std::string> chooseFamilyCode(const std::filesystem::path& dataDirectory, Prompt& prompt,
                                            const std::string& typed);

// Before another family replaces the open one: when the open one has unsaved
// changes, offers to save them. Answers whether the switch may go on.
bool mayLeaveFamily(Session& session, Prompt& prompt);

// Makes `familyCode` the open family: loads it and selects its first person.
void openFamily(Session& session, Prompt& prompt, const std::string& familyCode);

// "  CODE  *** Takkenbos ***       Kwartierstaat"
std::string familyCaption(const std::string& familyCode);

}  // namespace brinox
