#include <gtest/gtest.h>

#include "persons/person_edit.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::Texts;

const std::string kNeedSexAndName = "Geef van een persoon minstens \nde sekse (m/v)\nen de naam of de voornaam";
const std::string kBirthFormat = "Geboortedatum:\nfout in invoerformaat.\nVoorbeeld: 13-03-1928";
const std::string kNotInFile = "Vader:\nDe aangewezene staat niet in het bestand";
const std::string kNoNumber = "Vader:\ngeen recordnummer tussen [ en ]";

class PersonEdit : public ::testing::Test {
protected:
    PersonEdit() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Hendrik", 1890});           // 1
        addPerson(p, {'v', "Bakker", "Grietje", 1892});           // 2
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 5, 12, 1, 2});  // 3
        addPerson(p, {'m', "Weg", "Wim"});                        // 4: erased below
        addPerson(p, {'v', "Smit", "Anna", 1922, 0, 0, 5});       // 5: herself as father, from an old file
        p.erase(RecordNo(4));
    }

    static PersonForm form(std::string sex, std::string family, std::string first) {
        return PersonForm{sex, family, first, "0-0-0", "0-0-0", "[0]", "[0]", "", ""};
    }

    StoreOutcome store(EditMode mode, int n, const PersonForm& f) {
        return storePerson(session, prompt, mode, RecordNo(n), f);
    }

    Session session;
    testing::ScriptedPrompt prompt;
};

TEST_F(PersonEdit, NewPersonsGoAtTheEndRaisingCountOrInAFreeSlotKeepingIt) {
    prompt.buttons = {Button::Yes, Button::No};
    EXPECT_EQ(store(EditMode::NewPerson, 6, {"m", "Dorkum", "Piet", "13-03-1928", " 2 - 1 - 1990", "[3]  Jan  Dorkum",
                                             "[5]  Anna  Smit", "", ""}),
              StoreOutcome::StoredMore);
    EXPECT_EQ(session.persons.count(), 6);
    EXPECT_EQ(formOfRecord(session.persons, RecordNo(6)), (PersonForm{"m", "Dorkum", "Piet", "13-3-1928", "2-1-1990",
                                                                      "[3]  Jan  Dorkum", "[5]  Anna  Smit", "", ""}));
    EXPECT_EQ(nextNewRecord(session.persons), RecordNo(7)) << "record 4 is free, yet the next is count + 1";

    // An empty parent box leaves no parent.
    EXPECT_EQ(store(EditMode::NewPerson, 4, {"v", "", "Els", "0-0-0", "0-0-0", "", "[0]"}), StoreOutcome::StoredStop);
    EXPECT_EQ(session.persons.count(), 6);
    EXPECT_EQ(session.persons.getNumber(RecordNo(4)), RecordNo(4));
    EXPECT_EQ(session.persons.getFather(RecordNo(4)), RecordNo(0));
    EXPECT_EQ(prompt.shown, (Texts{"Het record van persoon \n6  Piet  Dorkum\nis ingevoerd.\n\nMeer invoeren?",
                                   "Het record van persoon \n4  Els  \nis ingevoerd.\n\nMeer invoeren?"}));
}

TEST_F(PersonEdit, ChangingARecordKeepsCountAndAsksForMoreChanges) {
    PersonForm f = formOfRecord(session.persons, RecordNo(3));
    EXPECT_EQ(f.birthDate, "12-5-1920");
    f.deathDate = "1-2-1980";
    f.mother = "[0]    ";
    prompt.buttons = {Button::No};
    EXPECT_EQ(store(EditMode::Change, 3, f), StoreOutcome::StoredStop);
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n3  Jan  Dorkum\nis bijgewerkt.\n\nNog iets wijzigen ?"});
    EXPECT_EQ(formOfRecord(session.persons, RecordNo(3)), f);
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_TRUE(session.changed);
}

TEST_F(PersonEdit, ChecksComeInOrderAndAFailedOneStoresNothing) {
    const PersonRecord before = session.persons.record(RecordNo(3));
    const std::vector<std::pair<PersonForm, int>> tries = {
        {form("", "Dorkum", "Jan"), 3}, {form("M", "Dorkum", "Jan"), 3}, {form("v", "", ""), 3},
        // The death date waits until the birth date passed.
        {{"m", "D", "", "31-04-1950", "geen"}, 3}, {{"m", "D", "", "1928", "geen"}, 3},
        {{"m", "D", "", "13-03-", "geen"}, 3}, {{"m", "D", "", "13-03-1928", "geen"}, 3},
        {{"m", "D", "", "13-03-1928", "29-2-1953"}, 3},
        // The dates are checked before the record number.
        {{"m", "D", "", "13-03-1928", "1-1-1250"}, 99}};
    for (const auto& [f, n] : tries) EXPECT_EQ(store(EditMode::Change, n, f), StoreOutcome::Refused);
    EXPECT_EQ(prompt.shown, (Texts{kNeedSexAndName, kNeedSexAndName, kNeedSexAndName, "Geboortedatum fout",
                                   kBirthFormat, kBirthFormat,
                                   "Datum van Overlijden \nfout invoerformaat. \nVoorbeeld: 13-03-1928",
                                   "Datum overlijden fout", "Datum overlijden fout"}));
    EXPECT_EQ(session.persons.record(RecordNo(3)), before);
    EXPECT_FALSE(session.changed);
}

TEST_F(PersonEdit, ParentsOutsideTheFamilyOrThePersonItselfAreRefused) {
    const PersonRecord before = session.persons.record(RecordNo(3));
    PersonForm f = formOfRecord(session.persons, RecordNo(3));
    for (const char* father : {"[6]", "[4]    ", "[3]  Jan  Dorkum", "[2]  Grietje  Bakker", "[x]", "3"}) {
        f.father = father;
        EXPECT_EQ(store(EditMode::Change, 3, f), StoreOutcome::Refused) << father;
    }
    f = formOfRecord(session.persons, RecordNo(3));
    f.mother = "[1]  Hendrik  Dorkum";
    store(EditMode::Change, 3, f);
    EXPECT_EQ(prompt.shown, (Texts{kNotInFile, kNotInFile, "Vader:\nDe aangewezene is deze persoon zelf",
                                   "Vader:\nDe aangewezene is een vrouw", kNoNumber, kNoNumber,
                                   "Moeder:\nDe aangewezene is een man"}));
    EXPECT_EQ(session.persons.record(RecordNo(3)), before);

    f = formOfRecord(session.persons, RecordNo(5));
    f.info1 = "naaister";
    EXPECT_EQ(store(EditMode::Change, 5, f), StoreOutcome::StoredMore) << "an old odd reference does not block";
}

TEST_F(PersonEdit, NoRecordOutsideTheCountRulesIsWritten) {
    // Change mode outside 1..count stops without a word.
    for (int n : {6, 0}) EXPECT_EQ(store(EditMode::Change, n, form("m", "Nieuw", "")), StoreOutcome::NotStored);
    for (int n : {3, 8, 0}) EXPECT_EQ(store(EditMode::NewPerson, n, form("m", "Nieuw", "")), StoreOutcome::Refused);
    session.persons.setCount(600);
    EXPECT_EQ(store(EditMode::NewPerson, 601, form("m", "Nieuw", "")), StoreOutcome::Refused);
    EXPECT_EQ(prompt.shown, (Texts{"Als nummer 3 kan geen nieuwe persoon worden ingevoerd.",
                                   "Als nummer 8 kan geen nieuwe persoon worden ingevoerd.",
                                   "Als nummer 0 kan geen nieuwe persoon worden ingevoerd.", kTableFullMessage}));
    EXPECT_EQ(session.persons.getFamilyName(RecordNo(3)), "Dorkum");
    EXPECT_FALSE(nextNewRecord(session.persons));
    EXPECT_FALSE(session.changed);
}

}  // namespace
}  // namespace brinox
