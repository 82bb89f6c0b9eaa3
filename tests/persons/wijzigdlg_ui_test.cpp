#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

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

    // How many of the controls that react to the right button still open
    // their standard pop-up menu (closed again at once).
    int standardMenusShown() {
        int shown = 0;
        const std::vector<QWidget*> controls{box("vader"),    box("moeder"), box("gdatedit"),
                                             box("odatedit"), nredit(),      nredit()->findChild<QLineEdit*>()};
        for (QWidget* control : controls) {
            QTimer closer;
            closer.setSingleShot(true);
            QObject::connect(&closer, &QTimer::timeout, [&shown] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    ++shown;
                    popup->close();
                }
            });
            closer.start(0);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(control, &event);
        }
        return shown;
    }

    QStringList labelTexts() {
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
        return texts;
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
    EXPECT_EQ(nredit()->value(), 6);
    EXPECT_TRUE(nredit()->isReadOnly());
    EXPECT_EQ(nredit()->toolTip(), "wijzigen niet mogelijk");
    EXPECT_EQ(box("sekseedit")->text(), "m");
    EXPECT_EQ(box("gdatedit")->text(), "0-0-0");
    EXPECT_EQ(box("vader")->text(), "[0]");

    type("naamedit", "Dorkum");
    type("vnaamedit", QString::fromUtf8("Ren\u00e9"));
    retype("gdatedit", "13-03-1928");
    picker.choices = {"3", "5"};
    QTest::mouseClick(box("vader"), Qt::RightButton);
    QTest::mouseClick(box("moeder"), Qt::RightButton);
    EXPECT_EQ(box("vader")->text(), "[3]  Jan  Dorkum");
    EXPECT_EQ(box("moeder")->text(), "[5]  Anna  Smit");
    prompt.buttons = {Button::Yes, Button::No};
    click("wijzigbtn");

    EXPECT_EQ(session.persons.count(), 6);
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(6)), "Ren\xE9");
    EXPECT_EQ(session.persons.getBirthMonth(RecordNo(6)), 3);
    EXPECT_EQ(session.persons.getMother(RecordNo(6)), RecordNo(5));
    EXPECT_TRUE(session.changed);
    EXPECT_EQ(redraws, 1);
    ASSERT_TRUE(window->isVisible()) << "Yes keeps the window open for the next person";
    EXPECT_EQ(window->windowTitle(), "Invoeren van een nieuwe persoon met nummer 7");
    EXPECT_EQ(box("naamedit")->text(), "");
    EXPECT_EQ(box("vader")->text(), "[0]");

    type("vnaamedit", "Kees");
    click("wijzigbtn");
    EXPECT_EQ(prompt.shown, (Texts{"Het record van persoon \n6  Ren\xE9  Dorkum\nis ingevoerd.\n\nMeer invoeren?",
                                   "Het record van persoon \n7  Kees  \nis ingevoerd.\n\nMeer invoeren?"}));
    EXPECT_EQ(session.persons.count(), 7);
    EXPECT_EQ(redraws, 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EditWindow, ChangesARecordChosenWithTheSpinner) {
    openForChange(1);
    EXPECT_EQ(window->windowTitle(), "Wijzigen van persoon-record nummer 1");
    EXPECT_FALSE(nredit()->isReadOnly());
    EXPECT_EQ(nredit()->toolTip(), "Voor andere persoon: rechter muisknop, of klik de pijltjes");

    QTest::keyClick(nredit(), Qt::Key_Up);
    QTest::keyClick(nredit(), Qt::Key_Up);
    EXPECT_EQ(window->windowTitle(), "Wijzigen van persoon-record nummer 3");
    EXPECT_EQ(box("vnaamedit")->text(), "Jan");
    EXPECT_EQ(box("gdatedit")->text(), "12-5-1920");
    EXPECT_EQ(box("vader")->text(), "[1]  Hendrik  Dorkum");
    EXPECT_EQ(box("moeder")->text(), "[2]  Grietje  Bakker");

    retype("vnaamedit", "Johannes");
    retype("odatedit", "1-2-1980");
    prompt.buttons = {Button::Yes};
    click("wijzigbtn");
    EXPECT_EQ(prompt.shown, Texts{"Het record van persoon \n3  Johannes  Dorkum\nis bijgewerkt.\n\nNog iets wijzigen ?"});
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(3)), "Johannes");
    EXPECT_EQ(session.persons.getDeathYear(RecordNo(3)), 1980);
    EXPECT_EQ(session.persons.count(), 5);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(window->isVisible());

    picker.choices = {"5"};
    QTest::mouseClick(nredit()->findChild<QLineEdit*>(), Qt::RightButton);
    EXPECT_EQ(nredit()->value(), 5);
    EXPECT_EQ(box("naamedit")->text(), "Smit");
    EXPECT_EQ(picker.calls(), 1);
}

TEST_F(EditWindow, SpinnerAboveCountComesBackToTheLastRecord) {
    openForChange(2);
    nredit()->setValue(50);
    EXPECT_EQ(nredit()->value(), 5);
    EXPECT_EQ(window->windowTitle(), "Wijzigen van persoon-record nummer 5");
    EXPECT_EQ(box("vnaamedit")->text(), "Anna");

    window->hide();
    openForNewPerson(4);
    QTest::mouseClick(nredit(), Qt::RightButton);
    nredit()->setValue(2);
    EXPECT_EQ(picker.calls(), 0) << "the number of a new person cannot be changed";
    EXPECT_EQ(window->windowTitle(), "Invoeren van een nieuwe persoon met nummer 4");
}

TEST_F(EditWindow, AFreeSlotEmptiesTheSexBoxWithOneWarning) {
    openForChange(3);
    nredit()->setValue(4);
    EXPECT_EQ(prompt.shown, Texts{"Vul hier in:  m  of v"});
    EXPECT_EQ(prompt.kinds, std::vector{MessageKind::Warning});
    EXPECT_EQ(box("sekseedit")->text(), "");
    EXPECT_EQ(box("naamedit")->text(), "");

    type("sekseedit", "x");
    EXPECT_EQ(box("sekseedit")->text(), "");
    type("sekseedit", "v");
    EXPECT_EQ(box("sekseedit")->text(), "v");
    EXPECT_EQ(prompt.shown, (Texts{"Vul hier in:  m  of v", "Vul hier in:  m  of v"}));
}

TEST_F(EditWindow, ParentBoxesRefuseTheWrongPersonAndALeftClickReusesTheLastChoice) {
    openForChange(3);
    picker.choices = {"2", "1", "3", "", "5"};
    QTest::mouseClick(box("vader"), Qt::RightButton);
    QTest::mouseClick(box("moeder"), Qt::RightButton);
    QTest::mouseClick(box("vader"), Qt::RightButton);
    QTest::mouseClick(box("vader"), Qt::RightButton);  // cancelled in the selection window
    EXPECT_EQ(prompt.shown, (Texts{"De aangewezene is een vrouw", "De aangewezene is een man",
                                   "De aangewezene is deze persoon zelf"}));
    EXPECT_EQ(box("vader")->text(), "[1]  Hendrik  Dorkum");
    EXPECT_EQ(box("moeder")->text(), "[2]  Grietje  Bakker");

    QTest::mouseClick(box("moeder"), Qt::RightButton);
    EXPECT_EQ(box("moeder")->text(), "[5]  Anna  Smit");
    window->hide();

    openForNewPerson(6);
    prompt.shown.clear();
    QTest::mouseClick(box("moeder"), Qt::LeftButton);
    QTest::mouseClick(box("vader"), Qt::LeftButton);
    EXPECT_EQ(box("moeder")->text(), "[5]  Anna  Smit");
    EXPECT_EQ(box("vader")->text(), "[0]");
    EXPECT_EQ(prompt.shown, Texts{"De aangewezene is een vrouw"});
    EXPECT_EQ(picker.calls(), 5);
    EXPECT_EQ(session.persons.getMother(RecordNo(3)), RecordNo(2)) << "nothing is stored before the button";
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
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditWindow, LaidOutWithItsTextsAndClosesWithoutStoring) {
    openForChange(3);
    EXPECT_EQ(window->size(), QSize(540, 373));
    const QStringList labels = labelTexts();
    for (const char* text : {"record nummer", "Geslacht", "Familienaam", "Voornamen", "Geboortedatum",
                             "Overleden op", "Vader ", "Moeder ", "Inforegel 1", "Inforegel 2",
                             "Hulp bij selectie van Vader en Moeder via klik met de rechter muisknop"}) {
        EXPECT_TRUE(labels.contains(text)) << text;
    }
    EXPECT_EQ(labels.count("[ dd-mm-jjjj ]"), 2);
    EXPECT_EQ(window->findChild<QPushButton*>("wijzigbtn")->text(), "&Bestand zo wijzigen");
    EXPECT_EQ(window->findChild<QPushButton*>("okbtn")->toolTip(), "Wijzigingen worden NIET verwerkt");
    EXPECT_EQ(box("odatedit")->toolTip(), "Vul hier de datum van overlijden in  [dd-mm-jjjj]");
    EXPECT_TRUE(box("vader")->isReadOnly());

    QTest::mouseClick(box("gdatedit"), Qt::RightButton);  // only a beep
    EXPECT_EQ(picker.calls(), 0);
    EXPECT_EQ(standardMenusShown(), 0);
    EXPECT_EQ(box("gdatedit")->text(), "12-5-1920");

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    retype("naamedit", "Anders");
    QTest::keyClick(box("naamedit"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    openForChange(3);
    retype("naamedit", "Anders");
    click("okbtn");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.persons.getFamilyName(RecordNo(3)), "Dorkum");
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(session.changed);
}

}  // namespace
}  // namespace brinox
