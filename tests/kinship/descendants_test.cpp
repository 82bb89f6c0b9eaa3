#include <gtest/gtest.h>

#include "kinship/descendants.h"
#include "kinship/descendants_report.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox::testing {
namespace {

// Jan and Anna; their children Kees (only a death year), Els and Piet; Piet
// and Marie's children Tom, Lies (born the same year) and a second Tom.
class Descendants : public ::testing::Test {
protected:
    Descendants() {
        auto& p = family.persons;
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 0, 0, 0, 0, 1990});   // 1
        addPerson(p, {'v', "Smit", "Anna", 1922});                       // 2
        addPerson(p, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});         // 3
        addPerson(p, {'v', "Dorkum", "Els", 1948, 0, 0, 1, 2});          // 4
        addPerson(p, {'m', "Dorkum", "Kees", 0, 0, 0, 1, 2, 1949});      // 5
        addPerson(p, {'v', "Bos", "Marie", 0, 0, 0, 0, 0, 2001});        // 6
        addPerson(p, {'m', "Dorkum", "Tom", 1976, 0, 0, 3, 6});          // 7
        addPerson(p, {'v', "Dorkum", "Lies", 1975, 0, 0, 3, 6});         // 8
        addPerson(p, {'m', "Dorkum", "Tom", 1976, 0, 0, 3, 6});          // 9
        addUnion(family.unions, RecordNo(1), RecordNo(2));
        addUnion(family.unions, RecordNo(3), RecordNo(6), false);
    }
    Session family;
};

TEST_F(Descendants, GenerationsInBirthOrderWithPartnersAndTheThreeDateForms) {
    const auto walk = walkDescendants(family.persons, family.unions, RecordNo(1));
    EXPECT_EQ(shownLines(walk), (Texts{"   -- Jan  Dorkum,  (1920-1990)",
                                       "   *   Anna  Smit, (1922)",
                                       "        -- Kees  Dorkum(  -1949)",
                                       "        -- Els  Dorkum, (1948)",
                                       "        -- Piet  Dorkum, (1950)",
                                       "        *   Marie  Bos(   -2001)",
                                       "             -- Lies  Dorkum, (1975)",
                                       "             -- Tom  Dorkum, (1976)",
                                       "             -- Tom  Dorkum, (1976)"}));
    EXPECT_EQ(walk.lines[8].person, RecordNo(9)) << "equal years keep record order";
    EXPECT_EQ(descendantsTitle(family.persons, walk), "Afstammelingen (6 directe ) van Jan  Dorkum");

    EXPECT_TRUE(walkDescendants(family.persons, family.unions, RecordNo(10)).lines.empty());
    EXPECT_EQ(descendantsTitle(family.persons, DescendantWalk{}), "Afstammelingen");
}

TEST_F(Descendants, AClickNamesThePersonOfItsLine) {
    family.persons.setFirstNames(RecordNo(3), "Pieter Wilhelmus Johannes Theodorus Maria Jozef");  // cut at 60
    const auto walk = walkDescendants(family.persons, family.unions, RecordNo(1));
    const std::string question = "\n\nDeze persoon selecteren en \nterug naar de Kwartierstaat?";
    struct Case {
        std::size_t line;
        MessageKind kind;
        std::string text;
        int selects;
    } cases[] = {
        {0, MessageKind::Information, "1  - Jan  Dorkum,  (1920-1990)\nis de stamhouder", 0},
        {1, MessageKind::Confirmation, "2     Anna  Smit, (1922)\nis met Jan\ngetrouwd." + question, 2},
        {2, MessageKind::Confirmation,
         "5  - Kees  Dorkum(  -1949)\nis een directe afstammeling van \nJan\nen behoort tot de eerste generatie erna." +
             question, 5},
        {4, MessageKind::Confirmation,
         "3  - Pieter Wilhelmus Johannes Theodorus Maria Jozef  Dorkum, \nis een directe afstammeling van \nJan\n"
         "en behoort tot de eerste generatie erna." + question, 3},
        {5, MessageKind::Confirmation,
         "6     Marie  Bos(   -2001)\nis geen directe afstammeling van \nJan,\nmaar aangetrouwd in de \n"
         "eerste generatie erna." + question, 6},
        {8, MessageKind::Confirmation,
         "9  - Tom  Dorkum, (1976)\nis een directe afstammeling van \nJan\nen behoort tot de tweede generatie erna." +
             question, 9},
    };
    for (const auto& c : cases) {
        const auto message = clickMessage(family.persons, walk, c.line);
        EXPECT_EQ(message.kind, c.kind) << c.line;
        EXPECT_EQ(message.text, c.text) << c.line;
        EXPECT_EQ(message.selects, RecordNo(c.selects)) << c.line;
    }
    EXPECT_EQ(walk.lines[4].text, "-- Pieter Wilhelmus Johannes Theodorus Maria Jozef  Dorkum, ");
    const auto hers = walkDescendants(family.persons, family.unions, RecordNo(6));
    EXPECT_EQ(clickMessage(family.persons, hers, 0).text, "6  - Marie  Bos(   -2001)\nis de stamhoudster");
}

TEST(DescendantWalk, FamiliesOfEveryShapeEndAndNothingIsCutSilently) {
    Session s;
    auto& p = s.persons;
    // A child of two descendants who married each other is listed under both.
    addPerson(p, {'m', "A", "Opa"});                // 1
    addPerson(p, {'m', "A", "Zoon", 1950, 0, 0, 1});     // 2
    addPerson(p, {'v', "A", "Dochter", 1952, 0, 0, 1});  // 3
    addPerson(p, {'m', "A", "Kind", 1980, 0, 0, 2, 3});  // 4
    auto walk = walkDescendants(p, s.unions, RecordNo(1));
    EXPECT_EQ(shownLines(walk), (Texts{"   -- Opa  A", "        -- Zoon  A, (1950)", "             -- Kind  A, (1980)",
                                       "        -- Dochter  A, (1952)", "             -- Kind  A, (1980)"}));
    EXPECT_EQ(walk.descendantCount, 4);

    // Parent links that run in a circle: each person once more, then the walk ends.
    p.setFather(RecordNo(1), RecordNo(4));
    walk = walkDescendants(p, s.unions, RecordNo(1));
    EXPECT_EQ(shownLines(walk).size(), 7u);
    EXPECT_EQ(walk.lines[3].shown(), "                  -- Opa  A");

    // 30 children, and 150 generations with ordinals past the eighteenth.
    Session wide;
    addPerson(wide.persons, {'v', "B", "Moeder"});
    for (int i = 0; i < 30; ++i) addPerson(wide.persons, {'m', "B", "Kind", 1900 + (i * 7) % 30, 0, 0, 0, 1});
    walk = walkDescendants(wide.persons, wide.unions, RecordNo(1));
    ASSERT_EQ(walk.lines.size(), 31u);
    EXPECT_EQ(walk.lines[1].text, "-- Kind  B, (1900)");
    EXPECT_EQ(walk.lines[30].text, "-- Kind  B, (1929)");
    for (int g = 1; g < 150; ++g) addPerson(wide.persons, {'v', "C", "Gen", 0, 0, 0, 0, g == 1 ? 1 : 30 + g});
    walk = walkDescendants(wide.persons, wide.unions, RecordNo(1));
    ASSERT_EQ(walk.lines.size(), 180u);
    EXPECT_EQ(walk.lines[149].indentation, 3 + 5 * 149);
    EXPECT_NE(clickMessage(wide.persons, walk, 17).text.find("tot de zeventiende generatie"), std::string::npos);
    EXPECT_EQ(ordinalWord(17), "zeventiende");
    EXPECT_EQ(ordinalWord(18), "achttiende");
    EXPECT_NE(clickMessage(wide.persons, walk, 19).text.find("tot de 19e generatie"), std::string::npos);

    // Every generation of brothers and sisters are also each other's parents'
    // only children: the list doubles at each step and stops, saying so.
    Session ladder;
    addPerson(ladder.persons, {'m', "D", "Man"});
    addPerson(ladder.persons, {'v', "D", "Vrouw"});
    for (int g = 1; g < 16; ++g) {
        addPerson(ladder.persons, {'m', "D", "Man", 0, 0, 0, 2 * g - 1, 2 * g});
        addPerson(ladder.persons, {'v', "D", "Vrouw", 0, 0, 0, 2 * g - 1, 2 * g});
    }
    walk = walkDescendants(ladder.persons, ladder.unions, RecordNo(1));
    EXPECT_TRUE(walk.cutShort);
    EXPECT_EQ(walk.lines.size(), static_cast<std::size_t>(kMaxDescendantLines));
    const std::string report = descendantsReport(ladder.persons, ladder.unions, walk);
    EXPECT_NE(report.find("LET OP: de lijst is na 10000 regels afgebroken"), std::string::npos);
}

}  // namespace
}  // namespace brinox::testing
