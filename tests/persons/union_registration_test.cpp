#include <gtest/gtest.h>

#include "persons/union_registration.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;
using E = UnionEntry;  // man, woman, kind (1 = married)

PartnerRow marriedTo(int r) { return PartnerRow{RecordNo(r), true}; }
PartnerRow livingWith(int r) { return PartnerRow{RecordNo(r), false}; }

class UnionRegistration : public ::testing::Test {
protected:
    UnionRegistration() {
        for (int i = 0; i < 12; ++i) {
            const std::string number = std::to_string(i);  // a temporary makes GCC 12 warn wrongly (-Wrestrict)
            addPerson(session.persons, {i % 2 == 0 ? 'm' : 'v', "N" + number, "P"});
        }
        session.persons.setSex(RecordNo(6), '-');  // erased
    }

    RegistrationOutcome registerRows(int personA, const PartnerRows& rows) {
        return registerUnions(session, prompt, RecordNo(personA), rows);
    }

    Session session;
    UnionTable& u = session.unions;
    testing::ScriptedPrompt prompt;
};

TEST_F(UnionRegistration, RowsFollowTableOrderOnTheSideOfPersonAsSex) {
    u[2] = E{1, 4, 0};
    u[3] = E{2, 1, 1};  // man 1 on the woman side: not his
    u[4] = E{1, 0, 1};  // no partner: no union
    u[5] = E{1, 2, 7};  // any non-zero kind is a marriage
    u[8] = E{6, 3, 1};
    const PartnerRows rows = buildPartnerRows(session.persons, u, RecordNo(1));
    EXPECT_EQ(rows[0].partner, RecordNo(4));
    EXPECT_FALSE(rows[0].married);
    EXPECT_EQ(rows[1].partner, RecordNo(2));
    EXPECT_TRUE(rows[1].married);
    EXPECT_TRUE(rows[2].partner.isNone() && rows[2].married) << "empty rows offer a marriage";

    // A woman takes the woman side whoever her partner is.
    EXPECT_EQ(registerRows(8, {marriedTo(5), livingWith(3)}), RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], (E{5, 8, 1}));
    EXPECT_EQ(u[6], (E{3, 8, 0}));
}

TEST_F(UnionRegistration, WritesEachRowInTheLowestFreeEntryDuplicatesIncluded) {
    u[1] = E{3, 4, 1};
    u[2] = E{1, 2, 1};   // Person A's old union, cleared and reused
    u[3] = E{5, 8, 1};
    u[5] = E{1, 10, 0};  // also cleared; gets the third row
    EXPECT_EQ(registerRows(1, {marriedTo(8), PartnerRow{}, livingWith(8), marriedTo(1)}),
              RegistrationOutcome::Registered);
    EXPECT_EQ(u[2], (E{1, 8, 1}));
    EXPECT_EQ(u[3], (E{5, 8, 1}));
    EXPECT_EQ(u[4], (E{1, 8, 0}));
    EXPECT_EQ(u[5], (E{1, 1, 1})) << "A as own partner is not checked";
    EXPECT_FALSE(u[6].inUse());
    EXPECT_EQ(prompt.shown, Texts{"De verbintenissen staan nu in het geheugen"});
    EXPECT_TRUE(session.changed);
}

TEST_F(UnionRegistration, ARowOfZeroOrOfNoPersonRemovesThatUnionNoPersonAnywhereChangesNothing) {
    addUnion(u, RecordNo(1), RecordNo(2));
    addUnion(u, RecordNo(1), RecordNo(4), false);
    // 6 is a free slot, 13 lies beyond the family: neither may stand in a union.
    EXPECT_EQ(registerRows(1, {PartnerRow{}, livingWith(4), marriedTo(6), marriedTo(13)}),
              RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], (E{1, 4, 0}));
    EXPECT_EQ(u[2], (E{0, 0, 0})) << "a cleared entry keeps its kind byte";
    EXPECT_FALSE(u[3].inUse());

    session.changed = false;
    prompt.shown.clear();
    EXPECT_EQ(registerRows(1, PartnerRows{}), RegistrationOutcome::NothingToRegister);
    EXPECT_EQ(registerRows(1, {marriedTo(6)}), RegistrationOutcome::NothingToRegister);
    EXPECT_EQ(registerRows(0, {marriedTo(2)}), RegistrationOutcome::NothingToRegister) << "no Person A";
    EXPECT_EQ(registerRows(6, {marriedTo(1)}), RegistrationOutcome::NothingToRegister) << "a free slot as Person A";
    EXPECT_EQ(u[1], (E{1, 4, 0}));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(session.changed);
}

TEST_F(UnionRegistration, EntriesBeyondTheFiveShownAreKept) {
    for (int partner : {2, 4, 8, 10, 12, 6, 4}) addUnion(u, RecordNo(1), RecordNo(partner));
    EXPECT_EQ(registerRows(1, {marriedTo(2), PartnerRow{}, PartnerRow{}, livingWith(10)}),
              RegistrationOutcome::Registered);
    EXPECT_EQ(u[2], (E{1, 10, 0}));
    EXPECT_FALSE(u[3].inUse());
    EXPECT_EQ(u[6], (E{1, 6, 1}));
    EXPECT_EQ(u[7], (E{1, 4, 1}));
    EXPECT_EQ(buildPartnerRows(session.persons, u, RecordNo(1))[2].partner, RecordNo(6))
        << "the kept ones follow the rewritten rows";
}

TEST_F(UnionRegistration, AFullTableOrTooLittleRoomRefusesBeforeChangingAnything) {
    u[7] = E{1, 2, 1};
    for (int i = 1; i < UnionTable::kLast; ++i) {
        if (!u[i].inUse()) u[i] = E{11, 12, 1};
    }
    EXPECT_EQ(registerRows(1, {marriedTo(2), marriedTo(4), marriedTo(8)}), RegistrationOutcome::NoRoom);
    EXPECT_EQ(u[7], (E{1, 2, 1}));
    EXPECT_FALSE(u[400].inUse());
    EXPECT_EQ(registerRows(1, {marriedTo(4), livingWith(8)}), RegistrationOutcome::Registered) << "two fit";
    EXPECT_EQ(u[7], (E{1, 4, 1}));
    EXPECT_EQ(u[400], (E{1, 8, 0}));
    EXPECT_EQ(u[0], (E{0, 0, 1})) << "entry 0 is never used";

    // Not even a rewrite of Person A's own entries when none is free.
    session.changed = false;
    EXPECT_EQ(registerRows(1, {livingWith(2)}), RegistrationOutcome::TableFull);
    EXPECT_EQ(u[7], (E{1, 4, 1}));
    EXPECT_FALSE(session.changed);
    EXPECT_EQ(prompt.shown, (Texts{"Niets opgeslagen. Er is nog plaats voor 2 van de 3 verbintenissen.\n"
                                   "Er kunnen niet meer dan 400 huwelijken geregistreerd worden",
                                   "De verbintenissen staan nu in het geheugen",
                                   "Niets opgeslagen. Al meer dan 400 huwelijken geregistreerd"}));
}

}  // namespace
}  // namespace brinox
