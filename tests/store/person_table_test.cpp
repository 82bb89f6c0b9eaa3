#include <gtest/gtest.h>

#include <array>

#include "store/name_formats.h"
#include "store/person_record.h"
#include "store/person_table.h"
#include "support/family_builder.h"

namespace brinox {
namespace {

using testing::addPerson;

PersonTable tableOfTen() {
    PersonTable persons;
    for (int i = 1; i <= 10; ++i) addPerson(persons, {'v', "Smit", "Anna"});
    return persons;
}

TEST(PersonTable, FieldOperationsActOnlyUpToTheNewPersonSlot) {
    PersonTable persons = tableOfTen();
    EXPECT_EQ(persons.getSex(RecordNo(0)), 'm');
    EXPECT_EQ(persons.getSex(RecordNo(12)), 'm');
    EXPECT_EQ(persons.getFamilyName(RecordNo(0)), "");
    persons.setFather(RecordNo(12), RecordNo(3));
    EXPECT_EQ(persons.getFather(RecordNo(12)), RecordNo(0));

    persons.setFamilyName(RecordNo(11), "Nieuw");
    EXPECT_EQ(persons.getFamilyName(RecordNo(11)), "Nieuw");
    EXPECT_EQ(persons.count(), 10);

    persons.setFamilyName(RecordNo(3), std::string(60, 'x'));
    EXPECT_EQ(persons.getFamilyName(RecordNo(3)), std::string(50, 'x'));
    persons.setInfo1(RecordNo(3), std::string(90, 'i'));
    EXPECT_EQ(persons.getInfo1(RecordNo(3)).size(), 80u);
}

TEST(PersonTable, ErasedSlotIsFreeAndOfferedFirst) {
    PersonTable persons = tableOfTen();
    EXPECT_EQ(persons.findFreeSlot(), RecordNo(11));

    auto record = persons.record(RecordNo(4));
    record.reserved = 7;
    persons.putRecord(RecordNo(4), record);
    persons.erase(RecordNo(4));
    persons.erase(RecordNo(8));
    EXPECT_EQ(persons.getSex(RecordNo(4)), '-');
    EXPECT_EQ(persons.getFirstNames(RecordNo(4)), "");
    EXPECT_EQ(persons.getNumber(RecordNo(4)), RecordNo(0));
    EXPECT_EQ(persons.record(RecordNo(4)).reserved, 7);
    EXPECT_EQ(persons.findFreeSlot(), RecordNo(4));

    PersonTable full;
    for (int i = 1; i <= PersonTable::kSlots; ++i) addPerson(full, {'m', "Vol", "Piet"});
    EXPECT_EQ(full.findFreeSlot(), std::nullopt);
    full.setSex(RecordNo(601), 'v');
    EXPECT_EQ(full.getSex(RecordNo(601)), 'm');
}

TEST(PersonRecord, RoundTripsAndCutsOverlongLengthsFromFiles) {
    PersonRecord r;
    r.reserved = 9;
    r.sex = 'v';
    r.familyName = "Kooij";
    r.firstNames = "Zo\xEB";
    r.info1 = "Bakker te Utrecht";
    r.birthYear = 1921;
    r.birthMonth = 7;
    r.birthDay = 3;
    r.father = 513;
    r.number = 42;
    std::array<std::uint8_t, kPersonRecordSize> bytes{};
    encodePersonRecord(r, bytes);
    EXPECT_EQ(bytes[1], 'v');
    EXPECT_EQ(bytes[2], 5);                       // length of "Kooij"
    EXPECT_EQ(bytes[8], 0);                       // unused text bytes are written as 0
    EXPECT_EQ(bytes[266] | bytes[267] << 8, 1921);
    EXPECT_EQ(bytes[278] | bytes[279] << 8, 513);
    EXPECT_EQ(bytes[282], 42);
    EXPECT_EQ(decodePersonRecord(bytes), r);

    bytes[2] = 255;   // a damaged length byte
    bytes[104] = 200;
    const auto damaged = decodePersonRecord(bytes);
    EXPECT_EQ(damaged.familyName.size(), 50u);
    EXPECT_EQ(damaged.info1.size(), 80u);
}

TEST(NameFormats, NamesOfNobodyAreEmptyAndUnknownYearsShowZero) {
    PersonTable persons;
    const auto jan = addPerson(persons, {'m', "Dorkum", "Jan Hendrik", 1921});
    const auto piet = addPerson(persons, {'m', "Dorkum", "Piet"});
    EXPECT_EQ(PedigreeName(persons, RecordNo(0)), "");
    EXPECT_EQ(NameAndBirthYear(persons, RecordNo(0)), "");
    EXPECT_EQ(PedigreeName(persons, jan), "Jan Hendrik  Dorkum");
    EXPECT_EQ(NameAndBirthYear(persons, jan), "Jan Hendrik  Dorkum    (1921)");
    EXPECT_EQ(NameAndBirthYear(persons, piet), "Piet  Dorkum    (0)");
    EXPECT_EQ(birthDateText(persons, jan), "0-0-1921");
    EXPECT_EQ(deathDateText(persons, jan), "0-0-0");
}

}  // namespace
}  // namespace brinox
