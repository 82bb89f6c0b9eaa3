#include <gtest/gtest.h>

#include <tuple>

#include "selection/selection_history.h"
#include "selection/selection_model.h"
#include "support/family_builder.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;

// Piet (1) married Renée (2) first and later Els (3); Kees (4) has no partner.
class SelectionWindowLogic : public ::testing::Test {
protected:
    SelectionWindowLogic() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Piet", 1950});
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1952});
        addPerson(p, {'v', "Kok", "Els", 1960});
        addPerson(p, {'m', "Bos", "Kees"});
        addUnion(session.unions, RecordNo(1), RecordNo(2));
        addUnion(session.unions, RecordNo(1), RecordNo(3), false);
        session.selectedPerson = RecordNo(1);
        session.selection.restart(RecordNo(1));
        session.selection.reference = RecordNo(1);
    }

    Session session;
    SelectionModel model{session};
};

TEST_F(SelectionWindowLogic, BeforeAClickTheButtonsOfferTheSelectedPersonAndTheReferencesFirstPartner) {
    model.open();
    EXPECT_EQ(model.personCaption(), "1  Piet Dorkum");
    EXPECT_EQ(model.partnerCaption(), "2  Ren\xE9" "e Vries") << "the union registered first";
    ASSERT_TRUE(model.choosePartner());
    EXPECT_EQ(session.selection.result, "2");

    session.selection.reference = RecordNo(3);  // as the relationship finder may set it
    model.open();
    EXPECT_EQ(model.personCaption(), "1  Piet Dorkum");
    EXPECT_EQ(model.partnerCaption(), "1  Piet Dorkum");
    ASSERT_TRUE(model.choosePerson(0));
    EXPECT_EQ(session.selection.result, "1");
}

TEST_F(SelectionWindowLogic, AClickOffersTheClickedPersonAndRecordsIt) {
    model.open();
    model.click(0);  // Bos  Kees
    EXPECT_EQ(model.personCaption(), "4  Kees Bos");
    EXPECT_FALSE(model.partnerShown());
    EXPECT_FALSE(model.choosePartner());
    ASSERT_TRUE(model.choosePerson(7));
    EXPECT_EQ(session.selection.result, "4");
    EXPECT_EQ(session.selection.savedTopLine, 7);

    model.choose(ListKind::RecordNumber);
    model.click(1);
    EXPECT_EQ(model.clickedNumber(), "2") << "the number before the first blank";
    EXPECT_EQ(session.selection.historyCount, 3);
    EXPECT_EQ(session.selection.history[2], RecordNo(2));
}

TEST_F(SelectionWindowLogic, AMenuChoiceEmptiesThePersoonButtonUntilALineIsClicked) {
    model.open();
    session.selection.savedTopLine = 5;
    session.selection.result = std::string("9");  // a literal assigned makes GCC 12 warn wrongly (-Wrestrict)
    model.choose(ListKind::FirstName);
    EXPECT_EQ(session.selection.savedTopLine, 0);
    EXPECT_EQ(model.personCaption(), "");
    EXPECT_EQ(model.partnerCaption(), "2  Ren\xE9" "e Vries");
    EXPECT_FALSE(model.choosePerson(3));
    EXPECT_EQ(session.selection.result, "9") << "an empty Persoon button does nothing";
    EXPECT_EQ(session.selection.savedTopLine, 0);

    model.cancel(12);
    EXPECT_EQ(session.selection.result, "");
    EXPECT_EQ(session.selection.savedTopLine, 12);
}

TEST_F(SelectionWindowLogic, EmptyHistoryLinesAndClicksOutsideTheListOfferNobody) {
    model.choose(ListKind::History);
    model.click(5);  // slot 6 is empty
    EXPECT_EQ(model.clickedNumber(), "0");
    EXPECT_EQ(model.personCaption(), "");
    EXPECT_FALSE(model.partnerShown());
    EXPECT_EQ(session.selection.historyCount, 1) << "not recorded";

    session.selection.searchWord = "";
    model.choose(ListKind::Keyword);
    model.click(0);
    model.click(-1);
    EXPECT_EQ(model.clickedNumber(), "");
    EXPECT_EQ(session.selection.historyCount, 1);
    EXPECT_EQ(model.lineForKey('D'), std::nullopt);
}

TEST_F(SelectionWindowLogic, FreeSlotsAreInNoSortedListAndNoLineOffersThem) {
    auto& p = session.persons;
    p.erase(RecordNo(3));                          // Els: a free slot
    addPerson(p, {'\0', "Spook", "Sam", 1900});    // 5: a slot never used, with a name all the same
    for (int r = 1; r <= 5; ++r) p.setInfo1(RecordNo(r), "bakker");
    session.selection.searchWord = "bakker";
    recordSelection(session.selection, RecordNo(3));
    recordSelection(session.selection, RecordNo(5));
    session.selectedPerson = RecordNo(5);
    model.open();
    EXPECT_FALSE(model.choosePerson(0)) << "a free slot as selected person is not offered";

    // Lines, and lines that offer a person; the history first, while it holds only 1, 3 and 5.
    const std::tuple<ListKind, std::size_t, int> cases[] = {
        {ListKind::History, 18, 1},  {ListKind::FamilyName, 3, 3}, {ListKind::FirstName, 3, 3},
        {ListKind::BirthYear, 3, 3}, {ListKind::Keyword, 3, 3},    {ListKind::RecordNumber, 5, 3}};
    for (const auto& [kind, lines, persons] : cases) {
        model.choose(kind);
        EXPECT_EQ(model.lines().size(), lines) << static_cast<int>(kind);
        int offered = 0;
        for (int row = 0; row < static_cast<int>(model.lines().size()); ++row) {
            const int recorded = session.selection.historyCount;
            model.click(row);
            if (model.choosePerson(0)) {
                ++offered;
                EXPECT_TRUE(chosenPerson(session)) << "handed back " << session.selection.result;
            } else {
                EXPECT_FALSE(model.partnerShown());
                EXPECT_EQ(session.selection.historyCount, recorded);
            }
        }
        EXPECT_EQ(offered, persons) << static_cast<int>(kind);
    }
}

}  // namespace
}  // namespace brinox
