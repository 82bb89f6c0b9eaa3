#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection/selection_lists.h"
#include "store/ansi_text.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

// A filled line as printed: filled in Windows-1252, then converted.
std::string filled(const std::string& ansi, int r) { return ansiToUtf8(fillAndNumber(ansi, RecordNo(r))); }

class CliSelect : public ::testing::Test {
protected:
    CliSelect() {
        auto& p = family.persons;
        addPerson(p, {.sex = 'm', .familyName = "Dorkum", .firstNames = "Piet", .birthYear = 1950, .info1 = "Bakker"});
        addPerson(p, {.sex = 'v', .familyName = "Vries", .firstNames = "Ren\xE9" "e", .birthYear = 1952,
                      .info2 = "bakkersdochter"});
        addPerson(p, {'m', "Bos", "Kees"});                                         // 3
        addUnion(family.unions, RecordNo(1), RecordNo(2));
        writeFamily(family, dir.path(), "SMIT", 1);
    }

    std::vector<std::string> args(std::vector<std::string> rest) const {
        rest.insert(rest.begin(), {"--data", dir.path().string()});
        return rest;
    }

    TempDir dir;
    Session family;
    const std::string buttons = "persoon\t1  Piet Dorkum\npartner\t2  Ren\u00e9e Vries\n";
    const std::string piet = "line\t" + filled("Dorkum  Piet  (1950)", 1) + "\n";
    const std::string renee = "line\t" + filled("Vries  Ren\xE9" "e  (1952)", 2) + "\n";
};

TEST_F(CliSelect, FamilyNameAndKeywordListsWithBothButtons) {
    auto result = runCommandLine(args({"select", "familienaam"}));
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "title\tAlfabetische personenlijst gerangschikt naar Familienaam\n" + buttons +
                              "line\t" + filled("Bos  Kees", 3) + "\n" + piet + renee);

    result = runCommandLine(args({"select", "zoekwoord", "--word", "bakker"}));
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "title\tPersonen, waarbij BAKKER in een inforegel staat\n" + buttons + piet + renee);
}

TEST_F(CliSelect, RecordNumberListWithAReferenceWithoutPartner) {
    const auto result = runCommandLine(args({"--selected", "2", "select", "recordnummer", "--reference", "3"}));
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "title\tAlfabetische personenlijst gerangschikt naar recordnummer\n"
                          "persoon\t2  Ren\u00e9e Vries\n"
                          "partner\t\n"
                          "line\t1  Dorkum  Piet  (1950)\n"
                          "line\t2  Vries  Ren\u00e9e  (1952)\n"
                          "line\t3  Bos  Kees\n");
}

TEST_F(CliSelect, HistoryAfterTheSelectedPersonAndTheGivenSelections) {
    const auto result = runCommandLine(args({"select", "historie", "--history", "3,2,3"}));
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string kees = "line\t" + filled("Bos  Kees", 3) + "\n";
    std::string expected = "title\tHistorie-lijst van Uw laatste 18 selecties\n" + buttons + piet + kees + renee + kees;
    for (int i = 0; i < 14; ++i) expected += "line\t" + filled("  ", 0) + "\n";
    EXPECT_EQ(result.out, expected);
}

TEST_F(CliSelect, RefusesUnknownListsAndRecordNumbersOutsideTheFamily) {
    EXPECT_EQ(runCommandLine(args({"select", "achternaam"})).code, 1);
    EXPECT_EQ(runCommandLine(args({"select", "familienaam", "--reference", "4"})).code, 1);
    EXPECT_EQ(runCommandLine(args({"select", "historie", "--history", "1,0"})).code, 1);
    const auto result = runCommandLine(args({"select", "historie", "--history", "9"}));
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "record number outside 1..3: 9\n");
}

}  // namespace
}  // namespace brinox::testing
