#include <gtest/gtest.h>

#include "persons/parent_box.h"
#include "persons/person_edit.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::Texts;

const std::string kNeedSexAndName = "Geef van een persoon minstens \nde sekse (m/v)\nen de naam of de voornaam";
const std::string kBirthFormat = "Geboortedatum:\nfout in invoerformaat.\nVoorbeeld: 13-03-1928";
const std::string kDeathFormat = "Datum van Overlijden \nfout invoerformaat. \nVoorbeeld: 13-03-1928";

class PersonEdit : public ::testing::Test {
protected:
    PersonEdit() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Hendrik", 1890});               // 1
        addPerson(p, {'v', "Bakker", "Grietje", 1892});               // 2
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 5, 12, 1, 2});      // 3
        addPerson(p, {'m', "Weg", "Wim"});                            // 4: erased below
        addPerson(p, {'v', "Smit", "Anna", 1922, 0, 0, 5});           // 5: herself as father, from an old file
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

TEST_F(PersonEdit, NewPersonAtTheEndRaisesCountAndMoreOffersTheNextEvenWithAFreeSlot) {
    PersonForm f = form("m", "Dorkum", "Piet");
    f.birthDate = "13-03-1928";
    f.deathDate = " 2 - 1 - 1990";
    f.father = "[3]  Jan  Dorkum";
    f.mother = "[5]  Anna  Smit";
    f.info1 = "timmerman";
    prompt.buttons = {Button::Yes};

    EXPECT_EQ(store(EditMode::NewPerson, 6, f), StoreOutcome::StoredMore);
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n6  Piet  Dorkum\nis ingevoerd.\n\nMeer invoeren?"});
    EXPECT_EQ(prompt.kinds, std::vector{MessageKind::Information});
    EXPECT_EQ(session.persons.count(), 6);
    EXPECT_TRUE(session.changed);
    const PersonRecord& r = session.persons.record(RecordNo(6));
    EXPECT_EQ(r.sex, 'm');
    EXPECT_EQ(r.number, 6);
    EXPECT_EQ(r.father, 3);
    EXPECT_EQ(r.mother, 5);
    EXPECT_EQ(r.info1, "timmerman");
    EXPECT_EQ(r.deathYear, 1990);
    EXPECT_EQ(formOfRecord(session.persons, RecordNo(6)).birthDate, "13-3-1928");
    EXPECT_EQ(formOfRecord(session.persons, RecordNo(6)).deathDate, "2-1-1990");
    EXPECT_EQ(nextNewRecord(session.persons), RecordNo(7)) << "record 4 is free, yet the next is count + 1";
}

TEST_F(PersonEdit, NewPersonInAFreeSlotKeepsCountAndAnEmptyParentBoxLeavesNoParent) {
    PersonForm f = form("v", "", "Els");
    f.father.clear();
    prompt.buttons = {Button::No};
    EXPECT_EQ(store(EditMode::NewPerson, 4, f), StoreOutcome::StoredStop);
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_EQ(session.persons.getSex(RecordNo(4)), 'v');
    EXPECT_EQ(session.persons.getNumber(RecordNo(4)), RecordNo(4));
    EXPECT_EQ(session.persons.getFather(RecordNo(4)), RecordNo(0));
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n4  Els  \nis ingevoerd.\n\nMeer invoeren?"});
}

TEST_F(PersonEdit, ChangingARecordKeepsCountAndAsksForMoreChanges) {
    PersonForm f = formOfRecord(session.persons, RecordNo(3));
    EXPECT_EQ(f, (PersonForm{"m", "Dorkum", "Jan", "12-5-1920", "0-0-0", "[1]  Hendrik  Dorkum",
                             "[2]  Grietje  Bakker", "", ""}));
    f.firstNames = "Johannes";
    f.deathDate = "1-2-1980";
    f.mother = "[0]    ";
    prompt.buttons = {Button::No};

    EXPECT_EQ(store(EditMode::Change, 3, f), StoreOutcome::StoredStop);
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n3  Johannes  Dorkum\nis bijgewerkt.\n\nNog iets wijzigen ?"});
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_EQ(session.persons.getDeathYear(RecordNo(3)), 1980);
    EXPECT_EQ(session.persons.getFather(RecordNo(3)), RecordNo(1));
    EXPECT_EQ(session.persons.getMother(RecordNo(3)), RecordNo(0));
    EXPECT_TRUE(session.changed);
}

TEST_F(PersonEdit, ChangeModeOutsideTheTableStopsWithoutAWord) {
    const PersonRecord sixth = session.persons.record(RecordNo(6));
    EXPECT_EQ(store(EditMode::Change, 6, form("m", "Nieuw", "")), StoreOutcome::NotStored);
    EXPECT_EQ(store(EditMode::Change, 0, form("m", "Nieuw", "")), StoreOutcome::NotStored);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_EQ(session.persons.record(RecordNo(6)), sixth);
    EXPECT_FALSE(session.changed);
}

TEST_F(PersonEdit, ChecksComeInOrderAndAFailedOneStoresNothing) {
    const PersonRecord before = session.persons.record(RecordNo(3));
    PersonForm f = form("", "Dorkum", "Jan");
    EXPECT_EQ(store(EditMode::Change, 3, f), StoreOutcome::Refused);
    f.sex = "M";
    store(EditMode::Change, 3, f);
    f = form("v", "", "");
    store(EditMode::Change, 3, f);
    f = form("m", "Dorkum", "");
    f.birthDate = "31-04-1950";
    f.deathDate = "geen";
    store(EditMode::Change, 3, f);  // the death date waits until the birth date passed
    f.birthDate = "1928";
    store(EditMode::Change, 3, f);
    f.birthDate = "13-03-";
    store(EditMode::Change, 3, f);
    f.birthDate = "13-03-1928";
    store(EditMode::Change, 3, f);
    f.deathDate = "29-2-1953";
    store(EditMode::Change, 3, f);
    f.deathDate = "1-1-1250";
    store(EditMode::Change, 99, f);  // the dates are checked before the record number

    EXPECT_EQ(prompt.shown, (Texts{kNeedSexAndName, kNeedSexAndName, kNeedSexAndName, "Geboortedatum fout",
                                   kBirthFormat, kBirthFormat, kDeathFormat, "Datum overlijden fout",
                                   "Datum overlijden fout"}));
    EXPECT_EQ(session.persons.record(RecordNo(3)), before);
    EXPECT_FALSE(session.changed);
}

TEST_F(PersonEdit, TextsAreCutToWhatTheRecordHolds) {
    PersonForm f = form("v", std::string(60, 'a'), std::string(51, 'b'));
    f.info1 = std::string(85, 'c');
    f.info2 = std::string(80, 'd');
    store(EditMode::NewPerson, 6, f);
    EXPECT_EQ(session.persons.getFamilyName(RecordNo(6)), std::string(50, 'a'));
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(6)), std::string(50, 'b'));
    EXPECT_EQ(session.persons.getInfo1(RecordNo(6)), std::string(80, 'c'));
    EXPECT_EQ(session.persons.getInfo2(RecordNo(6)), std::string(80, 'd'));
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
    f = form("m", "Dorkum", "Kees");
    f.father = "[6]";
    store(EditMode::NewPerson, 6, f);
    EXPECT_EQ(prompt.shown, (Texts{"Vader:\nDe aangewezene staat niet in het bestand",
                                   "Vader:\nDe aangewezene staat niet in het bestand",
                                   "Vader:\nDe aangewezene is deze persoon zelf", "Vader:\nDe aangewezene is een vrouw",
                                   "Vader:\ngeen recordnummer tussen [ en ]", "Vader:\ngeen recordnummer tussen [ en ]",
                                   "Moeder:\nDe aangewezene is een man",
                                   "Vader:\nDe aangewezene staat niet in het bestand"}));
    EXPECT_EQ(session.persons.record(RecordNo(3)), before);
    EXPECT_EQ(session.persons.count(), 5);

    prompt.shown.clear();
    f = formOfRecord(session.persons, RecordNo(5));
    f.info1 = "naaister";
    EXPECT_EQ(store(EditMode::Change, 5, f), StoreOutcome::StoredMore) << "an old odd reference does not block";
    EXPECT_EQ(session.persons.getFather(RecordNo(5)), RecordNo(5));
}

TEST_F(PersonEdit, NewPersonNeverOverwritesAPersonNorGoesPastTheTable) {
    EXPECT_EQ(store(EditMode::NewPerson, 3, form("m", "Nieuw", "")), StoreOutcome::Refused);
    EXPECT_EQ(store(EditMode::NewPerson, 8, form("m", "Nieuw", "")), StoreOutcome::Refused);
    EXPECT_EQ(store(EditMode::NewPerson, 0, form("m", "Nieuw", "")), StoreOutcome::Refused);
    session.persons.setCount(600);
    EXPECT_EQ(store(EditMode::NewPerson, 601, form("m", "Nieuw", "")), StoreOutcome::Refused);
    EXPECT_EQ(prompt.shown, (Texts{"Als nummer 3 kan geen nieuwe persoon worden ingevoerd.",
                                   "Als nummer 8 kan geen nieuwe persoon worden ingevoerd.",
                                   "Als nummer 0 kan geen nieuwe persoon worden ingevoerd.", kTableFullMessage}));
    EXPECT_EQ(session.persons.getFamilyName(RecordNo(3)), "Dorkum");
    EXPECT_FALSE(nextNewRecord(session.persons));
    EXPECT_FALSE(session.changed);
}

TEST_F(PersonEdit, ParentBoxTextsReadBackOnlyAsBracketedNumbers) {
    EXPECT_EQ(parentBoxText(session.persons, RecordNo(0)), "[0]    ");
    EXPECT_EQ(parentInBox(" [ 7 ]  Jan"), RecordNo(7));
    for (const char* text : {"", "12]", "][3", "[]", "[-1]"}) EXPECT_FALSE(parentInBox(text)) << text;
}

}  // namespace
}  // namespace brinox
