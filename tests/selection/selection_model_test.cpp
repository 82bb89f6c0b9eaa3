#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brinox
