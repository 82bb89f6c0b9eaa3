#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "store/clock.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "timeline/histasdlg.h"
#include "timeline/tijdas1dlg.h"
#include "timeline/year_list.h"
#include "widgets/find_dialog.h"

namespace brinox::testing {
namespace {

const int kThisYear = currentMoment().year;

// Twenty persons, the first born 14 years ago and living, so that the list
// opens with this year's line in view; persons 2 and 3 born in 1990.
Session twentyPersons() {
    Session session;
    addPerson(session.persons, {'m', "Dorkum", "Jan", kThisYear - 14});
    for (int r = 2; r <= 20; ++r) {
        addPerson(session.persons, {'v', "Smit", "Kind" + std::to_string(r), r <= 3 ? 1990 : 1900 + r});
    }
    return session;
}

QPoint lineCentre(const YearList& list, int year) {
    return list.visualItemRect(list.item(year - 1300)).center();
}

TEST(ContemporariesWindow, ShadesTheLifeAndThisYearAndDrawsTheRuler) {
    Session session = twentyPersons();
    ScriptedPrompt prompt;
    Ttijdas1dlg window(session, prompt);
    window.show();
    EXPECT_EQ(window.windowTitle(), QString("Wie leefde in dezelfde periode als Jan Dorkum (%1) ?").arg(kThisYear - 14));
    EXPECT_TRUE(prompt.shown.empty());

    const YearList& list = *window.ListBox1;
    const QImage shot = list.viewport()->grab().toImage();
    const auto colourAt = [&](int year, int x, bool topEdge) {
        const QRect line = list.visualItemRect(list.item(year - 1300));
        return shot.pixelColor(x, topEdge ? line.top() : line.center().y());
    };
    EXPECT_EQ(colourAt(kThisYear - 5, 500, false), QColor(192, 192, 192));
    EXPECT_EQ(colourAt(kThisYear, 500, false), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(kThisYear - 20, 500, false), QColor(255, 255, 224));
    const int tenth = kThisYear / 10 * 10;
    EXPECT_EQ(colourAt(tenth, 500, true), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(tenth - 5, 10, true), QColor(255, 0, 0));
    EXPECT_NE(colourAt(tenth - 5, 500, true), QColor(255, 0, 0));
}

TEST(ContemporariesWindow, AClickFindsTheBornAndThePopUpOffersTheLastOfThem) {
    Session session = twentyPersons();
    ScriptedPrompt prompt;
    Ttijdas1dlg window(session, prompt);
    window.show();
    window.ListBox1->scrollToTop(1985 - 1300);
    QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {}, lineCentre(*window.ListBox1, 1990));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(window.lastFound(), RecordNo(3));
    prompt.buttons = {Button::Yes};
    window.Afsluiten2->trigger();
    EXPECT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(session.selectedPerson, RecordNo(3));
    EXPECT_FALSE(window.isVisible());
}

TEST(ContemporariesWindow, CtrlFFindsF3GoesOnAndEscapeClosesBoth) {
    Session session = twentyPersons();
    ScriptedPrompt prompt;
    Ttijdas1dlg window(session, prompt);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.ListBox1, Qt::Key_F, Qt::ControlModifier);
    FindDialog* find = window.FindDialog1;
    ASSERT_TRUE(find->isVisible());
    QTest::keyClicks(find->FindText, "kind");
    find->FindNext->click();
    EXPECT_EQ(window.ListBox1->currentRow(), 1904 - 1300);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.ListBox1, Qt::Key_F3);
    EXPECT_EQ(window.ListBox1->currentRow(), 1905 - 1300);
    EXPECT_TRUE(prompt.shown.empty());
    QTest::keyClick(window.ListBox1, Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(session.selectedPerson, RecordNo(1));
}

TEST(HistoryWindow, ShowsTheHistoryFileAndTellsTheEstimatedAgeOnAClick) {
    TempDir dir;
    std::ofstream(dir / "history.doc", std::ios::binary) << "1300  Begin\n\n1302  Brugse Metten\nCaf\xE9\n";
    Session session;
    session.dataDirectory = dir.path();
    addPerson(session.persons, {'m', "Dorkum", "Jan", 0, 0, 0, 0, 0, 1352});
    ScriptedPrompt prompt;
    Thistasdlg window(session, prompt);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Levensperiode van Jan Dorkum (0) geplaatst binnen de historie");
    ASSERT_EQ(window.ListBox1->count(), 4);
    EXPECT_EQ(window.ListBox1->item(3)->text(), "Caf\u00e9");
    QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {}, lineCentre(*window.ListBox1, 1303));
    EXPECT_EQ(prompt.shown, (Texts{"Geboortejaar onbekend\n\nAangenomen is 50 jaar\nvoor het overlijden",
                                   "Jaar 1303.\n\nJan Dorkum\nis naar schatting 1 jaar oud"}));
}

}  // namespace
}  // namespace brinox::testing
