#pragma once

#include <array>
#include <vector>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// The registration window has room for five partners.
inline constexpr int kPartnerRows = 5;

struct PartnerRow {
    RecordNo partner;     // none: an empty row
    bool married = true;  // false: a steady relationship
};

using PartnerRows = std::array<PartnerRow, kPartnerRows>;

// True when Person A takes the `man` side of its unions: decided by A's sex
// alone ("m"), never by the partner's.
bool isManSide(const PersonTable& persons, RecordNo personA);

// The entries 1..400 that hold a union of Person A on A's side, in table
// order; none when A is no person. Entries with no partner are no union and
// are left out.
std::vector<int> unionEntriesOf(const PersonTable& persons, const UnionTable& unions, RecordNo personA);

// The rows the window shows: the partners of the first five of those
// entries, the remaining rows empty and set to marriage.
PartnerRows buildPartnerRows(const PersonTable& persons, const UnionTable& unions, RecordNo personA);

enum class RegistrationOutcome {
    NothingToRegister,  // every row empty, or Person A no person: nothing changed, nothing said
    TableFull,          // no entry free: nothing changed, the user was told
    NoRoom,             // fewer entries free than rows to write: nothing changed, the user was told
    Registered,         // the rows replace the shown entries; changed flag set, the user was told
};

// Replaces Person A's unions shown in the window (the first five entries)
// by the rows that name a person, each in the lowest free entry; a row
// naming a free slot or a number beyond the family counts as empty. Entries
// the window did not show stay as they are. Refuses before touching anything
// when no entry is free, or when the rows need more entries than are free
// once the shown ones are cleared.
RegistrationOutcome registerUnions(Session& session, Prompt& prompt, RecordNo personA, const PartnerRows& rows);

}  // namespace brinox
