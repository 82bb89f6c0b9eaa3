#include "persons/union_registration.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace brinox {
namespace {

bool isFree(const UnionEntry& entry) { return entry.man == 0 && entry.woman == 0; }

// Lowest first, the order in which they are taken.
std::vector<int> freeEntries(const UnionTable& unions) {
    std::vector<int> entries;
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        if (isFree(unions[i])) entries.push_back(i);
    }
    return entries;
}

// A row naming no person (a free slot, a number beyond the family) counts
// as empty: a union with nobody must never be written.
bool namesPerson(const PersonTable& persons, const PartnerRow& row) { return persons.isPerson(row.partner); }

int filledRows(const PersonTable& persons, const PartnerRows& rows) {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [&](const PartnerRow& row) { return namesPerson(persons, row); }));
}

UnionEntry entryFor(bool manSide, RecordNo personA, const PartnerRow& row) {
    const auto self = static_cast<std::uint16_t>(personA.value);
    const auto partner = static_cast<std::uint16_t>(row.partner.value);
    return UnionEntry{manSide ? self : partner, manSide ? partner : self, static_cast<std::uint8_t>(row.married ? 1 : 0),
                      0};
}

std::vector<int> shownEntries(const PersonTable& persons, const UnionTable& unions, RecordNo personA) {
    std::vector<int> entries = unionEntriesOf(persons, unions, personA);
    if (entries.size() > kPartnerRows) entries.resize(kPartnerRows);
    return entries;
}

std::string noRoomText(int free, int needed) {
    return "Niets opgeslagen. Er is nog plaats voor " + std::to_string(free) + " van de " + std::to_string(needed) +
           " verbintenissen.\nEr kunnen niet meer dan 400 huwelijken geregistreerd worden";
}

}  // namespace

bool isManSide(const PersonTable& persons, RecordNo personA) { return persons.getSex(personA) == 'm'; }

std::vector<int> unionEntriesOf(const PersonTable& persons, const UnionTable& unions, RecordNo personA) {
    std::vector<int> entries;
    if (!persons.isPerson(personA)) return entries;
    const bool manSide = isManSide(persons, personA);
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        const UnionEntry& entry = unions[i];
        const int self = manSide ? entry.man : entry.woman;
        if (self == personA.value && entry.inUse()) entries.push_back(i);
    }
    return entries;
}

PartnerRows buildPartnerRows(const PersonTable& persons, const UnionTable& unions, RecordNo personA) {
    PartnerRows rows{};
    const bool manSide = isManSide(persons, personA);
    const std::vector<int> entries = shownEntries(persons, unions, personA);
    for (std::size_t slot = 0; slot < entries.size(); ++slot) {
        const UnionEntry& entry = unions[entries[slot]];
        // Any non-zero byte reads as a marriage, as everywhere else a union is shown.
        rows[slot] = PartnerRow{RecordNo(manSide ? entry.woman : entry.man), entry.married != 0};
    }
    return rows;
}

RegistrationOutcome registerUnions(Session& session, Prompt& prompt, RecordNo personA, const PartnerRows& rows) {
    const int needed = filledRows(session.persons, rows);
    if (needed == 0 || !session.persons.isPerson(personA)) return RegistrationOutcome::NothingToRegister;
    UnionTable& unions = session.unions;
    const int free = static_cast<int>(freeEntries(unions).size());
    if (free == 0) {
        inform(prompt, "Niets opgeslagen. Al meer dan 400 huwelijken geregistreerd");
        return RegistrationOutcome::TableFull;
    }
    const std::vector<int> shown = shownEntries(session.persons, unions, personA);
    const int room = free + static_cast<int>(shown.size());
    if (needed > room) {
        warn(prompt, noRoomText(room, needed));
        return RegistrationOutcome::NoRoom;
    }
    // A cleared entry keeps its kind byte; only both sides say it is free.
    for (const int i : shown) {
        unions[i].man = 0;
        unions[i].woman = 0;
    }
    const bool manSide = isManSide(session.persons, personA);
    const std::vector<int> targets = freeEntries(unions);
    std::size_t next = 0;
    for (const PartnerRow& row : rows) {
        if (!namesPerson(session.persons, row)) continue;
        unions[targets.at(next++)] = entryFor(manSide, personA, row);
    }
    inform(prompt, "De verbintenissen staan nu in het geheugen");
    session.changed = true;
    return RegistrationOutcome::Registered;
}

}  // namespace brinox
