#pragma once

// The rules of the person edit window: what its boxes show, and how what
// was typed is checked and stored into a record.

#include <optional>
#include <string>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

enum class EditMode { NewPerson, Change };

// The texts of the edit window's boxes, as Windows-1252 bytes.
struct PersonForm {
    std::string sex;
    std::string familyName;
    std::string firstNames;
    std::string birthDate;
    std::string deathDate;
    std::string father;
    std::string mother;
    std::string info1;
    std::string info2;

    bool operator==(const PersonForm&) const = default;
};

// An empty form for a new person: sex "m", dates "0-0-0", parents "[0]".
PersonForm newPersonForm();

// The boxes filled from record r. A slot that was never used shows an empty sex.
PersonForm formOfRecord(const PersonTable& persons, RecordNo r);

// The window's caption for record n in the given mode.
std::string editCaption(EditMode mode, RecordNo n);

// The record the spinner shows when it is set to `value`: only existing
// records can be changed, so a value above count comes back to count.
int snapToCount(int value, int count);

enum class StoreOutcome {
    Refused,    // a check failed and its message was shown; nothing changed
    NotStored,  // change mode with no such record: stopped without a word
    StoredStop, // stored; the user wants to stop
    StoredMore, // stored; the user wants to go on
};

// Checks the form and stores it into record n, then asks whether to go on.
// The checks and their messages come in this order: sex and a name, the
// birth date, the death date, the record number, the parents. In change mode
// n must be 1..count. In new-person mode n must be count + 1 (at most 600) or
// a free slot; storing at count + 1 raises count. An empty parent box leaves
// that parent as it is; a parent that is not the record's current one must
// pass `parentRefusal`. A stored record sets the changed flag.
StoreOutcome storePerson(Session& session, Prompt& prompt, EditMode mode, RecordNo n, const PersonForm& form);

// The record a further new person gets: count + 1; empty when the table is full.
std::optional<RecordNo> nextNewRecord(const PersonTable& persons);

}  // namespace brinox
