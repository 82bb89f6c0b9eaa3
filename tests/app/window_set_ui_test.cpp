#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/window_set.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;

class WholeProgram : public ::testing::Test {
protected:
    WholeProgram() {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Jan", 1920});              // 1
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});               // 2
        addPerson(family.persons, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});  // 3
        testing::writeFamily(family, dir.path(), "VDORKUM", 3);
        windows = std::make_unique<WindowSet>(session, prompt, dir.path());
        windows->mainWindow().show();
        windows->createOtherWindows();
    }

    ~WholeProgram() override {
        prompt.buttons = {Button::Ok};
        session.changed = false;
        windows->mainWindow().close();
    }

    // Answers the next modal window from inside its event loop.
    template <typename Answer>
    void whenModal(Answer answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
    }

    QString self() { return windows->mainWindow().findChild<QLabel*>("zelf1")->text(); }

    testing::TempDir dir;
    Session session;
    testing::ScriptedPrompt prompt;
    std::unique_ptr<WindowSet> windows;
};

TEST_F(WholeProgram, WindowsAreCreatedInTheProgramsOrder) {
    QStringList order;
    for (QObject* child : windows->mainWindow().children()) {
        if (qobject_cast<QDialog*>(child)) order << child->objectName();
    }
    EXPECT_EQ(order, (QStringList{"wijzigdlg", "selectiedlg", "zoekdlg", "datadlg", "huwdlg", "familiedlg"}));
}

TEST_F(WholeProgram, TheMenuReachesTheSelectionWindowAndBack) {
    whenModal([](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), "selectiedlg");
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        const QRect line = list->visualItemRect(list->item(0));  // Dorkum Jan, Dorkum Piet, Smit Anna
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseClick(dialog->findChild<QPushButton*>("keuzebtn"), Qt::LeftButton);
    });
    windows->mainWindow().findChild<QAction*>("Selectie1")->trigger();
    EXPECT_EQ(self(), "Jan  Dorkum");

    whenModal([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    windows->mainWindow().findChild<QAction*>("Selectie1")->trigger();
    EXPECT_EQ(self(), "Jan  Dorkum");
}

TEST_F(WholeProgram, NewPersonOpensTheEditWindowAtTheNextNumber) {
    whenModal([](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), "wijzigdlg");
        EXPECT_EQ(dialog->windowTitle(), "Invoeren van een nieuwe persoon met nummer 4");
        dialog->reject();
    });
    windows->mainWindow().findChild<QAction*>("Nieuwepersooninvoeren1")->trigger();
}

TEST_F(WholeProgram, HelpWindowIsMadeWhenFirstAskedFor) {
    EXPECT_EQ(qApp->findChild<QTextBrowser*>(), nullptr);
    windows->showHelp(HelpTopic::Selection);
    QTextBrowser* browser = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "helpdlg" && top->isVisible()) browser = top->findChild<QTextBrowser*>("Browser");
    }
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Een persoon selecteren"));
}

}  // namespace
}  // namespace brinox
