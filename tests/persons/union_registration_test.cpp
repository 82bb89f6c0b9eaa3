#include <gtest/gtest.h>

#include <algorithm>

#include "persons/union_registration.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;

const std::string kStored = "De verbintenissen staan nu in het geheugen";
const std::string kFull = "Niets opgeslagen. Al meer dan 400 huwelijken geregistreerd";

UnionEntry entry(int man, int woman, int married) {
    return UnionEntry{static_cast<std::uint16_t>(man), static_cast<std::uint16_t>(woman),
                      static_cast<std::uint8_t>(married), 0};
}

PartnerRow marriedTo(int r) { return PartnerRow{RecordNo(r), true}; }
PartnerRow livingWith(int r) { return PartnerRow{RecordNo(r), false}; }

class UnionRegistration : public ::testing::Test {
protected:
    UnionRegistration() {
        for (int i = 0; i < 12; ++i) {
            addPerson(session.persons, {i % 2 == 0 ? 'm' : 'v', "Naam" + std::to_string(i + 1), "P"});
        }
        session.persons.setSex(kNoSex, '-');
    }

    RegistrationOutcome registerRows(int personA, const PartnerRows& rows) {
        return registerUnions(session, prompt, RecordNo(personA), rows);
    }

    // Every entry but `except` taken by a union of strangers 11 and 12.
    void fillTableExcept(std::initializer_list<int> except) {
        for (int i = 1; i <= UnionTable::kLast; ++i) {
            if (std::find(except.begin(), except.end(), i) == except.end() && !session.unions[i].inUse()) {
                session.unions[i] = entry(11, 12, 1);
            }
        }
    }

    static constexpr RecordNo kNoSex{6};  // erased: sex "-"

    Session session;
    testing::ScriptedPrompt prompt;
};

TEST_F(UnionRegistration, RowsFollowTableOrderOnTheSideOfPersonAsSex) {
    auto& u = session.unions;
    u[2] = entry(1, 4, 0);
    u[3] = entry(2, 1, 1);   // man 1 on the woman side: not his
    u[4] = entry(1, 0, 1);   // no partner: no union
    u[5] = entry(1, 2, 7);   // any non-zero kind is a marriage
    u[7] = entry(3, 6, 1);   // the erased person 6 is no man: she takes the woman side
    u[8] = entry(6, 3, 1);
    const PartnerRows rows = buildPartnerRows(session.persons, u, RecordNo(1));
    EXPECT_EQ(rows[0].partner, RecordNo(4));
    EXPECT_FALSE(rows[0].married);
    EXPECT_EQ(rows[1].partner, RecordNo(2));
    EXPECT_TRUE(rows[1].married);
    EXPECT_TRUE(rows[2].partner.isNone());
    EXPECT_TRUE(rows[4].married) << "empty rows offer a marriage";

    EXPECT_EQ(unionEntriesOf(session.persons, u, RecordNo(2)), (std::vector<int>{5}));
    EXPECT_TRUE(unionEntriesOf(session.persons, u, RecordNo(0)).empty()) << "nobody has no unions";

    EXPECT_EQ(registerRows(kNoSex.value, {marriedTo(5), livingWith(3)}), RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], entry(5, 6, 1));
    EXPECT_EQ(u[6], entry(3, 6, 0));
    EXPECT_FALSE(u[7].inUse());
    EXPECT_EQ(u[8], entry(6, 3, 1)) << "the man side is not hers";
}

TEST_F(UnionRegistration, WritesEachRowInTheLowestFreeEntryDuplicatesIncluded) {
    auto& u = session.unions;
    u[1] = entry(3, 4, 1);
    u[2] = entry(1, 2, 1);   // Person A's old union, cleared and reused
    u[3] = entry(5, 8, 1);
    u[5] = entry(1, 10, 0);  // also cleared; gets the third row
    const PartnerRows rows{marriedTo(8), PartnerRow{}, livingWith(8), marriedTo(1), PartnerRow{}};
    EXPECT_EQ(registerRows(1, rows), RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], entry(3, 4, 1));
    EXPECT_EQ(u[2], entry(1, 8, 1));
    EXPECT_EQ(u[3], entry(5, 8, 1));
    EXPECT_EQ(u[4], entry(1, 8, 0));
    EXPECT_EQ(u[5], entry(1, 1, 1)) << "A as own partner is not checked";
    EXPECT_EQ(u[6], entry(0, 0, 1));
    EXPECT_EQ(prompt.shown, Texts{kStored});
    EXPECT_TRUE(session.changed);
}

TEST_F(UnionRegistration, ARowSetToZeroRemovesThatUnionAllZeroChangesNothing) {
    auto& u = session.unions;
    addUnion(u, RecordNo(1), RecordNo(2));
    addUnion(u, RecordNo(1), RecordNo(4), false);
    EXPECT_EQ(registerRows(1, {PartnerRow{}, livingWith(4)}), RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], entry(1, 4, 0));
    EXPECT_EQ(u[2], entry(0, 0, 0)) << "a cleared entry keeps its kind byte";

    session.changed = false;
    prompt.shown.clear();
    EXPECT_EQ(registerRows(1, PartnerRows{}), RegistrationOutcome::NothingToRegister);
    EXPECT_EQ(u[1], entry(1, 4, 0));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(session.changed);
    EXPECT_EQ(registerRows(0, {marriedTo(2)}), RegistrationOutcome::NothingToRegister) << "no Person A";
    EXPECT_EQ(u[2], entry(0, 0, 0));
}

TEST_F(UnionRegistration, EntriesBeyondTheFiveShownAreKept) {
    auto& u = session.unions;
    for (int partner : {2, 4, 8, 10, 12, 6, 4}) addUnion(u, RecordNo(1), RecordNo(partner));
    const UnionTable before = u;
    const PartnerRows rows = buildPartnerRows(session.persons, u, RecordNo(1));
    EXPECT_EQ(rows[4].partner, RecordNo(12));

    EXPECT_EQ(registerRows(1, {marriedTo(2), PartnerRow{}, PartnerRow{}, livingWith(10)}),
              RegistrationOutcome::Registered);
    EXPECT_EQ(u[1], entry(1, 2, 1));
    EXPECT_EQ(u[2], entry(1, 10, 0));
    EXPECT_EQ(u[3].man, 0);
    EXPECT_EQ(u[5].man, 0);
    EXPECT_EQ(u[6], before[6]);
    EXPECT_EQ(u[7], before[7]);
    // The next opening shows the kept ones after the rewritten rows.
    const PartnerRows again = buildPartnerRows(session.persons, u, RecordNo(1));
    EXPECT_EQ(again[2].partner, RecordNo(6));
    EXPECT_EQ(again[3].partner, RecordNo(4));
    EXPECT_TRUE(again[4].partner.isNone());
}

TEST_F(UnionRegistration, AFullTableRefusesEvenARewriteOfPersonAsOwnEntries) {
    auto& u = session.unions;
    u[10] = entry(1, 2, 1);
    fillTableExcept({});
    const UnionTable before = u;
    EXPECT_EQ(registerRows(1, {livingWith(2)}), RegistrationOutcome::TableFull);
    EXPECT_EQ(prompt.shown, Texts{kFull});
    for (int i = 0; i < UnionTable::kEntries; ++i) EXPECT_EQ(u[i], before[i]) << i;
    EXPECT_FALSE(session.changed);
}

TEST_F(UnionRegistration, MorePartnersThanFreeEntriesRefusesBeforeChangingAnything) {
    auto& u = session.unions;
    u[7] = entry(1, 2, 1);
    fillTableExcept({400});
    const UnionTable before = u;
    const PartnerRows three{marriedTo(2), marriedTo(4), marriedTo(8)};
    EXPECT_EQ(registerRows(1, three), RegistrationOutcome::NoRoom);
    EXPECT_EQ(prompt.shown, Texts{"Niets opgeslagen. Er is nog plaats voor 2 van de 3 verbintenissen.\n"
                                  "Er kunnen niet meer dan 400 huwelijken geregistreerd worden"});
    EXPECT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Warning});
    for (int i = 0; i < UnionTable::kEntries; ++i) EXPECT_EQ(u[i], before[i]) << i;
    EXPECT_FALSE(session.changed);

    // Two fit: the old entry and the last one.
    EXPECT_EQ(registerRows(1, {marriedTo(4), livingWith(8)}), RegistrationOutcome::Registered);
    EXPECT_EQ(u[7], entry(1, 4, 1));
    EXPECT_EQ(u[400], entry(1, 8, 0));
    EXPECT_EQ(u[0], entry(0, 0, 1)) << "entry 0 is never used";
}

}  // namespace
}  // namespace brinox
