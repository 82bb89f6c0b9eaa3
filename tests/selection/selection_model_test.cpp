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

    int rowOf(RecordNo r) const {
        const auto& lines = model.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (clickedNumberOf(model.kind(), lines[i]) == toText(r)) return static_cast<int>(i);
        }
        return -1;
    }

    Session session;
    SelectionModel model{session};
};

TEST_F(SelectionWindowLogic, OpeningOffersTheSelectedPersonAndTheReferencesFirstPartner) {
    model.open();
    EXPECT_EQ(model.title(), "Alfabetische personenlijst gerangschikt naar Familienaam");
    EXPECT_EQ(model.personCaption(), "1  Piet Dorkum");
    EXPECT_EQ(model.partnerCaption(), "2  Ren\xE9" "e Vries") << "the union registered first";
    EXPECT_EQ(model.clickedNumber(), "");

    ASSERT_TRUE(model.choosePerson(0));
    EXPECT_EQ(session.selection.result, "1");
    ASSERT_TRUE(model.choosePartner());
    EXPECT_EQ(session.selection.result, "2");
}

TEST_F(SelectionWindowLogic, PartnerButtonOffersAndHandsBackTheReferencePersonsPartnerBeforeAnyClick) {
    session.selection.reference = RecordNo(3);
    model.open();
    EXPECT_EQ(model.personCaption(), "1  Piet Dorkum");
    EXPECT_EQ(model.partnerCaption(), "1  Piet Dorkum");
    ASSERT_TRUE(model.choosePartner());
    EXPECT_EQ(session.selection.result, "1");
}

TEST_F(SelectionWindowLogic, AClickOffersTheClickedPersonAndRecordsIt) {
    model.open();
    model.click(rowOf(RecordNo(3)));
    EXPECT_EQ(model.clickedNumber(), "3");
    EXPECT_EQ(model.personCaption(), "3  Els Kok");
    EXPECT_EQ(model.partnerCaption(), "1  Piet Dorkum");
    EXPECT_EQ(session.selection.historyCount, 2);
    EXPECT_EQ(session.selection.history[1], RecordNo(3));

    model.click(rowOf(RecordNo(4)));
    EXPECT_EQ(model.personCaption(), "4  Kees Bos");
    EXPECT_FALSE(model.partnerShown());
    EXPECT_EQ(model.partnerCaption(), "");
    EXPECT_FALSE(model.choosePartner());

    ASSERT_TRUE(model.choosePerson(7));
    EXPECT_EQ(session.selection.result, "4");
    EXPECT_EQ(session.selection.savedTopLine, 7);
}

TEST_F(SelectionWindowLogic, RecordNumberListRecordsTheLinesPlace) {
    session.selection.listKind = 3;
    model.open();
    model.click(1);
    EXPECT_EQ(model.clickedNumber(), "2");
    EXPECT_EQ(session.selection.history[1], RecordNo(2));
}

TEST_F(SelectionWindowLogic, AMenuChoiceEmptiesThePersoonButtonUntilALineIsClicked) {
    model.open();
    session.selection.savedTopLine = 5;
    model.choose(ListKind::FirstName);
    EXPECT_EQ(session.selection.listKind, 2);
    EXPECT_EQ(session.selection.savedTopLine, 0);
    EXPECT_EQ(model.personCaption(), "");
    EXPECT_EQ(model.partnerCaption(), "2  Ren\xE9" "e Vries");
    EXPECT_FALSE(model.choosePerson(3));
    EXPECT_EQ(session.selection.savedTopLine, 0);
    session.selection.result = "9";
    EXPECT_FALSE(model.choosePerson(0));
    EXPECT_EQ(session.selection.result, "9") << "an empty Persoon button does nothing";
}

TEST_F(SelectionWindowLogic, AnEmptyHistoryLineOffersNobodyAndIsNotRecorded) {
    model.choose(ListKind::History);
    model.click(0);
    ASSERT_EQ(model.personCaption(), "1  Piet Dorkum");
    EXPECT_EQ(session.selection.historyCount, 2);

    model.click(5);  // slot 6 is empty
    EXPECT_EQ(model.clickedNumber(), "0");
    EXPECT_EQ(model.personCaption(), "");
    EXPECT_FALSE(model.partnerShown());
    EXPECT_EQ(session.selection.historyCount, 2);
    session.selection.result = "";
    EXPECT_FALSE(model.choosePerson(0));
    EXPECT_FALSE(model.choosePartner());
    EXPECT_EQ(session.selection.result, "");
}

TEST_F(SelectionWindowLogic, CancelEmptiesTheResultAndSavesTheTopLine) {
    model.open();
    session.selection.result = "3";
    model.cancel(12);
    EXPECT_EQ(session.selection.result, "");
    EXPECT_EQ(session.selection.savedTopLine, 12);
}

TEST_F(SelectionWindowLogic, ClicksOutsideTheListDoNothing) {
    session.selection.searchWord = "";
    model.choose(ListKind::Keyword);
    ASSERT_TRUE(model.lines().empty());
    model.click(0);
    model.click(-1);
    EXPECT_EQ(model.clickedNumber(), "");
    EXPECT_EQ(session.selection.historyCount, 1);
    EXPECT_EQ(model.lineForKey('D'), std::nullopt);
}

}  // namespace
}  // namespace brinox
