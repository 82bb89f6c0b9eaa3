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

// Every number in its own place: written by hand, byte for byte, so that
// two fields swapped in both the reader and the writer cannot go unseen.
TEST(PersonRecord, LayoutMatchesBytesWrittenByHand) {
    std::array<std::uint8_t, kPersonRecordSize> bytes{};
    bytes[0] = 9;                                               // reserved
    bytes[1] = 'v';                                             // sex
    bytes[2] = 5, std::copy_n("Kooij", 5, bytes.begin() + 3);   // family name
    bytes[53] = 3, std::copy_n("Zo\xEB", 3, bytes.begin() + 54);  // first names
    bytes[104] = 1, bytes[105] = 'a';                           // info 1
    bytes[185] = 1, bytes[186] = 'b';                           // info 2
    const std::pair<std::size_t, std::uint16_t> numbers[] = {
        {266, 1921}, {268, 7}, {270, 3}, {272, 1999}, {274, 12}, {276, 31}, {278, 513}, {280, 2}, {282, 42}};
    for (const auto& [at, value] : numbers) bytes[at] = value & 0xFF, bytes[at + 1] = value >> 8;

    PersonRecord r{9, 'v', "Kooij", "Zo\xEB", "a", "b", 1921, 7, 3, 1999, 12, 31, 513, 2, 42};
    EXPECT_EQ(decodePersonRecord(bytes), r);
    std::array<std::uint8_t, kPersonRecordSize> written{};
    encodePersonRecord(r, written);
    EXPECT_EQ(written, bytes);

    bytes[2] = 255;   // a damaged length byte
    bytes[104] = 200;
    const auto damaged = decodePersonRecord(bytes);
    EXPECT_EQ(damaged.familyName.size(), 50u);
    EXPECT_EQ(damaged.info1.size(), 80u);
}

TEST(UnionEntry, LayoutMatchesBytesWrittenByHand) {
    const std::array<std::uint8_t, kUnionEntrySize> bytes{0x01, 0x02, 0x58, 0x02, 0x00, 0x00};
    EXPECT_EQ(decodeUnionEntry(bytes), (UnionEntry{513, 600, 0, 0}));
    std::array<std::uint8_t, kUnionEntrySize> written{};
    encodeUnionEntry(UnionEntry{513, 600, 0, 0}, written);
    EXPECT_EQ(written, bytes);
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

TEST(ChosenPerson, IsAPersonOfTheTableUpToTheLastRecord) {
    Session session;
    for (const char sex : {'m', 'v', 'm', 'v'}) addPerson(session.persons, {sex, "Smit", "Kind"});
    session.persons.erase(RecordNo(2));
    const std::pair<std::string, int> cases[] = {{"1", 1}, {"4", 4}, {"2", 0}, {"5", 0}, {"0", 0}, {"", 0}, {"x", 0}};
    for (const auto& [result, person] : cases) {
        session.selection.result = result;
        EXPECT_EQ(chosenPerson(session).value_or(RecordNo()), RecordNo(person)) << result;
    }
}

}  // namespace
}  // namespace brinox
