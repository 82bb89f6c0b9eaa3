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

class UnionWindow : public ::testing::Test {
protected:
    UnionWindow() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Piet", 1950});        // 1
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1952});  // 2
        addPerson(p, {'v', "Kok", "Bep", 1955});            // 3
        addPerson(p, {'m', "Smit", "Kees", 1948});          // 4
        session.selectedPerson = RecordNo(1);
        window = std::make_unique<THuwdlg>(session, prompt, picker);
    }

    QSpinBox* edit(int row) { return window->findChild<QSpinBox*>(QString("partner%1edit").arg(row)); }
    QLineEdit* text(int row) { return edit(row)->findChild<QLineEdit*>(); }
    QString partnerLabel(int row) { return window->findChild<QLabel*>(QString("partner%1label").arg(row))->text(); }
    bool panelShown(int row) { return window->findChild<QFrame*>(QString("Panel%1").arg(row + 1))->isVisible(); }
    void click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    Session session;
    testing::ScriptedPrompt prompt;
    FakePicker picker{session};
    std::unique_ptr<THuwdlg> window;
};

TEST_F(UnionWindow, RegistersPartnersChosenWithTheRightButtonThenRemovesOne) {
    window->show();
    for (int row = 1; row <= 5; ++row) EXPECT_FALSE(panelShown(row)) << "no kind for an empty row " << row;
    picker.choices = {"2", "3"};
    QTest::mouseClick(text(1), Qt::RightButton);
    QTest::mouseClick(text(2), Qt::RightButton);
    EXPECT_EQ(partnerLabel(1), QString::fromUtf8("Ren\u00e9e Vries"));
    EXPECT_TRUE(panelShown(2));
    EXPECT_FALSE(panelShown(3));
    QTest::mouseClick(window->findChild<QRadioButton*>("Radio2v"), Qt::LeftButton);
    click("okbtn");
    EXPECT_EQ(session.unions[1], (UnionEntry{1, 2, 1, 0}));
    EXPECT_EQ(session.unions[2], (UnionEntry{1, 3, 0, 0}));

    window->show();
    edit(1)->setValue(0);
    EXPECT_FALSE(panelShown(1));
    click("okbtn");
    EXPECT_EQ(session.unions[1], (UnionEntry{1, 3, 0, 0}));
    EXPECT_FALSE(session.unions[2].inUse());
}

TEST_F(UnionWindow, CancelAndEscapeLeaveTheTableAsItWas) {
    addUnion(session.unions, RecordNo(1), RecordNo(2));
    const UnionEntry before = session.unions[1];
    window->show();
    edit(1)->setValue(3);
    click("Cancelbtn");

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(edit(1)->value(), 2) << "each opening starts from the table";
    edit(1)->setValue(4);
    text(1)->setFocus();
    QTest::keyClick(text(1), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.unions[1], before);
    EXPECT_FALSE(session.changed);
    EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace brinox
