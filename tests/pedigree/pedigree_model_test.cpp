#include <gtest/gtest.h>

#include "pedigree/pedigree_layout.h"
#include "pedigree/pedigree_model.h"
#include "support/family_builder.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;

const std::string kHeader = "Kinderen van:                            ";
const std::string kIndent = "       ";

// Three generations around Piet: his parents and grandparents, two wives
// and children by both, and children whose mother is not in the file.
class PedigreeOfPiet : public ::testing::Test {
protected:
    PedigreeOfPiet() {
        auto& p = s.persons;
        opa = addPerson(p, {'m', "Dorkum", "Hendrik", 1890});          // 1
        oma = addPerson(p, {'v', "Bakker", "Grietje", 1892});          // 2
        vader = addPerson(p, {'m', "Dorkum", "Jan", 1920, 0, 0, 1, 2}); // 3
        moeder = addPerson(p, {'v', "Smit", "Anna", 1922});            // 4
        piet = addPerson(p, {'m', "Dorkum", "Piet", 1950, 0, 0, 3, 4}); // 5
        els = addPerson(p, {'v', "Vries", "Els", 1952});               // 6
        zo = addPerson(p, {'v', "Kooij", "Zo\xEB", 1955});             // 7
        addPerson(p, {'v', "Dorkum", "Mia", 1980, 0, 0, 5, 7});         // 8: Zoë's eldest
        addPerson(p, {'m', "Dorkum", "Tom", 1976, 0, 0, 5, 6});         // 9: Els's only child
        addPerson(p, {'m', "Dorkum", "Bas", 1978, 0, 0, 5, 0});         // 10: mother unknown
        addPerson(p, {'m', "Dorkum", "Jip", 1982, 0, 0, 5, 7});         // 11: twin
        addPerson(p, {'m', "Dorkum", "Janneke", 1982, 0, 0, 5, 7});     // 12: twin
        addPerson(p, {'v', "Dorkum", "Lot", 0, 0, 0, 5, 0});            // 13: unknown year, mother unknown
        s.selectedPerson = piet;
        s.familyCode = "VDORKUM";
    }

    Session s;
    RecordNo opa, oma, vader, moeder, piet, els, zo;
};

TEST_F(PedigreeOfPiet, PanelsShowAncestorsAndCaptionNamesThePerson) {
    const auto view = buildPedigree(s);
    EXPECT_EQ(view.caption, "  VDORKUM  *** Takkenbos ***       Kwartierstaat van Piet  Dorkum");
    EXPECT_EQ(view.panelTexts[kZelf], "Piet  Dorkum");
    EXPECT_EQ(view.panelTexts[kVader], "Jan  Dorkum");
    EXPECT_EQ(view.panelTexts[kMoeder], "Anna  Smit");
    EXPECT_EQ(view.panelTexts[kOpaV], "Hendrik  Dorkum");
    EXPECT_EQ(view.panelTexts[kOmaV], "Grietje  Bakker");
    EXPECT_EQ(view.panelTexts[kOpaM], "");
    EXPECT_EQ(view.panelTexts[kOmaM], "");
    EXPECT_EQ(view.persons[kOmaV], oma);

    s.selectedPerson = opa;
    const auto top = buildPedigree(s);
    for (int i = 0; i < kZelf; ++i) EXPECT_EQ(top.panelTexts[i], "") << kPanelNames[i];
}

TEST_F(PedigreeOfPiet, ChildrenAreGroupedByOtherParentInBirthOrder) {
    const auto view = buildPedigree(s);
    std::vector<std::pair<int, std::string>> lines;
    for (const auto& line : view.children) lines.emplace_back(line.target.value, line.text);
    const std::vector<std::pair<int, std::string>> expected = {
        {0, kHeader + "<Niet in het bestand>"},
        {13, kIndent + "Lot  Dorkum    (0)"},
        {10, kIndent + "Bas  Dorkum    (1978)"},
        {6, kHeader + "Els  Vries"},
        {9, kIndent + "Tom  Dorkum    (1976)"},
        {7, kHeader + "Zo\xEB  Kooij"},
        {8, kIndent + "Mia  Dorkum    (1980)"},
        {11, kIndent + "Jip  Dorkum    (1982)"},
        {12, kIndent + "Janneke  Dorkum    (1982)"},
    };
    EXPECT_EQ(lines, expected);

    s.selectedPerson = zo;  // a mother's children are grouped by their fathers
    const auto hers = buildPedigree(s);
    ASSERT_EQ(hers.children.size(), 4u);
    EXPECT_EQ(hers.children[0].text, kHeader + "Piet  Dorkum");
    EXPECT_EQ(hers.children[0].target, piet);
}

TEST_F(PedigreeOfPiet, PartnerLabelNamesTheLastRegisteredPartner) {
    EXPECT_EQ(buildPedigree(s).partnerLabel, "");
    addUnion(s.unions, piet, els);
    addUnion(s.unions, piet, zo, false);
    EXPECT_EQ(buildPedigree(s).partnerLabel, " Vaste relatie met [7] Zo\xEB  Kooij    (1955)");
    s.selectedPerson = els;
    EXPECT_EQ(buildPedigree(s).partnerLabel, " Gehuwd met [5] Piet  Dorkum    (1950)");
    EXPECT_EQ(partnerInLabel(" Gehuwd met [5] Piet  Dorkum    (1950)"), piet);
    EXPECT_EQ(partnerInLabel("gehuwd met"), RecordNo(0));
    EXPECT_EQ(partnerInLabel(" [] x"), RecordNo(0));
}

TEST_F(PedigreeOfPiet, BrokenLinksAndLoopsAreHarmless) {
    s.persons.setFather(piet, RecordNo(700));
    s.persons.setMother(piet, piet);  // his own mother
    s.persons.setFather(RecordNo(9), RecordNo(9));
    const auto view = buildPedigree(s);
    EXPECT_EQ(view.panelTexts[kVader], "  ");
    EXPECT_EQ(view.panelTexts[kMoeder], "Piet  Dorkum");
    EXPECT_EQ(view.panelTexts[kOmaM], "Piet  Dorkum");

    Session empty;
    empty.selectedPerson = RecordNo(1);
    const auto nothing = buildPedigree(empty);
    EXPECT_FALSE(nothing.caption.has_value());
    EXPECT_FALSE(nothing.partnerLabel.has_value());
    EXPECT_TRUE(nothing.children.empty());
    EXPECT_EQ(nothing.panelTexts[kZelf], "");
}

TEST(PedigreeLayout, FatherSitsMidwayBetweenHisParentsAndMotherHalfAWidthFurther) {
    std::map<std::string, ControlGeometry> at;
    for (const auto& g : pedigreeLayout(800, 800)) at[g.name] = g;
    const int opaCentre = at["opa_v1"].left + at["opa_v1"].width / 2;
    const int omaCentre = at["oma_v1"].left + at["oma_v1"].width / 2;
    EXPECT_EQ(at["vader1"].left + at["vader1"].width / 2, (opaCentre + omaCentre) / 2);
    EXPECT_EQ(at["moeder1"].left - at["vader1"].left, 400);
    EXPECT_EQ(at["oma_m1"].left + at["oma_m1"].width, 795);
    EXPECT_EQ(at["zelf1"].left, 400 - 148);
    EXPECT_EQ(at["Label5"].left, 394);
    EXPECT_EQ(at["List"].left, 151);
    EXPECT_EQ(at["Label7"].left, 151);
    EXPECT_EQ(at["Label7"].top, 3);
    EXPECT_EQ(at["List"].top, 17);
}

}  // namespace
}  // namespace brinox
