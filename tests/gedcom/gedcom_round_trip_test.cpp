#include <gtest/gtest.h>

#include <cerrno>

#include "gedcom/gedcom_exchange.h"
#include "store/family_load.h"
#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

// A family with what a round trip could lose: parts of dates unknown or
// out of range, a child of one known parent, parents who are no registered
// couple, a man with six unions of both kinds, accents, "@" and notes.
Session edgeFamily() {
    Session s;
    const RecordNo man = addPerson(s.persons, {'m', "M\xFCller-\xC9" "b\xE8ne", "Jan @home", 1896, 9, 0, 0, 0, 0, 0, 0, "Schipper", "Delfzijl"});
    const RecordNo first = addPerson(s.persons, {'v', "Smit", "Anna", 0, 3, 14, 0, 0, 1970});
    for (int i = 0; i < 5; ++i) {
        const RecordNo partner = addPerson(s.persons, {'v', "Partner", std::to_string(i), 1900 + i, 13, 40});
        addUnion(s.unions, man, partner, i % 2 == 0);
    }
    addUnion(s.unions, man, first, false);
    addPerson(s.persons, {'m', "Kind", "Alleen vader", 1930, 0, 0, man.value});
    addPerson(s.persons, {'v', "Kind", "Alleen moeder", 0, 0, 0, 0, first.value, 0, 0, 2001});
    const RecordNo loose = addPerson(s.persons, {'m', "Vrij", "Piet"});
    addPerson(s.persons, {'v', "Kind", "Geen paar", 1950, 1, 1, loose.value, 3});
    return s;
}

struct Exchanged {
    TempDir data;
    ScriptedPrompt prompt;
    Session back;
};

void exchange(const Session& original, Exchanged& out) {
    Session session = original;
    writeFamily(session, out.data.path(), "OUD");
    session.dataDirectory = out.data.path();
    session.familyCode = "OUD";
    const auto file = out.data / "OUD" / "oud.ged";
    ASSERT_TRUE(exportFamily(session, file, Moment{2026, 12, 7}, out.prompt));
    const auto result = importFamily(file, out.data.path(), "nieuw", out.prompt);
    ASSERT_EQ(result.outcome, ImportOutcome::Imported) << (out.prompt.shown.empty() ? "" : out.prompt.shown.back());
    out.back.dataDirectory = out.data.path();
    out.back.familyCode = "NIEUW";
    ASSERT_TRUE(LoadFamily(out.back, out.prompt));
}

TEST(GedcomRoundTrip, EveryPersonUnionAndLinkComesBack) {
    const Session original = edgeFamily();
    Exchanged out;
    exchange(original, out);
    ASSERT_EQ(out.back.persons.count(), original.persons.count());
    for (int r = 1; r <= original.persons.count(); ++r) {
        EXPECT_EQ(out.back.persons.record(RecordNo(r)), original.persons.record(RecordNo(r))) << r;
    }
    for (int i = 1; i <= UnionTable::kLast; ++i) EXPECT_EQ(out.back.unions[i], original.unions[i]) << i;
    EXPECT_NE(out.prompt.shown.back().find("Personen met meer dan vijf relaties (alle bewaard): 1 (Jan @home M\xFCller-\xC9" "b\xE8ne)"),
              std::string::npos)
        << out.prompt.shown.back();
}

TEST(GedcomRoundTrip, TheNewFamilyIsWholeOrAbsent) {
    Exchanged out;
    exchange(edgeFamily(), out);
    // A family that exists is never overwritten, whatever the case of its name.
    EXPECT_EQ(importFamily(out.data / "OUD" / "oud.ged", out.data.path(), "Nieuw", out.prompt).outcome,
              ImportOutcome::Refused);
    // Each call of each kind fails in turn, until the import gets past them all.
    for (FileCall call : {FileCall::Write, FileCall::Sync, FileCall::Rename, FileCall::SyncDirectory}) {
        for (int skip = 0; skip < 50; ++skip) {
            FailingCall failing(call, ENOSPC, skip);
            const auto outcome =
                importFamily(out.data / "OUD" / "oud.ged", out.data.path(), "ANDER", out.prompt, failing).outcome;
            if (outcome == ImportOutcome::Imported) {
                EXPECT_GT(skip, 0) << static_cast<int>(call);
                std::filesystem::remove_all(out.data / "ANDER");
                break;
            }
            EXPECT_FALSE(std::filesystem::exists(out.data / "ANDER")) << static_cast<int>(call) << " " << skip;
            EXPECT_FALSE(std::filesystem::exists(out.data / ".ANDER.import")) << static_cast<int>(call) << " " << skip;
        }
    }
}

}  // namespace
}  // namespace brinox::testing
