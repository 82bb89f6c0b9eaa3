#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection/selection_history.h"
#include "selection/selection_lists.h"
#include "support/family_builder.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using Lines = std::vector<std::string>;

// The visible part of a line: what stands before the fill.
std::string visible(const std::string& line) {
    const auto fill = line.find("            ");
    return fill == std::string::npos ? line : line.substr(0, fill);
}

// The bracketed number at the end of a line.
std::string bracket(const std::string& line) { return line.substr(line.rfind('[')); }

Lines visibleParts(const Lines& lines) {
    Lines parts;
    for (const auto& line : lines) parts.push_back(visible(line));
    return parts;
}

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
    for (int length = 0; length <= 200; ++length) {
        const std::string line = fillAndNumber(std::string(static_cast<std::size_t>(length), 'a'), RecordNo(42));
        const std::size_t filled = line.size() - 4;
        if (length < 160) {
            EXPECT_GE(filled, 160u) << length;
            EXPECT_LE(filled, 171u) << length;
            EXPECT_EQ((filled - static_cast<std::size_t>(length)) % 12, 0u) << length;
        } else {
            EXPECT_EQ(filled, static_cast<std::size_t>(length));
        }
    }
}

TEST(SelectionLine, EachKindHasItsOwnOrderOfNameAndYear) {
    PersonTable persons;
    addPerson(persons, {'m', "Dorkum", "Jan", 1920});
    addPerson(persons, {'v', "Smit", "Anna"});
    EXPECT_EQ(visible(familyNameLine(persons, RecordNo(1))), "Dorkum  Jan  (1920)");
    EXPECT_EQ(visible(familyNameLine(persons, RecordNo(2))), "Smit  Anna");
    EXPECT_EQ(visible(firstNameLine(persons, RecordNo(1))), "Jan  Dorkum  (1920)");
    EXPECT_EQ(visible(birthYearLine(persons, RecordNo(1))), "(1920)  Dorkum  Jan");
    EXPECT_EQ(visible(birthYearLine(persons, RecordNo(2))), "()  Smit  Anna");
    EXPECT_EQ(recordNumberLine(persons, RecordNo(1)), "1  Dorkum  Jan  (1920)");
    EXPECT_EQ(recordNumberLine(persons, RecordNo(2)), "2  Smit  Anna");
    EXPECT_EQ(familyNameLine(persons, RecordNo(2)).substr(166), "[2]");
    EXPECT_EQ(familyNameLine(persons, RecordNo(2)).size(), 10u + 12u * 13u + 3u);
}

TEST_F(SelectionLists, FamilyNameListIgnoresCaseAndSortsAccentedLettersWithTheirBase) {
    auto& p = session.persons;
    addPerson(p, {'m', "Eijk", "Piet"});                 // 1
    addPerson(p, {'m', "\xC9gberts", "Jan", 1901});      // 2: Égberts
    addPerson(p, {'v', "Ederveen", "Ida"});              // 3
    addPerson(p, {'m', "dekker", "Kees"});               // 4
    addPerson(p, {'v', "De Vries", "Ren\xE9" "e"});      // 5: Renée
    addPerson(p, {'m', "de Boer", "Ab"});                // 6
    addPerson(p, {'m', "Zw\xE4" "n", "Otto"});           // 7: Zwän
    addPerson(p, {'m', "Zwaan", "Otto"});                // 8

    const Lines lines = build(ListKind::FamilyName);

    EXPECT_EQ(visibleParts(lines), (Lines{"de Boer  Ab", "De Vries  Ren\xE9" "e", "dekker  Kees", "Ederveen  Ida",
                                          "\xC9gberts  Jan  (1901)", "Eijk  Piet", "Zwaan  Otto",
                                          "Zw\xE4" "n  Otto"}));
}

TEST_F(SelectionLists, SameNamesOrderByFirstNamesThenYearThenBracketedNumberAsText) {
    auto& p = session.persons;
    for (int i = 1; i <= 12; ++i) addPerson(p, {'m', "Filler", "Nr"});  // 1..12 alike
    p.setFirstNames(RecordNo(9), "Jan");
    p.setFamilyName(RecordNo(9), "Smit");
    p.setFirstNames(RecordNo(12), "Jan");
    p.setFamilyName(RecordNo(12), "Smit");
    addPerson(p, {'m', "Smit", "Jan", 1850});   // 13
    addPerson(p, {'m', "Smit", "Anna", 1990});  // 14

    const Lines lines = build(ListKind::FamilyName);

    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(visible(lines[10]), "Smit  Anna  (1990)");
    EXPECT_EQ(bracket(lines[11]), "[12]") << "12 sorts before 9, character by character";
    EXPECT_EQ(bracket(lines[12]), "[9]");
    EXPECT_EQ(visible(lines[13]), "Smit  Jan  (1850)");
    // "0" sorts before "]": 10 and 11 come before 1.
    EXPECT_EQ(bracket(lines[0]), "[10]");
    EXPECT_EQ(bracket(lines[1]), "[11]");
    EXPECT_EQ(bracket(lines[2]), "[1]");
    EXPECT_EQ(bracket(lines[9]), "[8]");
}

TEST_F(SelectionLists, FirstNameAndBirthYearListsAreSortedUnknownYearsFirst) {
    auto& p = session.persons;
    addPerson(p, {'m', "Dorkum", "piet", 1950});  // 1
    addPerson(p, {'v', "Smit", "Anna", 1922});    // 2
    addPerson(p, {'m', "Bos", "Kees"});           // 3
    addPerson(p, {'v', "Aalders", "Zoe", 1922});  // 4

    EXPECT_EQ(visibleParts(build(ListKind::FirstName)),
              (Lines{"Anna  Smit  (1922)", "Kees  Bos", "piet  Dorkum  (1950)", "Zoe  Aalders  (1922)"}));
    EXPECT_EQ(visibleParts(build(ListKind::BirthYear)),
              (Lines{"()  Bos  Kees", "(1922)  Aalders  Zoe", "(1922)  Smit  Anna", "(1950)  Dorkum  piet"}));
}

TEST_F(SelectionLists, RecordNumberListKeepsRecordOrderAndShowsTheNumberField) {
    auto& p = session.persons;
    addPerson(p, {'m', "Zwart", "Piet", 1950});
    addPerson(p, {'v', "Aalders", "Anna"});
    addPerson(p, {'m', "Bos", "Kees"});
    p.erase(RecordNo(2));  // a free slot gives a line without a name

    EXPECT_EQ(build(ListKind::RecordNumber), (Lines{"1  Zwart  Piet  (1950)", "0    ", "3  Bos  Kees"}));
}

TEST_F(SelectionLists, FreeSlotsGiveLinesWithoutAName) {
    addPerson(session.persons, {'m', "Bos", "Kees"});
    addPerson(session.persons, {'m', "Aa", "Jan"});
    session.persons.erase(RecordNo(2));

    const Lines lines = build(ListKind::FamilyName);

    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], fillAndNumber("  ", RecordNo(2)));
}

TEST_F(SelectionLists, KeywordListUpperCasesTheWordAndFindsItInsideLongerWordsOfEitherLine) {
    auto& p = session.persons;
    addPerson(p, {.sex = 'm', .familyName = "Bos", .firstNames = "Kees", .info1 = "Bakker in Zwolle"});  // 1
    addPerson(p, {.sex = 'v', .familyName = "Aalders", .firstNames = "Ida", .info1 = "boerin",
                  .info2 = "Hield een BAKKERIJ"});                                                     // 2
    addPerson(p, {.sex = 'm', .familyName = "Dorkum", .firstNames = "Jan", .info1 = "smid"});           // 3
    addPerson(p, {.sex = 'm', .familyName = "Cats", .firstNames = "Bram", .info2 = "broodbakker"});     // 4
    session.selection.searchWord = "bakKer";

    const Lines lines = build(ListKind::Keyword);

    EXPECT_EQ(session.selection.searchWord, "BAKKER");
    EXPECT_EQ(listTitle(ListKind::Keyword, session.selection.searchWord),
              "Personen, waarbij BAKKER in een inforegel staat");
    EXPECT_EQ(visibleParts(lines), (Lines{"Aalders  Ida", "Bos  Kees", "Cats  Bram"}));
    EXPECT_EQ(lines[0], familyNameLine(p, RecordNo(2)));
}

TEST_F(SelectionLists, KeywordMatchesAccentedLettersInEitherCase) {
    addPerson(session.persons, {.sex = 'v', .familyName = "Bos", .firstNames = "Ida", .info1 = "CAF\xC9 De Ster"});
    session.selection.searchWord = "caf\xE9";

    const Lines lines = build(ListKind::Keyword);

    EXPECT_EQ(session.selection.searchWord, "CAF\xE9") << "only a..z are upper-cased in the stored word";
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(SelectionLists, EmptyKeywordMatchesNobody) {
    addPerson(session.persons, {.sex = 'v', .familyName = "Bos", .firstNames = "Ida", .info1 = "boerin"});
    session.selection.searchWord = "";
    EXPECT_TRUE(build(ListKind::Keyword).empty());
    EXPECT_EQ(listTitle(ListKind::Keyword, ""), "Personen, waarbij  in een inforegel staat");
}

TEST_F(SelectionLists, HistoryHasEighteenLinesInSlotOrderEmptySlotsWithNumberZero) {
    addPerson(session.persons, {'m', "Smit", "Jan", 1900});
    addPerson(session.persons, {'v', "Aalders", "Ida"});
    session.selection.restart(RecordNo(1));
    recordSelection(session.selection, RecordNo(2));
    recordSelection(session.selection, RecordNo(1));

    const Lines lines = build(ListKind::History);

    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(visible(lines[0]), "Smit  Jan  (1900)");
    EXPECT_EQ(visible(lines[1]), "Aalders  Ida");
    EXPECT_EQ(lines[2], familyNameLine(session.persons, RecordNo(1)));
    EXPECT_EQ(lines[3], "  " + std::string(12 * 14, ' ') + "[0]");
    EXPECT_EQ(lines[17], lines[3]);
}

TEST_F(SelectionLists, TwentySelectionsLeaveTheLastEighteenOldestFirst) {
    for (int i = 1; i <= 25; ++i) addPerson(session.persons, {'m', "P" + std::to_string(i), "X"});
    session.selection.restart(RecordNo(25));
    for (int click = 1; click <= 20; ++click) recordSelection(session.selection, RecordNo(click));

    const Lines lines = build(ListKind::History);

    ASSERT_EQ(lines.size(), 18u);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(lines[i], familyNameLine(session.persons, RecordNo(i + 3))) << i;
}

TEST(SelectionTitles, NameEveryList) {
    EXPECT_EQ(listTitle(ListKind::FamilyName, ""), "Alfabetische personenlijst gerangschikt naar Familienaam");
    EXPECT_EQ(listTitle(ListKind::FirstName, ""), "Alfabetische personenlijst gerangschikt naar Voornaam");
    EXPECT_EQ(listTitle(ListKind::RecordNumber, ""), "Alfabetische personenlijst gerangschikt naar recordnummer");
    EXPECT_EQ(listTitle(ListKind::BirthYear, ""), "Personenlijst gerangschikt naar hun Geboortejaar");
    EXPECT_EQ(listTitle(ListKind::History, ""), "Historie-lijst van Uw laatste 18 selecties");
    EXPECT_EQ(listKindOf(0), ListKind::FamilyName);
    EXPECT_EQ(listKindOf(7), ListKind::FamilyName);
    EXPECT_EQ(listKindOf(6), ListKind::History);
}

TEST(FirstPartner, ManGetsTheWomanOfHisFirstRegisteredUnion) {
    Session s;
    addPerson(s.persons, {'m', "Smit", "Jan"});    // 1
    addPerson(s.persons, {'v', "Bos", "Ida"});     // 2
    addPerson(s.persons, {'v', "Kok", "Els"});     // 3
    addPerson(s.persons, {'-', "", ""});           // 4: sex '-' counts as "anyone else"
    s.unions[1] = UnionEntry{1, 0, 1, 0};          // half an entry is no union
    s.unions[3] = UnionEntry{1, 3, 0, 0};          // steady relationship, registered first
    s.unions[7] = UnionEntry{1, 2, 1, 0};
    s.unions[9] = UnionEntry{4, 3, 1, 0};

    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(1)), RecordNo(3));
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(2)), RecordNo(1));
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(3)), RecordNo(1));
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(4)), RecordNo());
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(0)), RecordNo());
}

TEST(FirstPartner, LooksAtTheEntryAtIndexZeroToo) {
    Session s;
    addPerson(s.persons, {'v', "Bos", "Ida"});
    addPerson(s.persons, {'m', "Smit", "Jan"});
    s.unions[0] = UnionEntry{2, 1, 1, 0};
    EXPECT_EQ(firstPartner(s.persons, s.unions, RecordNo(1)), RecordNo(2));
}

TEST(ClickedNumber, RecordNumberListUpToTheFirstBlankOthersBetweenTheFirstBrackets) {
    EXPECT_EQ(clickedNumberOf(ListKind::RecordNumber, "12  Smit  Jan  (1900)"), "12");
    EXPECT_EQ(clickedNumberOf(ListKind::RecordNumber, "7"), "7");
    EXPECT_EQ(clickedNumberOf(ListKind::FamilyName, fillAndNumber("Smit  Jan", RecordNo(345))), "345");
    EXPECT_EQ(clickedNumberOf(ListKind::History, fillAndNumber("  ", RecordNo(0))), "0");
    EXPECT_EQ(clickedNumberOf(ListKind::FirstName, "geen haakjes"), "");
    EXPECT_EQ(clickedNumberOf(ListKind::FirstName, "open [ maar niet dicht"), "");
    EXPECT_EQ(recordOfClicked("345"), RecordNo(345));
    EXPECT_EQ(recordOfClicked("0"), RecordNo());
    EXPECT_EQ(recordOfClicked(""), RecordNo());
    EXPECT_EQ(recordOfClicked("1a"), RecordNo());
}

TEST(ButtonCaption, NumberTwoBlanksFirstNamesBlankFamilyName) {
    PersonTable persons;
    addPerson(persons, {'m', "van Dorkum", "Gerrit Hendrik"});
    EXPECT_EQ(buttonCaption(persons, RecordNo(1)), "1  Gerrit Hendrik van Dorkum");
    EXPECT_EQ(buttonCaption(persons, RecordNo(5)), "5   ") << "out of range: the number only";
}

TEST(LetterSearch, FirstLineFromTheTopStartingWithTheLetterInEitherCase) {
    const Lines lines{"(1900)  Bos", "aalders", "Bakker", "bos", "Cats"};
    EXPECT_EQ(lineStartingWith(lines, 'B'), 2);
    EXPECT_EQ(lineStartingWith(lines, 'b'), 2);
    EXPECT_EQ(lineStartingWith(lines, 'A'), 1);
    EXPECT_EQ(lineStartingWith(lines, 'C'), 4);
    EXPECT_EQ(lineStartingWith(lines, 'Z'), std::nullopt);
    EXPECT_EQ(lineStartingWith(lines, '('), std::nullopt);
    EXPECT_EQ(lineStartingWith({}, 'A'), std::nullopt);
}

}  // namespace
}  // namespace brinox
