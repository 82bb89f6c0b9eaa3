#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "persons/datadlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;

TEST(DetailsWindow, ShowsTheReportOfTheSelectedPersonAndClosesOnEscape) {
    Session session;
    testing::ScriptedPrompt prompt;
    addPerson(session.persons, {'m', "Dorkum", "Jan", 1920, 5, 12, 0, 0, 1995, 3, 1, "Smid", ""});
    addPerson(session.persons, {'v', "Vries", "Ren\xE9" "e", 1922});
    testing::addUnion(session.unions, RecordNo(1), RecordNo(2));
    session.selectedPerson = RecordNo(1);
    Tdatadlg window(session, prompt);
    window.show();
    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
    const QString dashes = QString(136, '-') + "\n";
    EXPECT_EQ(memo->toPlainText(), "  Recordnummer : 1\n  Naam         : Dorkum\n  Voornamen    : Jan\n"
                                   "  Geslacht     : man\n" + dashes + "  Vader        : niet in het bestand\n"
                                   "  Moeder       : niet in het bestand\n" + dashes + "  Geboortedatum:  12-5-1920\n"
                                   "  Overleden op :  1-3-1995\n  Hij bereikte de leeftijd van 74 jaar en 9 maanden\n"
                                   "  Gehuwd met 2 Ren\u00e9e  Vries    (1922)\n" + dashes +
                                   "  Aanvullende informatie:\n  Smid\n  ");
    EXPECT_TRUE(memo->isReadOnly());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    session.selectedPerson = RecordNo(2);
    window.show();
    EXPECT_TRUE(memo->toPlainText().startsWith("  Recordnummer : 2\n")) << "each opening reports anew";
}

}  // namespace
}  // namespace brinox
