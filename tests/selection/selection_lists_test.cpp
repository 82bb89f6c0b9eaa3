#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection/selection_history.h"
#include "selection/selection_lists.h"
#include "support/family_builder.h"

namespace brinox {
namespace {

using testing::addPerson;
using Lines = std::vector<std::string>;

// The visible part of each line: what stands before the fill.
Lines visibleParts(const Lines& lines) {
    Lines parts;
    for (const auto& line : lines) parts.push_back(line.substr(0, line.find("            ")));
    return parts;
}

// The bracketed number at the end of a line.
std::string bracket(const std::string& line) { return line.substr(line.rfind('[')); }

class SelectionLists : public ::testing::Test {
protected:
    Lines build(ListKind kind) {
        session.selection.listKind = static_cast<int>(kind);
        return maaklijst(session.persons, session.selection);
    }

    Session session;
};

TEST(SelectionLine, FillsInBlocksOfTwelveToBetween160And171ThenTheBracketedNumber) {
    EXPECT_EQ(fillAndNumber("Smit  Jan  (1900)", RecordNo(7)),
              "Smit  Jan  (1900)" + std::string(144, ' ') + "[7]");  // 17 + 12 * 12 = 161
    EXPECT_EQ(fillAndNumber(std::string(160, 'x'), RecordNo(1)), std::string(160, 'x') + "[1]");
    EXPECT_EQ(fillAndNumber(std::string(159, 'x'), RecordNo(1)).size(), 171u + 3u);
    EXPECT_EQ(fillAndNumber("", RecordNo(0)), std::string(168, ' ') + "[0]");
}

TEST_F(SelectionLists, FamilyNameListIgnoresCaseAndSortsAccentedLettersWithTheirBase) {
    for (const char* name : {"Eijk", "\xC9gberts", "Ederveen", "dekker", "De Vries", "de Boer", "Zw\xE4n", "Zwaan"}) {
        addPerson(session.persons, {'m', name, "X"});
    }
    EXPECT_EQ(visibleParts(build(ListKind::FamilyName)),
              (Lines{"de Boer  X", "De Vries  X", "dekker  X", "Ederveen  X", "\xC9gberts  X", "Eijk  X", "Zwaan  X",
                     "Zw\xE4n  X"}));
}

TEST_F(SelectionLists, SameNamesOrderByFirstNamesThenYearThenBracketedNumberAsText) {
    auto& p = session.persons;
    for (int i = 1; i <= 12; ++i) {
        const bool jan = i == 9 || i == 12;
        addPerson(p, {'m', jan ? "Smit" : "Filler", jan ? "Jan" : "Nr"});
    }
    addPerson(p, {'m', "Smit", "Jan", 1850});   // 13
    addPerson(p, {'m', "Smit", "Anna", 1990});  // 14

    const Lines lines = build(ListKind::FamilyName);

    ASSERT_EQ(lines.size(), 14u);
    // "0" sorts before "]": 10 and 11 come before 1; and 12 before 9.
    EXPECT_EQ(bracket(lines[0]) + bracket(lines[1]) + bracket(lines[2]), "[10][11][1]");
    EXPECT_EQ(visibleParts({lines[10]}), Lines{"Smit  Anna  (1990)"});
    EXPECT_EQ(bracket(lines[11]) + bracket(lines[12]), "[12][9]");
    EXPECT_EQ(visibleParts({lines[13]}), Lines{"Smit  Jan  (1850)"});
}

TEST_F(SelectionLists, OtherListsShowTheirOwnLinesTheRecordNumberListAFreeSlotWithoutAName) {
    auto& p = session.persons;
    addPerson(p, {'m', "Dorkum", "piet", 1950});  // 1
    addPerson(p, {'v', "Smit", "Anna", 1922});    // 2
    addPerson(p, {'m', "Bos", "Kees"});           // 3
    addPerson(p, {'v', "Aalders", "Zoe", 1922});  // 4

    EXPECT_EQ(visibleParts(build(ListKind::FirstName)),
              (Lines{"Anna  Smit  (1922)", "Kees  Bos", "piet  Dorkum  (1950)", "Zoe  Aalders  (1922)"}));
    EXPECT_EQ(visibleParts(build(ListKind::BirthYear)),
              (Lines{"()  Bos  Kees", "(1922)  Aalders  Zoe", "(1922)  Smit  Anna", "(1950)  Dorkum  piet"}));
    p.erase(RecordNo(2));
    EXPECT_EQ(build(ListKind::RecordNumber),
              (Lines{"1  Dorkum  piet  (1950)", "0    ", "3  Bos  Kees", "4  Aalders  Zoe  (1922)"}));
}

TEST_F(SelectionLists, KeywordIsUpperCasedAndFoundInsideLongerWordsOfEitherLine) {
    auto& p = session.persons;
    addPerson(p, {.sex = 'm', .familyName = "Bos", .firstNames = "Kees", .info1 = "Bakker in Zwolle"});  // 1
    addPerson(p, {.sex = 'v', .familyName = "Aalders", .firstNames = "Ida", .info1 = "boerin",
                  .info2 = "Hield een BAKKERIJ"});                                                     // 2
    addPerson(p, {.sex = 'm', .familyName = "Dorkum", .firstNames = "Jan", .info1 = "smid"});           // 3
    addPerson(p, {.sex = 'm', .familyName = "Cats", .firstNames = "Bram", .info2 = "CAF\xC9 broodbakker"});  // 4

    session.selection.searchWord = "bakKer";
    const Lines lines = build(ListKind::Keyword);
    EXPECT_EQ(session.selection.searchWord, "BAKKER");
    EXPECT_EQ(listTitle(ListKind::Keyword, "BAKKER"), "Personen, waarbij BAKKER in een inforegel staat");
    EXPECT_EQ(visibleParts(lines), (Lines{"Aalders  Ida", "Bos  Kees", "Cats  Bram"}));

    session.selection.searchWord = "caf\xE9";
    EXPECT_EQ(visibleParts(build(ListKind::Keyword)), Lines{"Cats  Bram"}) << "accents match in either case";
    EXPECT_EQ(session.selection.searchWord, "CAF\xE9") << "only a..z are upper-cased in the stored word";

    session.selection.searchWord = "";
    EXPECT_TRUE(build(ListKind::Keyword).empty());
}

TEST_F(SelectionLists, HistoryHasEighteenLinesInSlotOrderEmptySlotsWithNumberZero) {
    for (int i = 1; i <= 2; ++i) addPerson(session.persons, {'m', "P" + std::to_string(i), "X"});
    session.selection.restart(RecordNo(1));
    recordSelection(session.selection, RecordNo(2));
    recordSelection(session.selection, RecordNo(1));

    const Lines lines = build(ListKind::History);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(visibleParts({lines[0], lines[1], lines[2]}), (Lines{"P1  X", "P2  X", "P1  X"}));
    EXPECT_EQ(lines[3], "  " + std::string(12 * 14, ' ') + "[0]");
    EXPECT_EQ(lines[17], lines[3]);
}

TEST(FirstPartner, IsTheOtherOfTheFirstRegisteredUnionWithBothPartners) {
    Session s;
    addPerson(s.persons, {'m', "Smit", "Jan"});    // 1
    addPerson(s.persons, {'v', "Bos", "Ida"});     // 2
    addPerson(s.persons, {'v', "Kok", "Els"});     // 3
    addPerson(s.persons, {'-', "", ""});           // 4: a free slot
    s.unions[0] = UnionEntry{0, 2, 1, 0};          // half entries are no union
    s.unions[1] = UnionEntry{1, 0, 1, 0};
    s.unions[3] = UnionEntry{1, 3, 0, 0};          // steady relationship, registered first
    s.unions[7] = UnionEntry{1, 2, 1, 0};
    s.unions[9] = UnionEntry{4, 3, 1, 0};

    std::vector<int> partners;  // of records 0 to 4
    for (int r = 0; r <= 4; ++r) partners.push_back(firstPartner(s.persons, s.unions, RecordNo(r)).value);
    EXPECT_EQ(partners, (std::vector<int>{0, 3, 1, 1, 0}));
    s.unions[0] = UnionEntry{3, 2, 1, 0};          // entry 0 counts too
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(2)), RecordNo(3));
    s.unions[0] = UnionEntry{4, 2, 1, 0};          // a free slot is no partner
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(2)), RecordNo(1));
}

TEST(ClickedNumber, RecordNumberListUpToTheFirstBlankOthersBetweenTheLastBrackets) {
    EXPECT_EQ(clickedNumberOf(ListKind::RecordNumber, "12  Smit  Jan  (1900)"), "12");
    EXPECT_EQ(clickedNumberOf(ListKind::RecordNumber, "7"), "7");
    EXPECT_EQ(clickedNumberOf(ListKind::FamilyName, fillAndNumber("Smit  Jan", RecordNo(345))), "345");
    EXPECT_EQ(clickedNumberOf(ListKind::FirstName, fillAndNumber("Jan [de oude]  Smit [1]", RecordNo(8))), "8");
    EXPECT_EQ(clickedNumberOf(ListKind::FirstName, "open [ maar niet dicht"), "");
    EXPECT_EQ(recordOfClicked("345"), RecordNo(345));
    EXPECT_EQ(recordOfClicked("0"), RecordNo());
    EXPECT_EQ(recordOfClicked("1a"), RecordNo());
}

TEST(LetterSearch, FirstLineFromTheTopStartingWithTheLetterInEitherCase) {
    const Lines lines{"(1900)  Bos", "aalders", "Bakker", "bos"};
    EXPECT_EQ(lineStartingWith(lines, 'B'), 2);
    EXPECT_EQ(lineStartingWith(lines, 'a'), 1);
    EXPECT_EQ(lineStartingWith(lines, 'Z'), std::nullopt);
    EXPECT_EQ(lineStartingWith(lines, '('), std::nullopt) << "no letter";
}

}  // namespace
}  // namespace brinox
