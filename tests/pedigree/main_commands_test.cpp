#include <gtest/gtest.h>

#include "pedigree/main_commands.h"
#include "pedigree/pedigree_model.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;

class Deleting : public ::testing::Test {
protected:
    Deleting() {
        auto& p = s.persons;
        addPerson(p, {'m', "Dorkum", "Jan", 1920});            // 1
        addPerson(p, {'v', "Smit", "Anna", 1922});             // 2
        addPerson(p, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});  // 3
        addPerson(p, {'v', "Dorkum", "Els", 1952, 0, 0, 1, 2});   // 4
        addUnion(s.unions, RecordNo(1), RecordNo(2));
        addUnion(s.unions, RecordNo(3), RecordNo(2), false);
        s.familyCode = "VDORKUM";
    }

    bool anyLinkTo(RecordNo n) const {
        for (int i = 1; i <= s.persons.count(); ++i) {
            if (s.persons.getFather(RecordNo(i)) == n || s.persons.getMother(RecordNo(i)) == n) return true;
        }
        for (int i = 0; i < UnionTable::kEntries; ++i) {
            if (s.unions[i].man == n.value || s.unions[i].woman == n.value) return true;
        }
        return false;
    }

    Session s;
};

TEST_F(Deleting, AWomanInTheMiddleLeavesAFreeSlotAndNoLinks) {
    EXPECT_EQ(deleteQuestion(s, RecordNo(2), "2"),
              "Wilt U de persoon \n2 Anna Smit(geb.: 1922)\n uit het bestand VDORKUM\nverwijderen?");
    deletePerson(s, RecordNo(2));
    EXPECT_FALSE(anyLinkTo(RecordNo(2)));
    EXPECT_EQ(s.unions[1], (UnionEntry{0, 0, 0, 0}));
    EXPECT_EQ(s.persons.getSex(RecordNo(2)), '-');
    EXPECT_EQ(s.persons.count(), 4);
    EXPECT_EQ(newPersonNumber(s.persons), RecordNo(2));
    EXPECT_TRUE(s.changed);
}

TEST_F(Deleting, TheLastPersonLeavesTheTableAndANewOneInheritsNothing) {
    s.persons.setSex(RecordNo(1), 'v');  // a mother link to a person whose sex was entered wrongly
    s.persons.setMother(RecordNo(4), RecordNo(4));
    deletePerson(s, RecordNo(4));
    deletePerson(s, RecordNo(1));
    EXPECT_EQ(s.persons.count(), 3);
    EXPECT_FALSE(anyLinkTo(RecordNo(1)));
    EXPECT_FALSE(anyLinkTo(RecordNo(4)));
    EXPECT_EQ(newPersonNumber(s.persons), RecordNo(1));
    // Record 4 is the slot a new person would get next after count: nothing of Els is left in it.
    EXPECT_EQ(s.persons.getFamilyName(RecordNo(4)), "");
    EXPECT_EQ(s.persons.getFather(RecordNo(4)), RecordNo(0));

    deletePerson(s, RecordNo(0));
    deletePerson(s, RecordNo(9));
    EXPECT_EQ(s.persons.count(), 3);
}

TEST(Anniversaries, BirthAndDeathDaysOfTodayEachGetAMessage) {
    PersonTable p;
    addPerson(p, {'m', "Dorkum", "Jan", 1920, 2, 29, 0, 0, 1990, 3, 1});
    addPerson(p, {'v', "Smit", "Anna", 1922, 0, 29});   // month not given
    addPerson(p, {'v', "Kooij", "Zo\xEB", 1955, 2, 0});  // day not given
    addPerson(p, {'m', "Vries", "Tom", 1950, 3, 1});
    const Moment leapDay{2024, 2, 29, 5, 9, 5};
    EXPECT_EQ(anniversaryMessages(p, leapDay),
              (Texts{"Het is vandaag: donderdag , \n29 februari 2024,\nDe klok wijst 09:05",
                     "Vandaag, \n29 februari,\nis het de geboortedag van \nJan Dorkum  (1920)"}));

    const Moment firstOfMarch{2025, 3, 1, 7, 23, 59};
    EXPECT_EQ(anniversaryMessages(p, firstOfMarch),
              (Texts{"Het is vandaag: zaterdag , \n1 maart 2025,\nDe klok wijst 23:59",
                     "Vandaag, \n1 maart,\nis het de sterfdag van\nJan Dorkum\noverleden in 1990.",
                     "Vandaag, \n1 maart,\nis het de geboortedag van \nTom Vries  (1950)"}));

    const Moment october{2026, 10, 4, 1, 0, 0};
    EXPECT_EQ(anniversaryMessages(p, october),
              (Texts{"Het is vandaag: zondag , \n4 october 2026,\nDe klok wijst 00:00",
                     "Voor vandaag is er \ngeen gedenkdag in het bestand"}));
    EXPECT_EQ(anniversaryMessages(PersonTable{}, october).size(), 1u);
}

TEST(NewPerson, AFullTableOffersNoNumber) {
    PersonTable p;
    for (int i = 0; i < PersonTable::kSlots; ++i) addPerson(p, {'m', "Vol", "Jan"});
    EXPECT_EQ(newPersonNumber(p), std::nullopt);
    p.erase(RecordNo(600));
    EXPECT_EQ(newPersonNumber(p), RecordNo(600));
}

}  // namespace
}  // namespace brinox
