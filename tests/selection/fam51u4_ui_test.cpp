#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <vector>

#include "selection/fam51u4.h"
#include "selection/selection_lists.h"
#include "selection/zoekdlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "widgets/pressable.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;

class RecordingHelp : public HelpViewer {
public:
    void showHelp(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

// Piet (1) married Renée (2), then Els (3); Kees (4) has none; then 36 more
// persons "Zz" so that the list scrolls.
class SelectionWindow : public ::testing::Test {
protected:
    SelectionWindow() {
        auto& p = session.persons;
        addPerson(p, {.sex = 'm', .familyName = "Dorkum", .firstNames = "Piet", .birthYear = 1950,
                      .info1 = "Bakker te Zwolle"});
        addPerson(p, {.sex = 'v', .familyName = "Vries", .firstNames = "Ren\xE9" "e", .birthYear = 1952});
        addPerson(p, {.sex = 'v', .familyName = "Kok", .firstNames = "Els", .birthYear = 1960,
                      .info2 = "broodbakkerij"});
        addPerson(p, {.sex = 'm', .familyName = "Bos", .firstNames = "Kees"});
        for (int i = 5; i <= 40; ++i) {
            addPerson(p, {.sex = 'm', .familyName = "Zz" + std::to_string(100 + i), .firstNames = "Nr"});
        }
        addUnion(session.unions, RecordNo(1), RecordNo(2));
        addUnion(session.unions, RecordNo(1), RecordNo(3));
        session.selectedPerson = RecordNo(1);
        session.selection.restart(RecordNo(1));
        session.selection.reference = RecordNo(1);
    }

    ~SelectionWindow() override { dialog.hide(); }

    void open() {
        dialog.show();
        ASSERT_TRUE(dialog.isVisible());
    }

    QListWidget* list() { return dialog.findChild<QListWidget*>("ListBox1"); }
    QPushButton* button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    QAction* action(const char* name) { return dialog.findChild<QAction*>(name); }
    QString persoon() { return button("keuzebtn")->text(); }
    QString partner() { return button("relatbtn")->isVisibleTo(&dialog) ? button("relatbtn")->text() : QString(); }

    int rowOf(int record) {
        const QString tail = QString("[%1]").arg(record);
        for (int i = 0; i < list()->count(); ++i) {
            if (list()->item(i)->text().endsWith(tail)) return i;
        }
        return -1;
    }

    void clickRow(int row) {
        list()->scrollToItem(list()->item(row));
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Opens and closes the dialog the way the program does, answering it from inside.
    template <typename Answer>
    void pickWith(Answer answer) {
        QTimer::singleShot(0, &dialog, answer);
        dialog.pickPerson();
    }

    Session session;
    testing::ScriptedPrompt prompt;
    RecordingHelp help;
    Tzoekdlg zoekdlg{session, prompt};
    Tselectiedlg dialog{session, help, [this] { zoekdlg.exec(); }};
};

TEST_F(SelectionWindow, HasTheDescribedLayoutAndCaptions) {
    open();
    EXPECT_EQ(dialog.windowTitle(), "Alfabetische personenlijst gerangschikt naar Familienaam");
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QWidget* client = dialog.findChild<QWidget*>("ClientArea");
    EXPECT_EQ(client->size(), QSize(483, 414));
    EXPECT_EQ(dialog.width(), 483);
    EXPECT_EQ(dialog.height(), 414 + dialog.findChild<QMenuBar*>()->height());
    EXPECT_EQ(list()->geometry(), QRect(0, 0, 483, 256));
    EXPECT_EQ(list()->visualItemRect(list()->item(0)).height(), 14);
    EXPECT_EQ(dialog.findChild<QGroupBox*>("GroupBox1")->title(), "  Kies hier Persoon of Partner  ");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Persoon");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "Partner");
    EXPECT_EQ(button("cancelbtn")->text(), "&Cancel");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label3")->text(),
              "In de lijst staan alle personen, gerangschikt volgens het criterium in de titelbalk.");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label5")->text(),
              "U selecteert een naam door op een van deze knoppen te drukken.");
    QStringList menu;
    for (QAction* entry : dialog.findChild<QMenuBar*>()->actions()) menu << entry->text();
    EXPECT_EQ(menu, (QStringList{"&Familienaam", "&Voornaam", "&Geboortejaar", "&Recordnummer", "&Zoekwoord",
                                 "&Historie", "Help"}));
    EXPECT_TRUE(action("Familienaam1")->isChecked());
    const QMenuBar* bar = dialog.findChild<QMenuBar*>();
    EXPECT_FALSE(bar->actionGeometry(action("Help1")).isEmpty());
    EXPECT_LE(bar->actionGeometry(action("Help1")).right(), 483) << "all seven entries fit on the bar";
    EXPECT_EQ(list()->count(), 40);
    EXPECT_EQ(list()->item(0)->text().left(9), "Bos  Kees");
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    EXPECT_EQ(partner(), QString::fromUtf8("2  Ren\u00e9e Vries"));
}

TEST_F(SelectionWindow, ClickingALineOffersThatPersonAndTheFirstPartner) {
    open();
    clickRow(rowOf(3));
    EXPECT_EQ(persoon(), "3  Els Kok");
    EXPECT_EQ(partner(), "1  Piet Dorkum");
    clickRow(rowOf(4));
    EXPECT_EQ(persoon(), "4  Kees Bos");
    EXPECT_EQ(partner(), "") << "no partner: the button is hidden";
    QTest::mouseClick(button("keuzebtn"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.selection.result, "4");
    EXPECT_EQ(session.selection.history[1], RecordNo(3));
    EXPECT_EQ(session.selection.history[2], RecordNo(4));
}

TEST_F(SelectionWindow, RightButtonDoesNothing) {
    open();
    const QRect rect = list()->visualItemRect(list()->item(rowOf(3)));
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, rect.center());
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    EXPECT_EQ(session.selection.historyCount, 1);
}

TEST_F(SelectionWindow, PartnerButtonHandsBackThePartnerItShows) {
    open();
    clickRow(rowOf(2));
    EXPECT_EQ(partner(), "1  Piet Dorkum");
    QTest::mouseClick(button("relatbtn"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.selection.result, "1");
}

TEST_F(SelectionWindow, WithoutAClickTheButtonsHandBackTheSelectedPersonAndTheReferencesPartner) {
    session.selection.reference = RecordNo(3);  // as the relationship finder may set it
    pickWith([this] { QTest::mouseClick(button("relatbtn"), Qt::LeftButton); });
    EXPECT_EQ(session.selection.result, "1");
    EXPECT_EQ(partner(), "1  Piet Dorkum");
    pickWith([this] { QTest::mouseClick(button("keuzebtn"), Qt::LeftButton); });
    EXPECT_EQ(session.selection.result, "1");
}

TEST_F(SelectionWindow, CancelEscapeAndTheCloseBoxHandBackNothing) {
    session.selection.result = "3";
    pickWith([this] { QTest::mouseClick(button("cancelbtn"), Qt::LeftButton); });
    EXPECT_EQ(session.selection.result, "");

    session.selection.result = "3";
    pickWith([this] {
        clickRow(rowOf(2));
        QTest::keyClick(list(), Qt::Key_Escape);
    });
    EXPECT_EQ(session.selection.result, "");

    session.selection.result = "3";
    pickWith([this] { dialog.close(); });
    EXPECT_EQ(session.selection.result, "");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SelectionWindow, LetterKeysMoveTheCurrentLineButNotTheButtons) {
    open();
    QTest::keyClick(list(), Qt::Key_K);
    EXPECT_EQ(list()->currentRow(), rowOf(3)) << "Kok";
    QTest::keyClick(list(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(list()->currentRow(), rowOf(2)) << "Vries";
    QTest::keyClick(list(), Qt::Key_Q);
    EXPECT_EQ(list()->currentRow(), rowOf(2)) << "no line starts with Q";
    QTest::keyClick(button("cancelbtn"), Qt::Key_B);
    EXPECT_EQ(list()->currentRow(), 0) << "the window sees keys before its controls";
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    EXPECT_EQ(session.selection.historyCount, 1);
}

TEST_F(SelectionWindow, MenuChoicesMoveTheCheckMarkAmongTheFirstThreeOnly) {
    open();
    action("Voornaam1")->trigger();
    EXPECT_EQ(dialog.windowTitle(), "Alfabetische personenlijst gerangschikt naar Voornaam");
    EXPECT_FALSE(action("Familienaam1")->isChecked());
    EXPECT_TRUE(action("Voornaam1")->isChecked());
    EXPECT_EQ(persoon(), "") << "empty until a line is clicked";
    EXPECT_EQ(partner(), QString::fromUtf8("2  Ren\u00e9e Vries"));
    QTest::mouseClick(button("keuzebtn"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << "an empty Persoon button does nothing";

    action("Geboortejaar1")->trigger();
    EXPECT_EQ(dialog.windowTitle(), "Personenlijst gerangschikt naar hun Geboortejaar");
    EXPECT_TRUE(action("Voornaam1")->isChecked());
    EXPECT_FALSE(action("Geboortejaar1")->isChecked());
    EXPECT_EQ(list()->item(0)->text().left(4), "()  ");

    action("Recordnummer1")->trigger();
    EXPECT_TRUE(action("Recordnummer1")->isChecked());
    EXPECT_FALSE(action("Voornaam1")->isChecked());
    EXPECT_EQ(list()->item(0)->text(), "1  Dorkum  Piet  (1950)");
    clickRow(3);
    EXPECT_EQ(persoon(), "4  Kees Bos");

    action("Familienaam1")->trigger();
    EXPECT_TRUE(action("Familienaam1")->isChecked());
    EXPECT_FALSE(action("Recordnummer1")->isChecked());
    action("Help1")->trigger();
    EXPECT_EQ(help.topics, std::vector<HelpTopic>{HelpTopic::Selection});
}

TEST_F(SelectionWindow, KeywordListWithTheWordTypedInTheSearchWindow) {
    open();
    QTimer::singleShot(0, &zoekdlg, [this] {
        zoekdlg.Edit1->setText("bakker");
        QTest::mouseClick(zoekdlg.findChild<QPushButton*>("okbtn"), Qt::LeftButton);
    });
    action("Zoekwoord1")->trigger();
    EXPECT_FALSE(zoekdlg.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Personen, waarbij BAKKER in een inforegel staat");
    ASSERT_EQ(list()->count(), 2);
    EXPECT_TRUE(list()->item(0)->text().startsWith("Dorkum  Piet"));
    EXPECT_TRUE(list()->item(1)->text().startsWith("Kok  Els"));
    EXPECT_FALSE(action("Zoekwoord1")->isChecked());
    EXPECT_TRUE(action("Familienaam1")->isChecked());
}

TEST_F(SelectionWindow, CancellingTheSearchWindowStillSwitchesToTheKeywordList) {
    open();
    QTimer::singleShot(0, &zoekdlg, [this] {
        zoekdlg.Edit1->setText("bakker");
        QTest::mouseClick(zoekdlg.findChild<QPushButton*>("cancelbtn"), Qt::LeftButton);
    });
    action("Zoekwoord1")->trigger();
    EXPECT_EQ(session.selection.listKind, 5);
    EXPECT_EQ(dialog.windowTitle(), "Personen, waarbij  in een inforegel staat");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(zoekdlg.Edit1->text(), "bakker") << "the edit line keeps its text";
}

TEST_F(SelectionWindow, SearchWindowRefusesACharacterTheInformationLinesCannotHold) {
    session.selection.searchWord = "OUD";
    zoekdlg.show();
    zoekdlg.Edit1->setText(QString::fromUtf8("\u0141\u00f3d\u017a"));  // Łódź: Ł and ź have no byte
    zoekdlg.okbtnClick();
    EXPECT_TRUE(zoekdlg.isVisible());
    EXPECT_EQ(session.selection.searchWord, "OUD");
    EXPECT_EQ(prompt.shown,
              (testing::Texts{"Het zoekwoord bevat een teken dat in de inforegels\nniet kan voorkomen."}));
    zoekdlg.Edit1->setText(QString::fromUtf8("caf\u00e9"));
    zoekdlg.okbtnClick();
    EXPECT_FALSE(zoekdlg.isVisible());
    EXPECT_EQ(session.selection.searchWord, "caf\xE9");
}

TEST_F(SelectionWindow, TwentyClicksLeaveClicksThreeToTwentyInTheHistoryList) {
    open();
    action("Recordnummer1")->trigger();
    for (int click = 1; click <= 20; ++click) clickRow(click + 10);  // records 12..31
    action("Historie1")->trigger();
    EXPECT_EQ(dialog.windowTitle(), "Historie-lijst van Uw laatste 18 selecties");
    ASSERT_EQ(list()->count(), 18);
    for (int i = 0; i < 18; ++i) {
        EXPECT_TRUE(list()->item(i)->text().endsWith(QString("[%1]").arg(i + 14))) << i;
    }
}

TEST_F(SelectionWindow, EmptyHistoryLineHandsBackNothing) {
    open();
    action("Historie1")->trigger();
    clickRow(0);
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    clickRow(4);
    EXPECT_EQ(persoon(), "");
    EXPECT_EQ(partner(), "");
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(4)).center());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(session.selection.historyCount, 2);
}

TEST_F(SelectionWindow, DoubleClickActsAsThePersoonButton) {
    session.selection.result = "";
    open();
    const QRect rect = list()->visualItemRect(list()->item(rowOf(2)));
    // A double click arrives as a press and release, then the double-click press.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.selection.result, "2");
}

TEST_F(SelectionWindow, TheSavedTopLineIsRestoredAfterEveryBuild) {
    open();
    list()->verticalScrollBar()->setValue(15);
    ASSERT_EQ(list()->verticalScrollBar()->value(), 15);
    QTest::mouseClick(button("cancelbtn"), Qt::LeftButton);
    EXPECT_EQ(session.selection.savedTopLine, 15);

    open();
    EXPECT_EQ(list()->verticalScrollBar()->value(), 15);
    EXPECT_EQ(list()->indexAt(QPoint(5, 3)).row(), 15);
    list()->verticalScrollBar()->setValue(9);
    clickRow(12);
    QTest::mouseClick(button("keuzebtn"), Qt::LeftButton);
    EXPECT_EQ(session.selection.savedTopLine, 9);

    open();
    EXPECT_EQ(list()->verticalScrollBar()->value(), 9);
    action("Voornaam1")->trigger();
    EXPECT_EQ(session.selection.savedTopLine, 0);
    EXPECT_EQ(list()->verticalScrollBar()->value(), 0);
}

TEST_F(SelectionWindow, ListIsHiddenAndTheBusyCursorShownOnlyWhileFilling) {
    open();
    action("Geboortejaar1")->trigger();
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace brinox
