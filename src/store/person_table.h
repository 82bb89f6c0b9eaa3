#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "store/person_record.h"
#include "store/record_no.h"

namespace brinox {

// The persons of the open family: 600 slots, record numbers from 1.
// Records 1..count are in use (live or erased). Every field operation acts
// only on 1 <= r <= count + 1 (the extra slot takes a new person before count
// is raised) and r <= 600; elsewhere a getter gives a neutral value ('m',
// empty text, 0) and a setter does nothing.
class PersonTable {
public:
    static constexpr int kSlots = 600;

    int count() const { return m_count; }
    // Clamped to 0..600.
    void setCount(int count);

    // True for 1 <= r <= count + 1 and r <= 600.
    bool inRange(RecordNo r) const;

    char getSex(RecordNo r) const;
    void setSex(RecordNo r, char sex);
    std::string getFamilyName(RecordNo r) const;
    void setFamilyName(RecordNo r, const std::string& name);  // keeps the first 50 characters
    std::string getFirstNames(RecordNo r) const;
    void setFirstNames(RecordNo r, const std::string& names);  // keeps the first 50 characters
    std::string getInfo1(RecordNo r) const;
    void setInfo1(RecordNo r, const std::string& text);  // keeps the first 80 characters
    std::string getInfo2(RecordNo r) const;
    void setInfo2(RecordNo r, const std::string& text);  // keeps the first 80 characters

    int getBirthYear(RecordNo r) const;
    int getBirthMonth(RecordNo r) const;
    int getBirthDay(RecordNo r) const;
    int getDeathYear(RecordNo r) const;
    int getDeathMonth(RecordNo r) const;
    int getDeathDay(RecordNo r) const;
    void setBirthYear(RecordNo r, std::uint16_t value);
    void setBirthMonth(RecordNo r, std::uint16_t value);
    void setBirthDay(RecordNo r, std::uint16_t value);
    void setDeathYear(RecordNo r, std::uint16_t value);
    void setDeathMonth(RecordNo r, std::uint16_t value);
    void setDeathDay(RecordNo r, std::uint16_t value);

    RecordNo getFather(RecordNo r) const;
    void setFather(RecordNo r, RecordNo father);
    RecordNo getMother(RecordNo r) const;
    void setMother(RecordNo r, RecordNo mother);
    RecordNo getNumber(RecordNo r) const;
    void setNumber(RecordNo r, RecordNo number);

    // Living means no part of the death date is given.
    bool isLiving(RecordNo r) const;

    // True for a record 1..count that holds a person: not a free slot
    // (sex '-') and not a slot that was never used (sex 0).
    bool isPerson(RecordNo r) const;

    // Makes r a free slot: sex '-', texts empty, numbers 0; the reserved byte stays.
    void erase(RecordNo r);

    // The first slot 1..count + 1 whose sex is '-', else count + 1; empty when
    // the table is full.
    std::optional<RecordNo> findFreeSlot() const;

    // Whole records for the family files; r must lie in 1..600.
    const PersonRecord& record(RecordNo r) const;
    void putRecord(RecordNo r, PersonRecord record);

    // Every slot back to never used, count 0.
    void clear();

private:
    const PersonRecord* find(RecordNo r) const;
    PersonRecord* find(RecordNo r);

    std::array<PersonRecord, kSlots> m_slots{};
    int m_count = 0;
};

// Shown when no new person fits in the table any more.
inline constexpr const char* kTableFullMessage =
    "Er is geen plaats meer voor een nieuwe persoon:\nhet bestand bevat al 600 personen.\n\n"
    "Verwijder eerst een persoon om een plaats vrij te maken.";

}  // namespace brinox
