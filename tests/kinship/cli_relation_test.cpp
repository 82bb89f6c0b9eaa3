#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

// The value of the line with `key`, without the key and its TAB; "?" when none.
std::string valueOf(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + "\t", 0) == 0) return line.substr(key.size() + 1);
    }
    return "?";
}

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

TEST_F(RelationCommand, EachOutcome) {
    struct Case {
        std::string a, b, outcome, marked, label1, partner;
    };
    for (const Case& c : std::vector<Case>{
             {"3", "1", "1", "1", "Jan  Bos", ""},
             {"1", "4", "3", "1", "Jan  Bos", ""},
             {"1", "2", "0", "0", "Bij het zoeken in de laatste 5 generaties van beide personen", "1 Jan  Bos"},
             {"3", "3", "0", "0", "", ""},
             {"3", "5", "0", "0", "Bij het zoeken in de laatste 5 generaties van beide personen", ""}}) {
        SCOPED_TRACE(c.a + " " + c.b);
        const auto result = relation({c.a, c.b});
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(valueOf(result.out, "outcome"), c.outcome);
        EXPECT_EQ(valueOf(result.out, "marked"), c.marked);
        EXPECT_EQ(valueOf(result.out, "label1"), c.label1);
        EXPECT_EQ(valueOf(result.out, "partner"), c.partner);
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
        const auto result = runCommandLine({"--data", BRINOX_DEMO_DIR, "relation", a, b});
        EXPECT_EQ(valueOf(result.out, "label6"), label6) << a << " " << b;
        EXPECT_EQ(valueOf(result.out, "partner"), partner) << a << " " << b;
    }
}

}  // namespace
}  // namespace brinox::testing
