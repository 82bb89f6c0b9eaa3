#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>

#include "pedigree/fam51u1.h"
#include "support/fake_picker.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "widgets/help_viewer.h"
#include "widgets/hint_switch.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::FakePicker;
using testing::Texts;

struct FakeHelp : HelpViewer {
    void showHelp(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

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
        dialogs.help = &help;
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
    FakeHelp help;
    MainWindowDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowCommands, DeleteAsksFirstAndCancelChangesNothing) {
    picker.choices = {"1", "1"};  // asked again from the pop-up menu below
    prompt.buttons = {Button::Cancel};
    action("Verwijderpersoon1")->trigger();
    EXPECT_EQ(picker.lastReference(), RecordNo(3));
    EXPECT_EQ(prompt.shown, Texts{"Wilt U de persoon \n1 Jan Dorkum(geb.: 1920)\n uit het bestand VDORKUM\nverwijderen?"});
    EXPECT_EQ(label("vader1")->text(), "Jan  Dorkum");
    EXPECT_FALSE(session.changed);

    prompt.buttons = {Button::Ok};
    action("VerwijderPersoon2")->trigger();
    EXPECT_TRUE(session.changed);
    EXPECT_EQ(label("vader1")->text(), "") << "the pedigree no longer shows the deleted father";
    EXPECT_EQ(label("Label7")->text(), "");

    prompt.shown.clear();
    for (const std::string nobody : {"", "0", "9"}) {
        picker.choices = {nobody};
        action("Verwijderpersoon1")->trigger();
    }
    EXPECT_TRUE(prompt.shown.empty()) << "nothing to delete without a person";
}

TEST_F(MainWindowCommands, SelectionMovesThePedigreeOnlyToARealPerson) {
    picker.choices = {"0"};
    action("Selectie1")->trigger();
    EXPECT_EQ(label("zelf1")->text(), "Piet  Dorkum");
    picker.choices = {"2"};
    action("Selectie1")->trigger();
    EXPECT_EQ(label("zelf1")->text(), "Anna  Smit");
    EXPECT_EQ(picker.lastReference(), RecordNo(3));
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
    prompt.colours = {0x00FF00};
    action("KleurFotoachtergrond1")->trigger();
    EXPECT_EQ(session.photoBackground, 0x00FF00u);
    action("Defaultkleuren1")->trigger();
    EXPECT_EQ(background("Panel1"), kDefaultPedigreeColour);
    EXPECT_EQ(session.photoBackground, kDefaultPhotoBackground);
}

TEST_F(MainWindowCommands, HintsSwitchOffForEveryWindow) {
    HintSwitch hints(session.hintsOn);
    qApp->installEventFilter(&hints);
    QWidget other;  // any other window of the program
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_FALSE(hints.eventFilter(&other, &tip));
    action("Hints1")->trigger();
    EXPECT_FALSE(action("Hints1")->isChecked());
    EXPECT_FALSE(session.hintsOn);
    EXPECT_TRUE(hints.eventFilter(&other, &tip));
    EXPECT_TRUE(hints.eventFilter(label("vader1"), &tip));
    action("Hints1")->trigger();
    EXPECT_TRUE(session.hintsOn);
    qApp->removeEventFilter(&hints);
}

TEST_F(MainWindowCommands, F2WithoutAPhotoOpensNothingButAPhotoEnablesTheEntry) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    session.photoRestart = false;
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(session.photoPerson, RecordNo(3));
    EXPECT_TRUE(session.photoRestart);
    EXPECT_FALSE(action("Foto1")->isEnabled());
    EXPECT_TRUE(prompt.shown.empty());

    testing::writeBytes(dir / "VDORKUM" / "FAM003A.JPG", {0xFF, 0xD8});
    testing::writeBytes(dir / "VDORKUM" / "fam003.wav", {1});
    form->vulkwartierstaat();
    EXPECT_TRUE(action("Foto1")->isEnabled());
    EXPECT_TRUE(action("Stemfragment1")->isEnabled());
    EXPECT_FALSE(action("Levensbeschrijving1")->isEnabled());
}

TEST_F(MainWindowCommands, AnniversariesAndHelpAndFullTable) {
    action("Gedenkdag1")->trigger();
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown[0].rfind("Het is vandaag: ", 0), 0u);

    action("HelpInhoud1")->trigger();
    EXPECT_EQ(help.topics, std::vector<HelpTopic>{HelpTopic::Contents});

    session.persons.setCount(600);
    for (int i = 1; i <= 600; ++i) session.persons.setSex(RecordNo(i), 'm');
    prompt.shown.clear();
    prompt.kinds.clear();
    action("Nieuwepersooninvoeren1")->trigger();
    ASSERT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Warning});
    EXPECT_NE(prompt.shown[0].find("600 personen"), std::string::npos);
    EXPECT_FALSE(session.newPersonMode);
}

}  // namespace
}  // namespace brinox
