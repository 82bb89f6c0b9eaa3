#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "selection/fam51u4.h"
#include "selection/zoekdlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

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
        addPerson(p, {.sex = 'm', .familyName = "Dorkum", .firstNames = "Piet", .birthYear = 1950, .info1 = "Bakker"});
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1952});
        addPerson(p, {.sex = 'v', .familyName = "Kok", .firstNames = "Els", .birthYear = 1960, .info2 = "bakkerij"});
        addPerson(p, {'m', "Bos", "Kees"});
        for (int i = 5; i <= 40; ++i) addPerson(p, {'m', "Zz" + std::to_string(100 + i), "Nr"});
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
        return list()->row(list()->findItems(QString("[%1]").arg(record), Qt::MatchEndsWith).value(0));
    }

    // The middle of a line, scrolled into view.
    QPoint centreOf(int row) {
        list()->scrollToItem(list()->item(row));
        return list()->visualItemRect(list()->item(row)).center();
    }
    void clickRow(int row) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centreOf(row)); }

    Session session;
    testing::ScriptedPrompt prompt;
    RecordingHelp help;
    Tzoekdlg zoekdlg{session, prompt};
    Tselectiedlg dialog{session, help, [this] { zoekdlg.exec(); }};
};

TEST_F(SelectionWindow, HasItsLayoutAndMenu) {
    open();
    EXPECT_EQ(dialog.windowTitle(), "Alfabetische personenlijst gerangschikt naar Familienaam");
    EXPECT_EQ(dialog.findChild<QWidget*>("ClientArea")->size(), QSize(483, 414));
    EXPECT_EQ(list()->geometry(), QRect(0, 0, 483, 256));
    EXPECT_EQ(list()->visualItemRect(list()->item(0)).height(), 14);
    QStringList menu;
    for (QAction* entry : dialog.findChild<QMenuBar*>()->actions()) menu << entry->text();
    EXPECT_EQ(menu, (QStringList{"&Familienaam", "&Voornaam", "&Geboortejaar", "&Recordnummer", "&Zoekwoord",
                                 "&Historie", "Help"}));
    EXPECT_EQ(list()->count(), 40);
    action("Help1")->trigger();
    EXPECT_EQ(help.topics, std::vector<HelpTopic>{HelpTopic::Selection});
}

TEST_F(SelectionWindow, ClickingALineOffersThatPersonAndTheFirstPartner) {
    open();
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    EXPECT_EQ(partner(), QString::fromUtf8("2  Ren\u00e9e Vries"));
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, centreOf(rowOf(3)));
    EXPECT_EQ(persoon(), "1  Piet Dorkum") << "the right button does nothing";
    clickRow(rowOf(3));
    EXPECT_EQ(persoon(), "3  Els Kok");
    EXPECT_EQ(partner(), "1  Piet Dorkum");
    clickRow(rowOf(4));
    EXPECT_EQ(persoon(), "4  Kees Bos");
    EXPECT_EQ(partner(), "") << "no partner: the button is hidden";
    clickRow(rowOf(2));
    QTest::mouseClick(button("relatbtn"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.selection.result, "1") << "the partner of Renée";
    EXPECT_EQ(session.selection.historyCount, 4);
    EXPECT_EQ(session.selection.history[2], RecordNo(4));
}

TEST_F(SelectionWindow, ALongNameKeepsItsRecordNumberOnThePersoonButton) {
    addPerson(session.persons, {'m', std::string(50, 'D'), std::string(50, 'W')});  // 41
    open();
    clickRow(rowOf(41));
    const QPushButton* keuzebtn = button("keuzebtn");
    EXPECT_TRUE(persoon().startsWith("41  WWWWW") && persoon().endsWith(QChar(0x2026))) << persoon().toStdString();
    EXPECT_LE(keuzebtn->fontMetrics().horizontalAdvance(persoon()), keuzebtn->contentsRect().width());
    EXPECT_EQ(keuzebtn->toolTip(), "41  " + QString(50, 'W') + " " + QString(50, 'D'));
}

TEST_F(SelectionWindow, CancelEscapeAndTheCloseBoxHandBackNothing) {
    for (const std::function<void()>& leave : std::vector<std::function<void()>>{
             [this] { QTest::mouseClick(button("cancelbtn"), Qt::LeftButton); },
             [this] { clickRow(rowOf(2)); QTest::keyClick(list(), Qt::Key_Escape); },
             [this] { dialog.close(); }}) {
        session.selection.result = "3";
        QTimer::singleShot(0, &dialog, leave);  // answers the window the program opens
        dialog.pickPerson();
        EXPECT_EQ(session.selection.result, "");
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(SelectionWindow, LetterKeysMoveTheCurrentLineButNotTheButtons) {
    open();
    QTest::keyClick(list(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(list()->currentRow(), rowOf(2)) << "Vries";
    QTest::keyClick(list(), Qt::Key_Q);
    EXPECT_EQ(list()->currentRow(), rowOf(2)) << "no line starts with Q";
    QTest::keyClick(button("cancelbtn"), Qt::Key_B);
    EXPECT_EQ(list()->currentRow(), 0) << "the window sees keys before its controls";
    EXPECT_EQ(persoon(), "1  Piet Dorkum");
    EXPECT_EQ(session.selection.historyCount, 1);
}

TEST_F(SelectionWindow, KeywordListAfterTheSearchWindowIsCancelledAndAfterOk) {
    open();
    const auto answer = [this](const char* pressed) {
        QTimer::singleShot(0, &zoekdlg, [this, pressed] {
            zoekdlg.Edit1->setText("bakker");
            QTest::mouseClick(zoekdlg.findChild<QPushButton*>(pressed), Qt::LeftButton);
        });
        action("Zoekwoord1")->trigger();
    };
    answer("cancelbtn");  // still switches to the keyword list, with no word
    EXPECT_EQ(dialog.windowTitle(), "Personen, waarbij  in een inforegel staat");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(zoekdlg.Edit1->text(), "bakker") << "the edit line keeps its text";

    answer("okbtn");
    EXPECT_EQ(dialog.windowTitle(), "Personen, waarbij BAKKER in een inforegel staat");
    EXPECT_EQ(list()->count(), 2) << "Piet and, by info2, Els";
    EXPECT_FALSE(action("Zoekwoord1")->isChecked());
    EXPECT_TRUE(action("Familienaam1")->isChecked());
}

TEST_F(SelectionWindow, SearchWindowRefusesACharacterTheInformationLinesCannotHold) {
    session.selection.searchWord = "OUD";
    zoekdlg.show();
    zoekdlg.Edit1->setText(QString::fromUtf8("\u0141\u00f3d\u017a"));  // Łódź: Ł and ź have no byte
    zoekdlg.okbtnClick();
    EXPECT_TRUE(zoekdlg.isVisible());
    EXPECT_EQ(session.selection.searchWord, "OUD");
    EXPECT_EQ(prompt.shown, testing::Texts{"Het zoekwoord bevat een teken dat in de inforegels\nniet kan voorkomen."});
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
    for (int i = 0; i < 18; ++i) EXPECT_EQ(rowOf(i + 14), i);
}

TEST_F(SelectionWindow, DoubleClickActsAsThePersoonButton) {
    session.selection.result = "";
    open();
    // A double click arrives as a press and release, then the double-click press.
    clickRow(rowOf(2));
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centreOf(rowOf(2)));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(session.selection.result, "2");
}

TEST_F(SelectionWindow, TheSavedTopLineIsRestoredAfterEveryBuild) {
    open();
    list()->verticalScrollBar()->setValue(15);
    QTest::mouseClick(button("cancelbtn"), Qt::LeftButton);
    EXPECT_EQ(session.selection.savedTopLine, 15);

    open();
    EXPECT_EQ(list()->indexAt(QPoint(5, 3)).row(), 15);
    list()->verticalScrollBar()->setValue(9);
    clickRow(12);
    QTest::mouseClick(button("keuzebtn"), Qt::LeftButton);
    EXPECT_EQ(session.selection.result, "13") << "Zz113, the 13th line";
    EXPECT_EQ(session.selection.savedTopLine, 9);

    open();
    EXPECT_EQ(list()->verticalScrollBar()->value(), 9);
    action("Voornaam1")->trigger();
    EXPECT_EQ(list()->verticalScrollBar()->value(), 0) << "a menu choice starts at the top";
    // The check mark follows the first-name list, but not the birth-year list.
    action("Geboortejaar1")->trigger();
    EXPECT_FALSE(action("Familienaam1")->isChecked());
    EXPECT_TRUE(action("Voornaam1")->isChecked());
    EXPECT_FALSE(action("Geboortejaar1")->isChecked());
}

}  // namespace
}  // namespace brinox
