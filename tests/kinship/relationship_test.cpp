#include <gtest/gtest.h>

#include <vector>

#include "kinship/relationship.h"
#include "kinship/relationship_drawing.h"
#include "support/family_builder.h"

namespace brinox::testing {
namespace {

Relationship evaluate(const Session& s, int a, int b) {
    return maaknieuwscherm(s.persons, s.unions, RecordNo(a), RecordNo(b));
}

// Two lines of fathers and sons below Opa (1) and Oma (2): A is the
// descendant in generation `ga` of the first line, B in generation `gb` of
// the second, of sex `sexB`. Every other parent is outside the family.
Relationship distantRelatives(int ga, int gb, char sexB) {
    Session s;
    addPerson(s.persons, {'m', "Root", "Opa"});
    addPerson(s.persons, {'v', "Root", "Oma"});
    int a = 1, b = 1;
    for (int g = 1; g <= ga; ++g) a = addPerson(s.persons, {'m', "Een", "A", 0, 0, 0, a, g == 1 ? 2 : 0}).value;
    for (int g = 1; g <= gb; ++g) {
        b = addPerson(s.persons, {g == gb ? sexB : 'm', "Twee", "B", 0, 0, 0, b, g == 1 ? 2 : 0}).value;
    }
    return evaluate(s, a, b);
}

TEST(RelationshipWords, EveryCellOfTheTableForMenAndWomen) {
    struct Cell {
        int ga, gb;
        const char* man;
        const char* woman;
    };
    const std::vector<Cell> table = {
        {1, 1, "broer", "zuster"},         {1, 2, "neef", "nicht"},
        {1, 3, "kleinneef", "kleinnicht"}, {1, 4, "achterneef", "achternicht"},
        {2, 1, "oom", "tante"},            {2, 2, "neef", "nicht"},
        {2, 3, "achterneef", "achternicht"}, {2, 4, "achterneef", "achternicht"},
        {3, 1, "oudoom", "oudtante"},      {3, 2, "achterneef", "achternicht"},
        {3, 3, "achterneef", "achternicht"}, {3, 4, "achterneef", "achternicht"},
        {4, 1, "overoudoom", "overoudtante"}, {4, 2, "verre neef", "verre nicht"},
        {4, 3, "verre neef", "verre nicht"}, {4, 4, "verre neef", "verre nicht"},
    };
    for (const Cell& cell : table) {
        for (const auto& [sex, word] :
             {std::pair{'m', cell.man}, std::pair{'v', cell.woman}, std::pair{'?', "verre nicht"}}) {
            SCOPED_TRACE(std::to_string(cell.ga) + "," + std::to_string(cell.gb) + sex);
            const Relationship shown = distantRelatives(cell.ga, cell.gb, sex);
            ASSERT_EQ(shown.outcome, RelationOutcome::CommonAncestor);
            EXPECT_EQ(shown.commonAncestor, RecordNo(1));
            EXPECT_EQ(shown.markedA, (1 << cell.ga) - 1);
            EXPECT_EQ(shown.markedB, (1 << cell.gb) - 1);
            EXPECT_EQ(shown.labels[5], std::string("B  Twee is de ") + word + " van ");
        }
    }
}

// Kees (5) and Piet (6) are sons of the brothers Jan (3) and Wim (4), sons of
// Opa (1) and Oma (2). Ans (7) is Kees's half-sister by their mother Els (8).
class FamilyTrees : public ::testing::Test {
protected:
    FamilyTrees() {
        auto& p = s.persons;
        addPerson(p, {'m', "Bos", "Opa"});              // 1
        addPerson(p, {'v', "Kok", "Oma"});              // 2
        addPerson(p, {'m', "Bos", "Jan", 0, 0, 0, 1, 2});  // 3
        addPerson(p, {'m', "Bos", "Wim", 0, 0, 0, 1, 2});  // 4
        addPerson(p, {'m', "Bos", "Kees", 0, 0, 0, 3, 8});  // 5
        addPerson(p, {'m', "Bos", "Piet", 0, 0, 0, 4});     // 6
        addPerson(p, {'v', "Wit", "Ans", 0, 0, 0, 0, 8});   // 7
        addPerson(p, {'v', "Wit", "Els"});                  // 8
        addPerson(p, {'v', "Zon", "Lia"});                  // 9
    }
    Session s;
};

using Labels = std::array<std::string, 7>;

TEST_F(FamilyTrees, AncestorsOnEitherSideAndTheCommonOneNearestToAThenToB) {
    Relationship shown = evaluate(s, 5, 2);
    EXPECT_EQ(shown.markedA, 4);
    EXPECT_EQ(shown.labels, (Labels{"Oma  Kok", "is de grootmoeder van vaderszijde van ", "Kees  Bos"}));
    EXPECT_EQ(shown.caption, "Verwantschap tussen A: Kees  Bos en B: Oma  Kok");
    EXPECT_TRUE(drawingContent(shown, s.persons, DrawingSide::A).shown);
    EXPECT_FALSE(drawingContent(shown, s.persons, DrawingSide::B).shown);

    shown = evaluate(s, 1, 6);
    EXPECT_EQ(shown.outcome, RelationOutcome::AInTreeOfB);
    EXPECT_EQ(shown.markedB, 3);
    EXPECT_EQ(shown.treeA[0], RecordNo(1)) << "both trees are built at every evaluation";

    shown = evaluate(s, 5, 6);
    EXPECT_EQ(shown.labels, (Labels{"Opa  Bos is de gemeenschappelijke voorouder",
                                    "Hij is de grootvader van vaderszijde van ", "Kees  Bos",
                                    "en de grootvader van vaderszijde van", "Piet  Bos", "Piet  Bos is de neef van ",
                                    "Kees  Bos"}));
    shown = evaluate(s, 5, 7);  // half-siblings by the mother
    EXPECT_EQ(shown.labels[1], "Zij is de moeder van ");
    EXPECT_EQ(shown.labels[5], "Ans  Wit is de zuster van ");

    // Pedigree collapse. Ans as Kees's mother and Opa's daughter: Opa stands at
    // 3 and 5 in Kees's tree, and the higher place counts.
    s.persons.setMother(RecordNo(5), RecordNo(7));
    s.persons.setFather(RecordNo(7), RecordNo(1));
    EXPECT_EQ(evaluate(s, 5, 1).markedA, 5);
    // Oma as Piet's mother: nearer to Piet than Opa, so she is found first.
    s.persons.setMother(RecordNo(6), RecordNo(2));
    shown = evaluate(s, 6, 5);
    EXPECT_EQ(shown.commonAncestor, RecordNo(2));
    EXPECT_EQ(std::pair(shown.markedA, shown.markedB), std::pair(2, 4));
}

TEST_F(FamilyTrees, TheSamePersonEvenInAParentLoop) {
    s.persons.setFather(RecordNo(1), RecordNo(5));  // Kees is the father of his own grandfather
    const Relationship shown = evaluate(s, 5, 5);
    EXPECT_EQ(shown.labels, (Labels{"", "", "", "", "", "Dit is eenzelfde persoon.", "Kies iemand anders!"}));
    EXPECT_FALSE(shown.mainPanelShown);
    EXPECT_FALSE(drawingContent(shown, s.persons, DrawingSide::A).shown);
    EXPECT_EQ(evaluate(s, 3, 5).markedA, 3) << "the loop ends with the tree";
}

TEST_F(FamilyTrees, NoCommonAncestorOffersThePartnerOfAPersonOnly) {
    addUnion(s.unions, RecordNo(5), RecordNo(9), false);
    Relationship shown = evaluate(s, 3, 9);
    EXPECT_EQ(shown.labels, (Labels{"Bij het zoeken in de laatste 5 generaties van beide personen",
                                    "is geen gemeenschappelijke voorouder gevonden.",
                                    "Misschien de partner van persoon B ?"}));
    EXPECT_EQ(shown.suggestedPartner, RecordNo(5));
    EXPECT_EQ(shown.partnerCaption, "5 Kees  Bos");
    EXPECT_EQ(evaluate(s, 9, 8).labels[2], "") << "Els has no partner";

    // A partner that was deleted is no partner, and a deleted B has none.
    s.persons.erase(RecordNo(5));
    EXPECT_TRUE(evaluate(s, 3, 9).partnerCaption.empty());
    addUnion(s.unions, RecordNo(4), RecordNo(5));
    EXPECT_TRUE(evaluate(s, 3, 5).partnerCaption.empty());
}

TEST_F(FamilyTrees, NobodyOutsideTheTableIsFoundAnywhere) {
    s.persons.erase(RecordNo(8));
    s.persons.setFather(RecordNo(7), RecordNo(700));  // beyond the table
    s.persons.setFather(RecordNo(9), RecordNo(10));   // the slot after count
    s.persons.setMother(RecordNo(9), RecordNo(8));    // a free slot
    EXPECT_EQ(buildAncestorTree(s.persons, RecordNo(8)), AncestorTree{});
    EXPECT_EQ(buildAncestorTree(s.persons, RecordNo(9)), AncestorTree{RecordNo(9)});
    // Empty places are never A or B, a shared free slot never a common ancestor.
    for (const int b : {0, 8, 10, 700}) {
        EXPECT_EQ(evaluate(s, 7, b).outcome, RelationOutcome::Nothing) << b;
        EXPECT_EQ(evaluate(s, b, 7).outcome, RelationOutcome::Nothing) << b;
    }
    EXPECT_EQ(evaluate(s, 7, 9).outcome, RelationOutcome::Nothing);
}

TEST(RelationshipDrawing, PressesMapToTheLettersTheyHit) {
    for (int k = 1; k < kTreePositions; ++k) {
        const DrawingPoint letter = letterPlace(k);
        EXPECT_EQ(positionAt(letter.x + 2, letter.y + 2), k) << k;
        EXPECT_EQ(positionAt(letter.x + 2, letter.y + 17), std::nullopt) << "between the rows " << k;
    }
    EXPECT_EQ(letterPlace(1), (DrawingPoint{80, 114}));
    EXPECT_EQ(frameAround(30), (DrawingSpan{{261, 25}, {278, 42}}));
    // Row 9 is the owner whatever the column; truncation toward zero puts x 18..24 in column 0.
    EXPECT_EQ(positionAt(0, 145), 0);
    EXPECT_EQ(positionAt(-3, 159), 0);
    EXPECT_EQ(positionAt(18, 25), 15);
    for (const auto& [x, y] : {std::pair{33, 25}, std::pair{26, 5}, std::pair{26, -6}, std::pair{26, 165}}) {
        EXPECT_EQ(positionAt(x, y), std::nullopt) << x << "," << y;
    }
}

}  // namespace
}  // namespace brinox::testing
