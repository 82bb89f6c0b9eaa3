#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "kinship/fam5u11.h"
#include "support/fake_picker.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"

namespace brinox {
namespace {

using testing::addPerson;

class RelationWindow : public ::testing::Test {
protected:
    RelationWindow() {
        auto& p = session.persons;
        addPerson(p, {'m', "Bos", "Jan"});                  // 1
        addPerson(p, {'v', "Kok", "Els"});                  // 2
        addPerson(p, {'m', "Bos", "Kees", 0, 0, 0, 1, 2});  // 3
        addPerson(p, {'v', "Bos", "Ans", 0, 0, 0, 1, 2});   // 4
        addPerson(p, {'v', "Zon", "Lia"});                  // 5
        testing::addUnion(session.unions, RecordNo(3), RecordNo(5));
        session.selectedPerson = RecordNo(3);
        window = std::make_unique<Trelatiedlg>(session, prompt, picker, help, identifier);
    }

    // Opens the window; it asks the picker for person B right after.
    void open() {
        window->show();
        QApplication::processEvents();
    }
    QString label(int n) { return window->findChild<QLabel*>(QString("Label%1").arg(n))->text(); }
    bool shown(const char* name) { return window->findChild<QWidget*>(name)->isVisible(); }
    AncestorDrawing* drawing(const char* name) { return window->findChild<AncestorDrawing*>(name); }

    struct Help : HelpViewer {
        void showHelp(HelpTopic topic) override { topics.push_back(topic); }
        std::vector<HelpTopic> topics;
    };
    // Makes the identified person the new person B, as its window can.
    struct MakesNewB : AncestorIdentifier {
        explicit MakesNewB(Session& s) : session(s) {}
        void identify(RecordNo person, DrawingSide) override { session.relationship.personB = person; }
        Session& session;
    };

    Session session;
    testing::ScriptedPrompt prompt;
    testing::FakePicker picker{session};
    Help help;
    MakesNewB identifier{session};
    std::unique_ptr<Trelatiedlg> window;
};

TEST_F(RelationWindow, ChoosingBShowsTheResultAndACancelledChoiceLeavesNothingOfIt) {
    picker.choices = {"4"};
    open();
    EXPECT_EQ(window->windowTitle(), "Verwantschap tussen A: Kees  Bos en B: Ans  Bos");
    EXPECT_EQ(label(6), "Ans  Bos is de zuster van ");
    EXPECT_TRUE(shown("PaintBox1") && shown("PaintBox2") && shown("Panel2"));
    EXPECT_FALSE(shown("Panel5"));

    window->hide();
    open();
    EXPECT_EQ(window->findChild<QLabel*>("Panel5")->text(), "Persoon A = Kees Bos.   U moet nu Persoon B kiezen");
    EXPECT_TRUE(shown("Panel5"));
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(label(n), "") << n;
    EXPECT_FALSE(shown("PaintBox1") || shown("PaintBox2") || shown("Panel2"));
    EXPECT_EQ(window->windowTitle(), "Verwantschap tussen de geselecteerde en een ander familielid");
    EXPECT_EQ(picker.calls(), 2);
}

TEST_F(RelationWindow, ThePartnerButtonMakesThePartnerPersonB) {
    session.selectedPerson = RecordNo(1);
    picker.choices = {"5"};
    open();
    auto* partner = window->findChild<QPushButton*>("rel2_btn");
    ASSERT_TRUE(partner->isVisible());
    EXPECT_EQ(partner->text(), "3 Kees  Bos");
    QTest::mouseClick(partner, Qt::LeftButton);
    EXPECT_EQ(label(2), "is de vader van ");
    EXPECT_FALSE(partner->isVisible());
    EXPECT_TRUE(shown("PaintBox2") && !shown("PaintBox1"));
}

TEST_F(RelationWindow, DrawingsFrameThePlaceAndPressesIdentifyIt) {
    picker.choices = {"4"};
    open();
    const QImage a = drawing("PaintBox1")->grab().toImage();
    EXPECT_EQ(a.pixelColor(77, 120), QColor(255, 0, 0)) << "the frame around the father";
    EXPECT_EQ(a.pixelColor(50, 160), QColor(255, 0, 0)) << "the box around the name";
    EXPECT_EQ(a.pixelColor(150, 3), QColor(255, 255, 224));

    // Ans's mother becomes person B: she is Kees's mother.
    QTest::mouseClick(drawing("PaintBox2"), Qt::LeftButton, {}, QPoint(210, 116));
    EXPECT_EQ(session.relationship.personB, RecordNo(2));
    EXPECT_EQ(session.relationship.pointedAt, RecordNo(2));
    EXPECT_EQ(label(2), "is de moeder van ");
    EXPECT_TRUE(session.photoRestart);

    QTest::mouseClick(drawing("PaintBox1"), Qt::LeftButton, {}, QPoint(50, 85));
    EXPECT_EQ(prompt.shown, testing::Texts{"Deze persoon staat niet in het familiebestand"});
    EXPECT_EQ(session.relationship.pointedAt, RecordNo());
    EXPECT_EQ(session.relationship.personB, RecordNo(2));

    window->findChild<QAction*>("Help1")->trigger();
    EXPECT_EQ(help.topics, std::vector<HelpTopic>{HelpTopic::Relationship});
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace brinox
