#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "kinship/afstamdlg.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "widgets/find_dialog.h"
#include "widgets/pressable.h"

namespace brinox::testing {
namespace {

class FakeOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override {
        opened.push_back(file);
        return works;
    }
    bool works = true;
    std::vector<std::filesystem::path> opened;
};

class DescendantsWindow : public ::testing::Test {
protected:
    DescendantsWindow() {
        addPerson(session.persons, {'m', "Dorkum", "Jan", 1920});
        addPerson(session.persons, {'v', "Smit", "Anna", 1922});
        addPerson(session.persons, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});
        addPerson(session.persons, {'v', "Dorkum", "Els", 1952, 0, 0, 1, 2});
        addUnion(session.unions, RecordNo(1), RecordNo(2));
        session.dataDirectory = dir.path();
        session.familyCode = "SMIT";
        std::filesystem::create_directories(dir / "SMIT");
        window.show();
    }

    int selectedRow() const {
        const auto rows = window.ListBox1->selectedItems();
        return rows.size() == 1 ? window.ListBox1->row(rows.front()) : -1;
    }

    TempDir dir;
    Session session;
    ScriptedPrompt prompt;
    FakeOpener opener;
    Tafstamdlg window{session, prompt, opener};
};

TEST_F(DescendantsWindow, AConfirmedClickOnALineSelectsItsPerson) {
    EXPECT_EQ(window.windowTitle(), "Afstammelingen (2 directe ) van Jan  Dorkum");
    ASSERT_EQ(window.ListBox1->count(), 4);
    EXPECT_EQ(window.ListBox1->item(3)->text(), "        -- Els  Dorkum, (1952)");
    prompt.buttons = {Button::Cancel, Button::Ok};
    for (int press = 0; press < 2; ++press) {
        const QPoint line = window.ListBox1->visualItemRect(window.ListBox1->item(3)).center();
        QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {}, line);
        EXPECT_EQ(session.selectedPerson, RecordNo(press == 0 ? 1 : 4));
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(DescendantsWindow, CtrlFOpensTheFindWindowAndEachF3SearchesOnce) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ListBox1->setFocus();
    QTest::keyClick(window.ListBox1, Qt::Key_F, Qt::ControlModifier);
    FindDialog* find = window.FindDialog1;
    ASSERT_TRUE(find->isVisible());
    EXPECT_FALSE(find->WholeWord->isVisible());
    QTest::keyClicks(find->FindText, "dorkum");
    find->FindNext->click();
    EXPECT_EQ(selectedRow(), 0);
    QTest::keyClick(window.ListBox1, Qt::Key_F3);
    EXPECT_EQ(selectedRow(), 2);
    find->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    QTest::keyClick(find->FindText, Qt::Key_F3);
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_TRUE(prompt.shown.empty());
    QTest::keyClick(find->FindText, Qt::Key_F3);
    EXPECT_EQ(prompt.shown, Texts{"Zoekwoord dorkum niet gevonden"});
    EXPECT_FALSE(find->isVisible());

    prompt.fonts = {FontChoice{"Courier New", 12, true}};
    window.Font1->trigger();
    EXPECT_EQ(window.ListBox1->font().family(), "Courier New");
    EXPECT_TRUE(window.ListBox1->font().bold());
    window.Font1->trigger();  // cancelled
    EXPECT_EQ(window.ListBox1->font().pointSize(), 8);
    EXPECT_EQ(prompt.fontPresets, (std::vector<FontChoice>{{"arial", 8}, {"arial", 8}}));
}

TEST_F(DescendantsWindow, ASavedReportCanBeOpenedAndAFailureToOpenIsSaid) {
    const auto file = dir / "SMIT" / "fam001.AFS";
    EXPECT_FALSE(window.Bekijken1->isEnabled());
    window.Opslaan1->trigger();
    ASSERT_TRUE(window.Bekijken1->isEnabled());
    window.Bekijken1->trigger();
    EXPECT_EQ(opener.opened, std::vector<std::filesystem::path>{file});
    opener.works = false;
    window.Bekijken1->trigger();
    EXPECT_EQ(prompt.shown.back(), "De file " + file.string() + "\nkan niet worden geopend.");
}

}  // namespace
}  // namespace brinox::testing
