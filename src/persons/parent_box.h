#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/person_table.h"

namespace brinox {

enum class ParentRole { Father, Mother };

// How a parent box shows a parent: "[" number "]  " first names "  " family
// name; for no parent the number 0 and empty names.
std::string parentBoxText(const PersonTable& persons, RecordNo parent);

// The number between the first "[" and the first "]" of a parent box; empty
// when there is no such pair or no number between them.
std::optional<RecordNo> parentInBox(std::string_view text);

// Why `chosen` cannot become the father or mother of `person`, as the
// message for the user; empty when it can. 0 (no parent) always can. Refused
// are a number outside 1..count or a free slot ("staat niet in het bestand"),
// the person itself, a woman as father and a man as mother.
std::optional<std::string> parentRefusal(const PersonTable& persons, ParentRole role, RecordNo person,
                                         RecordNo chosen);

}  // namespace brinox
