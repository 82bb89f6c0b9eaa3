#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "pedigree/fam51u1.h"
#include "store/familiedlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        Session family;
        auto& p = family.persons;
        addPerson(p, {'m', "Dorkum", "Hendrik", 1890});               // 1
        addPerson(p, {'v', "Bakker", "Grietje", 1892});               // 2
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 0, 0, 1, 2});       // 3
        addPerson(p, {'v', "Smit", "Anna", 1922});                    // 4
        addPerson(p, {'m', "Dorkum", "Piet", 1950, 0, 0, 3, 4});      // 5
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1952});            // 6
        addPerson(p, {'m', "Dorkum", "Tom", 1976, 0, 0, 5, 6});       // 7
        addPerson(p, {'v', "Dorkum", "Lot", 1979, 0, 0, 5, 6});       // 8
        addUnion(family.unions, RecordNo(5), RecordNo(6));
        testing::writeFamily(family, dir.path(), "VDORKUM", 5);
        form = std::make_unique<TForm1>(session, prompt, dialogs, dir.path());
        familiedlg = std::make_unique<Tfamiliedlg>(session, prompt, form.get());
        dialogs.familiedlg = familiedlg.get();
        form->show();
    }

    ~MainWindow() override {
        prompt.buttons = {Button::Ok};
        session.changed = false;
        form->close();
    }

    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    QListWidget* list() { return form->findChild<QListWidget*>("List"); }
    QAction* action(const char* name) { return form->findChild<QAction*>(name); }

    void clickLine(int row) {
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    testing::TempDir dir;
    Session session;
    testing::ScriptedPrompt prompt;
    MainWindowDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<Tfamiliedlg> familiedlg;
};

TEST_F(MainWindow, ShowsThePedigreeOfTheStartPersonLaidOut) {
    EXPECT_EQ(form->windowTitle(), "  VDORKUM  *** Takkenbos ***       Kwartierstaat van Piet  Dorkum");
    EXPECT_EQ(label("zelf1")->text(), "Piet  Dorkum");
    EXPECT_EQ(label("vader1")->text(), "Jan  Dorkum");
    EXPECT_EQ(label("moeder1")->text(), "Anna  Smit");
    EXPECT_EQ(label("opa_v1")->text(), "Hendrik  Dorkum");
    EXPECT_EQ(label("Label7")->text(), QString::fromUtf8(" Gehuwd met [6] Ren\u00e9e  Vries    (1952)"));
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(0)->text(), QString::fromUtf8("Kinderen van:                            Ren\u00e9e  Vries"));
    EXPECT_EQ(list()->item(2)->text(), "       Lot  Dorkum    (1979)");

    EXPECT_EQ(label("vader1")->geometry(), QRect(75, 131, 250, 40));
    EXPECT_EQ(label("zelf1")->geometry(), QRect(252, 187, 296, 57));
    EXPECT_EQ(list()->geometry(), QRect(151, 17, 498, 148));
}

TEST_F(MainWindow, ALongNameKeepsItsBeginningInThePanelAndIsWholeInTheHint) {
    session.persons.setFirstNames(RecordNo(5), std::string(50, 'W'));
    session.persons.setFamilyName(RecordNo(5), std::string(50, 'D'));
    form->vulkwartierstaat();
    const QLabel* self = label("zelf1");
    EXPECT_TRUE(self->text().startsWith("WWWWW") && self->text().endsWith(QChar(0x2026))) << self->text().toStdString();
    EXPECT_LE(self->fontMetrics().horizontalAdvance(self->text()), self->contentsRect().width());
    EXPECT_EQ(self->toolTip(), QString(50, 'W') + "  " + QString(50, 'D') + "\nPopupmenu onder rechter muisknop");
}

TEST_F(MainWindow, ClicksOnAncestorsChildrenAndPartnerMoveThePedigree) {
    clickLine(0);  // the other parent's header selects her
    EXPECT_EQ(label("zelf1")->text(), QString::fromUtf8("Ren\u00e9e  Vries"));
    QTest::mouseClick(label("Label7"), Qt::LeftButton);
    EXPECT_EQ(label("zelf1")->text(), "Piet  Dorkum");
    EXPECT_EQ(session.selection.historyCount, 2) << "the partner label does not add to the history";
    clickLine(2);
    EXPECT_EQ(label("zelf1")->text(), "Lot  Dorkum");
    QTest::mouseClick(label("opa_v1"), Qt::LeftButton);
    EXPECT_EQ(label("zelf1")->text(), "Jan  Dorkum");
    EXPECT_EQ(session.selection.history[3], RecordNo(3));
    QTest::mouseClick(label("opa_v1"), Qt::LeftButton);  // an empty panel does nothing
    EXPECT_EQ(label("zelf1")->text(), "Jan  Dorkum");
    session.persons.erase(RecordNo(1));  // Jan's father, the link to him left in place
    QTest::mouseClick(label("vader1"), Qt::LeftButton);
    EXPECT_EQ(label("zelf1")->text(), "Jan  Dorkum") << "a free slot is no person to select";
    EXPECT_EQ(session.selection.historyCount, 4);
}

TEST_F(MainWindow, EscapeAsksBeforeClosingAndSavingNeedsThePassword) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    prompt.buttons = {Button::Cancel};
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompt.shown, Texts{"Takkenbos-programma verlaten?"});

    prompt.shown.clear();
    prompt.inputs = {"geheim", "Tjalko"};
    action("Opbergen1")->trigger();
    EXPECT_EQ(prompt.shown, (Texts{"geheim\nis niet het goede wachtwoord.", "Het bestand is op disk bijgewerkt"}));
    EXPECT_TRUE(session.passwordGiven);
}

TEST_F(MainWindow, AnotherFamilyCanBeCreatedFromTheFamilyWindow) {
    prompt.buttons = {Button::Yes};
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(familiedlg->ComboBox1->currentText(), "VDORKUM");
        familiedlg->ComboBox1->setEditText("smit");
        familiedlg->okbtnClick();
    });
    action("Anderefamilie1")->trigger();
    EXPECT_EQ(session.familyCode, "SMIT");
    EXPECT_EQ(session.persons.count(), 0);
    EXPECT_EQ(form->windowTitle(), "  SMIT  *** Takkenbos ***       Kwartierstaat");
    EXPECT_TRUE(std::filesystem::exists(dir / "SMIT" / "SMIT.da1"));
}

TEST_F(MainWindow, CancellingTheFamilyWindowKeepsUnsavedChanges) {
    session.persons.setFirstNames(RecordNo(5), "Pieter");
    session.changed = true;
    QTimer::singleShot(0, [this] { familiedlg->cancelbtnClick(); });
    action("Anderefamilie1")->trigger();
    EXPECT_EQ(session.persons.getFirstNames(RecordNo(5)), "Pieter");
    EXPECT_TRUE(session.changed);
    EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace brinox
