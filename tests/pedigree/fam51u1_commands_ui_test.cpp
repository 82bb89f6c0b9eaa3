#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "pedigree/fam51u1.h"
#include "support/fake_picker.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "widgets/hint_switch.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::FakePicker;
using testing::Texts;

class MainWindowCommands : public ::testing::Test {
protected:
    MainWindowCommands() : picker(session) {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Jan", 1920});           // 1
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});            // 2
        addPerson(family.persons, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});  // 3
        addUnion(family.unions, RecordNo(1), RecordNo(2));
        testing::writeFamily(family, dir.path(), "VDORKUM", 3);
        dialogs.selectiedlg = &picker;
        form = std::make_unique<TForm1>(session, prompt, dialogs, dir.path());
        form->show();
    }

    ~MainWindowCommands() override {
        session.changed = false;
        prompt.buttons = {Button::Ok};
        form->close();
    }

    QAction* action(const char* name) { return form->findChild<QAction*>(name); }
    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    Colour background(const char* name) {
        return fromQColor(form->findChild<QWidget*>(name)->palette().color(QPalette::Window));
    }

    testing::TempDir dir;
    Session session;
    testing::ScriptedPrompt prompt;
    FakePicker picker;
    MainWindowDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowCommands, DeleteAsksFirstAndCancelChangesNothing) {
    picker.choices = {"1", "1"};  // asked again from the pop-up menu below
    prompt.buttons = {Button::Cancel};
    action("Verwijderpersoon1")->trigger();
    EXPECT_EQ(prompt.shown, Texts{"Wilt U de persoon \n1 Jan Dorkum(geb.: 1920)\n uit het bestand VDORKUM\nverwijderen?"});
    EXPECT_FALSE(session.changed);

    prompt.buttons = {Button::Ok};
    action("VerwijderPersoon2")->trigger();
    EXPECT_TRUE(session.changed);
    EXPECT_EQ(label("vader1")->text(), "") << "the pedigree no longer shows the deleted father";

    prompt.shown.clear();
    for (const std::string nobody : {"", "0", "9"}) {
        picker.choices = {nobody};
        action("Verwijderpersoon1")->trigger();
    }
    EXPECT_TRUE(prompt.shown.empty()) << "nothing to delete without a person";
}

TEST_F(MainWindowCommands, ColourDialogPresetsTheDefaultAndCancelAppliesIt) {
    prompt.colours = {0x0000FF};
    action("KleurKwartierstaat1")->trigger();
    EXPECT_EQ(background("Panel1"), 0x0000FFu);
    action("KleurKinderlijst1")->trigger();  // cancelled
    EXPECT_EQ(session.childrenColour, kDefaultChildrenColour);
    session.childrenColour = 0x123456;
    action("KleurKinderlijst1")->trigger();
    EXPECT_EQ(background("Panel3"), kDefaultChildrenColour);
    action("Defaultkleuren1")->trigger();
    EXPECT_EQ(background("Panel1"), kDefaultPedigreeColour);
}

TEST_F(MainWindowCommands, HintsSwitchOffForEveryWindow) {
    HintSwitch hints(session);
    QWidget other;  // any other window of the program
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_FALSE(hints.eventFilter(&other, &tip));
    other.setToolTip("tip");
    session.hintShowMillis = 3000;  // shown by the switch itself, for that time
    EXPECT_TRUE(hints.eventFilter(&other, &tip));
    EXPECT_EQ(QToolTip::text(), "tip");
    action("Hints1")->trigger();
    EXPECT_FALSE(session.hintsOn);
    EXPECT_TRUE(hints.eventFilter(&other, &tip));
    EXPECT_TRUE(hints.eventFilter(label("vader1"), &tip));
}

TEST_F(MainWindowCommands, F2WithoutAPhotoOpensNothing) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    session.photoRestart = false;
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(session.photoPerson, RecordNo(3));
    EXPECT_TRUE(session.photoRestart);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(MainWindowCommands, ANewPersonIsRefusedWhenTheTableIsFull) {
    session.persons.setCount(600);
    for (int i = 1; i <= 600; ++i) session.persons.setSex(RecordNo(i), 'm');
    action("Nieuwepersooninvoeren1")->trigger();
    ASSERT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Warning});
    EXPECT_EQ(prompt.shown[0], "Er is geen plaats meer voor een nieuwe persoon:\nhet bestand bevat al 600 personen.\n\n"
                               "Verwijder eerst een persoon om een plaats vrij te maken.");
    EXPECT_FALSE(session.newPersonMode);
}

TEST(MainWindowWithoutFamily, CommandsThatChangeTheFamilySayToChooseOneFirst) {
    testing::TempDir empty;
    Session session;
    testing::ScriptedPrompt prompt;
    MainWindowDialogs none;  // no window may open
    TForm1 form(session, prompt, none, empty.path());
    const std::string chooseFirst = "Er is nog geen familie gekozen.\n\nKies eerst een familie, of maak een nieuwe, "
                                    "met \"Andere familie\" in het menu Bestand.";
    for (const char* name : {"Nieuwepersooninvoeren1", "WijzigPersoonsgegevens1", "HuwelijkRelatieregistreren1",
                             "Verwijderpersoon1"}) {
        prompt.shown.clear();
        form.findChild<QAction*>(name)->trigger();
        EXPECT_EQ(prompt.shown, Texts{chooseFirst}) << name;
    }
    EXPECT_FALSE(session.newPersonMode);
    session.changed = false;
}

}  // namespace
}  // namespace brinox
