#pragma once

// The commands the main window carries out itself: deleting a person,
// today's anniversaries, and the number offered to a new person.

#include <optional>
#include <string>
#include <vector>

#include "store/clock.h"
#include "store/session.h"

namespace brinox {

// The confirmation asked before person n is deleted; `chosen` is the
// record number as the selection window handed it back.
std::string deleteQuestion(const Session& session, RecordNo n, const std::string& chosen);

// Removes person n: every union naming n, every father or mother link to n
// (whatever n's sex), and the record itself, which becomes a free slot, or,
// for the last record, leaves the table. Sets the changed flag.
void deletePerson(Session& session, RecordNo n);

// The record number for a new person: the first free slot, else count + 1;
// empty when the table is full.
std::optional<RecordNo> newPersonNumber(const PersonTable& persons);

// The messages of "Gedenkdag", in order: today's date and time, then every
// birthday and day of death of today, or that there is none.
std::vector<std::string> anniversaryMessages(const PersonTable& persons, const Moment& now);

}  // namespace brinox
