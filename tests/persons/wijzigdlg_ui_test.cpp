#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "persons/wijzigdlg.h"
#include "support/fake_picker.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::FakePicker;
using testing::Texts;

class EditWindow : public ::testing::Test {
protected:
    EditWindow() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Hendrik", 1890});           // 1
        addPerson(p, {'v', "Bakker", "Grietje", 1892});           // 2
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 5, 12, 1, 2});  // 3
        addPerson(p, {'m', "Weg", "Wim"});                        // 4: erased below
        addPerson(p, {'v', "Smit", "Anna", 1922});                // 5
        p.erase(RecordNo(4));
        window = std::make_unique<Twijzigdlg>(session, prompt, picker, [this] { ++redraws; });
    }

    void openForNewPerson(int number) {
        session.newPersonMode = true;
        session.newRecordNumber = RecordNo(number);
        window->show();
    }

    void openForChange(int selected) {
        session.newPersonMode = false;
        session.selectedPerson = RecordNo(selected);
        window->show();
    }

    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QSpinBox* nredit() { return window->findChild<QSpinBox*>("nredit"); }
    void click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    // Types any character, also those the test library's key table lacks.
    void type(const char* name, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box(name), &press);
        }
    }

    void retype(const char* name, const QString& text) {
        box(name)->clear();
        type(name, text);
    }

    Session session;
    testing::ScriptedPrompt prompt;
    FakePicker picker{session};
    int redraws = 0;
    std::unique_ptr<Twijzigdlg> window;
};

TEST_F(EditWindow, EntersNewPersonsOneAfterTheOther) {
    openForNewPerson(6);
    EXPECT_EQ(window->windowTitle(), "Invoeren van een nieuwe persoon met nummer 6");
    type("naamedit", "Dorkum");
    type("vnaamedit", QString::fromUtf8("Ren\u00e9"));
    retype("gdatedit", "13-03-1928");
    picker.choices = {"3", "5"};
    QTest::mouseClick(box("vader"), Qt::RightButton);
    QTest::mouseClick(box("moeder"), Qt::RightButton);
    prompt.buttons = {Button::Yes, Button::No};
    click("wijzigbtn");
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(6)), "Ren\xE9");
    EXPECT_EQ(session.persons.getBirthMonth(RecordNo(6)), 3);
    EXPECT_EQ(session.persons.getMother(RecordNo(6)), RecordNo(5));
    EXPECT_EQ(session.persons.getFather(RecordNo(6)), RecordNo(3));
    EXPECT_EQ(redraws, 1);
    ASSERT_TRUE(window->isVisible()) << "Yes keeps the window open for the next person";
    EXPECT_EQ(window->windowTitle(), "Invoeren van een nieuwe persoon met nummer 7");

    type("vnaamedit", "Kees");
    click("wijzigbtn");
    EXPECT_EQ(prompt.shown, (Texts{"Het record van persoon \n6  Ren\xE9  Dorkum\nis ingevoerd.\n\nMeer invoeren?",
                                   "Het record van persoon \n7  Kees  \nis ingevoerd.\n\nMeer invoeren?"}));
    EXPECT_EQ(session.persons.getFather(RecordNo(7)), RecordNo(0)) << "every new person starts empty";
    EXPECT_EQ(redraws, 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EditWindow, ChangesARecordChosenWithTheSpinnerWhichStopsAtCount) {
    openForChange(2);
    QTest::keyClick(nredit(), Qt::Key_Up);
    EXPECT_EQ(window->windowTitle(), "Wijzigen van persoon-record nummer 3");
    EXPECT_EQ(box("moeder")->text(), "[2]  Grietje  Bakker");

    retype("vnaamedit", "Johannes");
    prompt.buttons = {Button::Yes};
    click("wijzigbtn");
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n3  Johannes  Dorkum\nis bijgewerkt.\n\nNog iets wijzigen ?"});
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(3)), "Johannes");
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(window->isVisible());

    nredit()->setValue(50);
    EXPECT_EQ(nredit()->value(), 5);
    EXPECT_EQ(box("vnaamedit")->text(), "Anna");
}

TEST_F(EditWindow, AWomanAsFatherIsRefusedAndAFreeSlotEmptiesTheSexBox) {
    openForChange(3);
    picker.choices = {"2"};
    QTest::mouseClick(box("vader"), Qt::RightButton);
    EXPECT_EQ(box("vader")->text(), "[1]  Hendrik  Dorkum");

    nredit()->setValue(4);
    EXPECT_EQ(prompt.shown, (Texts{"De aangewezene is een vrouw", "Vul hier in:  m  of v"}));
    EXPECT_EQ(box("sekseedit")->text(), "");
    EXPECT_EQ(box("naamedit")->text(), "");
    type("sekseedit", "v");
    EXPECT_EQ(box("sekseedit")->text(), "v");
}

TEST_F(EditWindow, ACharacterWindowsCannotHoldIsRefusedAndNothingStored) {
    openForNewPerson(6);
    type("naamedit", QString::fromUtf8("\u0141ukasiewicz"));
    click("wijzigbtn");
    EXPECT_EQ(prompt.shown, Texts{"In het vak \"Familienaam\" staat een teken dat niet kan worden bewaard.\n"
                                  "Vervang dat teken door een ander."});
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_FALSE(session.changed);
    EXPECT_EQ(redraws, 0);
}

}  // namespace
}  // namespace brinox
