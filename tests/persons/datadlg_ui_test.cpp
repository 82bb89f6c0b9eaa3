#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "persons/datadlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;

class DetailsWindow : public ::testing::Test {
protected:
    DetailsWindow() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 5, 12, 0, 0, 1995, 3, 1, "Smid", ""});  // 1
        addPerson(p, {'v', "Vries", "Ren\xE9" "e", 1922, 0, 0, 0, 0, 2001});                // 2
        addUnion(session.unions, RecordNo(1), RecordNo(2));
        session.selectedPerson = RecordNo(1);
        window = std::make_unique<Tdatadlg>(session, prompt);
    }

    QPlainTextEdit* memo() { return window->findChild<QPlainTextEdit*>("Memo1"); }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Session session;
    testing::ScriptedPrompt prompt;
    std::unique_ptr<Tdatadlg> window;
};

TEST_F(DetailsWindow, ShowsTheReportOfTheSelectedPersonInEvenColumns) {
    window->show();
    const QString dashes(136, '-');
    EXPECT_EQ(memo()->toPlainText(), "  Recordnummer : 1\n"
                                     "  Naam         : Dorkum\n"
                                     "  Voornamen    : Jan\n"
                                     "  Geslacht     : man\n" +
                                         dashes +
                                         "\n"
                                         "  Vader        : niet in het bestand\n"
                                         "  Moeder       : niet in het bestand\n" +
                                         dashes +
                                         "\n"
                                         "  Geboortedatum:  12-5-1920\n"
                                         "  Overleden op :  1-3-1995\n"
                                         "  Hij bereikte de leeftijd van 74 jaar en 9 maanden\n"
                                         "  Gehuwd met 2 Ren\u00e9e  Vries    (1922)\n" +
                                         dashes + "\n  Aanvullende informatie:\n  Smid\n  ");
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_TRUE(memo()->isReadOnly());
    EXPECT_EQ(memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(memo()->font()).fixedPitch());
    EXPECT_EQ(window->windowTitle(), "Meer over de geselecteerde persoon");
    EXPECT_EQ(window->size(), QSize(550, 350));
    EXPECT_EQ(window->toolTip(), "Klik=sluiten");
    window->close();

    session.selectedPerson = RecordNo(2);
    window->show();
    EXPECT_TRUE(memo()->toPlainText().startsWith("  Recordnummer : 2\n")) << "each opening reports anew";
}

TEST_F(DetailsWindow, HelpExplainsTheNumbersEscapeAClickAndAfsluitenClose) {
    showActive();
    window->findChild<QAction*>("Help1")->trigger();
    EXPECT_EQ(prompt.shown, (Texts{"Een getal voor een persoonsnaam is het recordnummer.\n\n"
                                   "Een getal achter de naam is het geboortejaar"}));
    EXPECT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Information});
    EXPECT_TRUE(window->isVisible());

    memo()->setFocus();
    QTest::keyClick(memo(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    showActive();
    QTest::mouseClick(memo()->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(window->isVisible());

    showActive();
    window->findChild<QAction*>("Afsluiten1")->trigger();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace brinox
