#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "persons/huwdlg.h"
#include "support/fake_picker.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::FakePicker;
using testing::Texts;

class UnionWindow : public ::testing::Test {
protected:
    UnionWindow() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Piet", 1950});        // 1
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1952});  // 2
        addPerson(p, {'v', "Kok", "Bep", 1955});            // 3
        addPerson(p, {'m', "Smit", "Kees", 1948});          // 4
        session.selectedPerson = RecordNo(1);
        session.selection.reference = RecordNo(9);
        window = std::make_unique<THuwdlg>(session, prompt, picker);
    }

    QSpinBox* edit(int row) { return window->findChild<QSpinBox*>(QString("partner%1edit").arg(row)); }
    QLineEdit* text(int row) { return edit(row)->findChild<QLineEdit*>(); }
    QString label(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    QString partnerLabel(int row) { return label(QString("partner%1label").arg(row).toLatin1()); }
    bool panelShown(int row) { return window->findChild<QFrame*>(QString("Panel%1").arg(row + 1))->isVisible(); }
    QRadioButton* radio(const QString& name) { return window->findChild<QRadioButton*>(name); }
    void click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }
    void rightClick(int row) { QTest::mouseClick(text(row), Qt::RightButton); }

    Session session;
    testing::ScriptedPrompt prompt;
    FakePicker picker{session};
    std::unique_ptr<THuwdlg> window;
};

TEST_F(UnionWindow, RegistersPartnersChosenWithTheRightButtonThenRemovesOne) {
    window->show();
    EXPECT_EQ(label("persnrlabel1"), "1");
    EXPECT_EQ(label("perslabel1"), "Piet Dorkum");
    for (int row = 1; row <= 5; ++row) EXPECT_FALSE(panelShown(row)) << row;
    EXPECT_EQ(edit(5)->value(), 0);
    EXPECT_EQ(edit(5)->maximum(), 4);
    EXPECT_EQ(partnerLabel(5), " ");
    picker.choices = {"2", "3"};
    rightClick(1);
    rightClick(2);
    EXPECT_EQ(picker.references, (std::vector<RecordNo>{RecordNo(9), RecordNo(1)}))
        << "only rows 2..5 hand Person A over";
    EXPECT_EQ(partnerLabel(1), QString::fromUtf8("Ren\u00e9e Vries"));
    EXPECT_TRUE(panelShown(2));
    EXPECT_FALSE(panelShown(3));
    QTest::mouseClick(radio("Radio2v"), Qt::LeftButton);
    click("okbtn");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.unions[1], (UnionEntry{1, 2, 1, 0}));
    EXPECT_EQ(session.unions[2], (UnionEntry{1, 3, 0, 0}));
    EXPECT_EQ(prompt.shown, Texts{"De verbintenissen staan nu in het geheugen"});
    EXPECT_TRUE(session.changed);

    window->show();
    EXPECT_EQ(edit(2)->value(), 3);
    EXPECT_TRUE(radio("Radio2v")->isChecked());
    edit(1)->setValue(0);
    EXPECT_FALSE(panelShown(1));
    EXPECT_EQ(partnerLabel(1), " ");
    click("okbtn");
    EXPECT_EQ(session.unions[1], (UnionEntry{1, 3, 0, 0}));
    EXPECT_FALSE(session.unions[2].inUse());
}

TEST_F(UnionWindow, ALeftPressCopiesTheLastChoiceAndNoPersonIsNeverTaken) {
    window->show();
    session.selection.result = "4";
    QTest::mouseClick(text(3), Qt::LeftButton);
    EXPECT_TRUE(picker.references.empty()) << "the left button opens no selection";
    EXPECT_EQ(edit(3)->value(), 4);
    EXPECT_EQ(session.selection.reference, RecordNo(1));

    edit(3)->setValue(1);
    picker.choices = {"0", "5", "x", ""};
    for (const char* choice : {"0", "5", "x", ""}) {
        rightClick(3);
        EXPECT_EQ(edit(3)->value(), 1) << "choice '" << choice << "' is no person of the family";
    }
    EXPECT_EQ(picker.references.size(), 4u);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(UnionWindow, AnotherPersonABecomesTheSelectedPersonWithHerOwnRows) {
    addUnion(session.unions, RecordNo(4), RecordNo(2), false);
    addUnion(session.unions, RecordNo(1), RecordNo(3));
    window->show();
    EXPECT_EQ(edit(1)->value(), 3);
    picker.choices = {"2"};
    click("selbtn");
    EXPECT_EQ(picker.references, std::vector<RecordNo>{RecordNo(1)});
    EXPECT_EQ(session.selectedPerson, RecordNo(2));
    EXPECT_EQ(label("persnrlabel1"), "2");
    EXPECT_EQ(label("perslabel1"), QString::fromUtf8("Ren\u00e9e Vries"));
    EXPECT_EQ(edit(1)->value(), 4);
    EXPECT_TRUE(radio("Radio1v")->isChecked());
    EXPECT_EQ(partnerLabel(1), "Kees Smit");

    picker.choices = {};
    click("selbtn");
    EXPECT_EQ(session.selectedPerson, RecordNo(2)) << "a cancelled choice keeps Person A";
}

TEST_F(UnionWindow, CancelAndEscapeLeaveTheTableAsItWas) {
    addUnion(session.unions, RecordNo(1), RecordNo(2));
    const UnionEntry before = session.unions[1];
    window->show();
    edit(1)->setValue(3);
    click("Cancelbtn");
    EXPECT_FALSE(window->isVisible());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(edit(1)->value(), 2) << "each opening starts from the table";
    edit(1)->setValue(4);
    text(1)->setFocus();
    QTest::keyClick(text(1), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.unions[1], before);
    EXPECT_FALSE(session.unions[2].inUse());
    EXPECT_FALSE(session.changed);
    EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace brinox
