#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

class RelationCommand : public ::testing::Test {
protected:
    RelationCommand() {
        Session s;
        addPerson(s.persons, {'m', "Bos", "Jan"});                    // 1
        addPerson(s.persons, {'v', "Kok", "Els"});                    // 2
        addPerson(s.persons, {'m', "Bos", "Kees", 0, 0, 0, 1, 2});    // 3
        addPerson(s.persons, {'v', "Bos", "Ans", 0, 0, 0, 1, 2});     // 4
        addPerson(s.persons, {'m', "Weg", "Wis"});                    // 5
        s.persons.erase(RecordNo(5));
        addUnion(s.unions, RecordNo(1), RecordNo(2));
        writeFamily(s, dir.path(), "BOS");
    }

    CliRun relation(std::vector<std::string> words) {
        words.insert(words.begin(), {"--data", dir.path().string(), "relation"});
        return runCommandLine(words);
    }

    TempDir dir;
};

TEST_F(RelationCommand, PrintsTheWindowAndWhatAPressHits) {
    const std::string siblings =
        "outcome\t2\nmarked\t1\t1\nancestor\t1\ncaption\tVerwantschap tussen A: Kees  Bos en B: Ans  Bos\n"
        "label1\tJan  Bos is de gemeenschappelijke voorouder\nlabel2\tHij is de vader van \nlabel3\tKees  Bos\n"
        "label4\ten de vader van\nlabel5\tAns  Bos\nlabel6\tAns  Bos is de zuster van \nlabel7\tKees  Bos\n"
        "partner\t\n";
    auto result = relation({"3", "4", "--press", "b,82,116"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, siblings + "press\t1\t1\n");
    EXPECT_EQ(relation({"3", "4", "--press", "a,0,150"}).out, siblings + "press\t0\t3\n");
    EXPECT_EQ(relation({"3", "4", "--press", "a,26,5"}).out, siblings + "press\t\t0\n");
    EXPECT_EQ(relation({"--press", "a,50,85", "3", "4"}).out,
              siblings + "press\t3\t0\nmessage\tinformation\tDeze persoon staat niet in het familiebestand\n");
}

TEST_F(RelationCommand, OtherOutcomesMarkOnePositionOrNone) {
    using Case = std::tuple<const char*, const char*, const char*, const char*>;
    for (const auto& [a, b, marked, partner] : std::vector<Case>{
             {"3", "1", "outcome\t1\nmarked\t1\n", "partner\t\n"},
             {"1", "4", "outcome\t3\nmarked\t1\n", "partner\t\n"},
             {"1", "2", "outcome\t0\nmarked\t0\n", "partner\t1 Jan  Bos\n"},
             {"3", "5", "outcome\t0\nmarked\t0\n", "partner\t\n"}}) {
        const auto out = relation({a, b}).out;
        EXPECT_EQ(out.rfind(marked, 0), 0u) << out;
        EXPECT_NE(out.find(partner), std::string::npos) << out;
    }
    EXPECT_EQ(relation({"3", "6"}).code, 1);
    EXPECT_EQ(relation({"3", "4", "--press", "c,1,2"}).err, "--press needs a,X,Y or b,X,Y\n");
}

TEST(RelationDemoFamily, HoldsACousinANieceAGreatUncleAndACoupleWithoutCommonAncestors) {
    using Case = std::tuple<std::string, std::string, std::string, std::string>;
    for (const auto& [a, b, label6, partner] : std::vector<Case>{
             {"12", "14", "Albert  Mulder is de neef van ", ""},
             {"17", "26", "Marijke  van Dorkum is de nicht van ", ""},
             {"16", "7", "Klaas  Mulder is de oudoom van ", ""},
             {"12", "10", "", "12 Gerrit Hendrik  van Dorkum"}}) {
        const auto out = runCommandLine({"--data", BRINOX_DEMO_DIR, "relation", a, b}).out;
        EXPECT_NE(out.find("\nlabel6\t" + label6 + "\n"), std::string::npos) << out;
        EXPECT_NE(out.find("\npartner\t" + partner + "\n"), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace brinox::testing
