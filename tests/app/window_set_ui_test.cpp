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
#include <sys/stat.h>

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

    static QWidget* shownHelp() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "helpdlg" && top->isVisible()) return top;
        }
        return nullptr;
    }

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
    EXPECT_EQ(order, (QStringList{"wijzigdlg", "selectiedlg", "zoekdlg", "datadlg", "aantallendlg", "fotodlg",
                                  "tijdas1dlg", "histasdlg", "relatiedlg", "identdlg", "afstamdlg", "huwdlg",
                                  "fotoinvoerdlg", "foto2dlg", "aboutdlg", "cvinvoerdlg", "wavdlg", "auteurdlg", "album2dlg",
                                  "jpgfotodlg", "titeldlg", "familiedlg", "raamdlg", "richeditdlg"}));
}

TEST_F(WholeProgram, TheTitleComesOnceAndTheMenusOpenTheShellWindows) {
    QStringList opened;
    const auto escaping = [&opened](auto open) {
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened << modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        open();
        QCoreApplication::processEvents();
    };
    escaping([this] { windows->mainWindow().showTitle(); });
    escaping([this] { windows->mainWindow().showTitle(); });  // seen once: not again
    for (const char* entry :
         {"Aantallen1", "AboutQLM1", "Aboutauteur1", "FotosenBijschriften1", "Levensbeschrijving2"}) {
        escaping([&] { windows->mainWindow().findChild<QAction*>(entry)->trigger(); });
    }
    EXPECT_EQ(opened,
              (QStringList{"titeldlg", "aantallendlg", "aboutdlg", "auteurdlg", "fotoinvoerdlg", "cvinvoerdlg"}));
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

TEST_F(WholeProgram, APersonChosenInThePhotoAlbumIsShownInThePedigree) {
    testing::writeBytes(dir / "VDORKUM/fam002a.jpg", {});
    prompt.buttons = {Button::Yes};
    whenModal([](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), "album2dlg");
        QTest::mouseClick(dialog->findChild<QWidget*>("Im1"), Qt::LeftButton);
    });
    windows->mainWindow().findChild<QAction*>("Fotoalbum1")->trigger();
    EXPECT_EQ(self(), "Anna  Smit");
}

TEST_F(WholeProgram, NewPersonOpensTheEditWindowAtTheNextNumber) {
    whenModal([](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), "wijzigdlg");
        EXPECT_EQ(dialog->windowTitle(), "Invoeren van een nieuwe persoon met nummer 4");
        dialog->reject();
    });
    windows->mainWindow().findChild<QAction*>("Nieuwepersooninvoeren1")->trigger();
}

TEST_F(WholeProgram, HelpWindowIsMadeWhenFirstAskedForAndAPipeInPlaceOfTheHelpFileIsNotRead) {
    EXPECT_EQ(qApp->findChild<QTextBrowser*>(), nullptr);
    ASSERT_EQ(::mkfifo((dir / "famhelp.hlp").c_str(), 0600), 0);
    windows->showHelp(HelpTopic::Selection);
    ASSERT_NE(shownHelp(), nullptr);
    EXPECT_TRUE(shownHelp()->findChild<QTextBrowser*>("Browser")->toPlainText().contains("Een persoon selecteren"));
    EXPECT_EQ(shownHelp()->findChild<QLabel*>("Notice")->text(),
              "FAMHELP.HLP in de gegevensmap is geen gewoon bestand. Hieronder staat de help van het programma zelf.");
}

TEST_F(WholeProgram, HelpFromTheModalSelectionWindowCanBeClosedAndLeadsBackToIt) {
    whenModal([](QDialog* selection) {
        selection->findChild<QAction*>("Help1")->trigger();
        QWidget* help = shownHelp();
        EXPECT_NE(help, nullptr);
        if (help) {
            // Through the window system, which drops the click while the window is blocked.
            auto* close = help->findChild<QPushButton*>("Sluitenbtn");
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, close->mapTo(help, close->rect().center()));
        }
        EXPECT_EQ(shownHelp(), nullptr) << "the help window could not be closed";
        EXPECT_EQ(QApplication::activeModalWidget(), selection);
        selection->reject();
    });
    windows->mainWindow().findChild<QAction*>("Selectie1")->trigger();
}

TEST_F(WholeProgram, ClosingTheMainWindowEndsTheProgramWithHelpStillOpen) {
    windows->showHelp(HelpTopic::Contents);
    prompt.buttons = {Button::Ok};
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QApplication::exit(1); });
    stillRunning.start(5000);
    QTimer::singleShot(0, [this] { windows->mainWindow().close(); });
    EXPECT_EQ(QApplication::exec(), 0) << "the program went on running";
}

}  // namespace
}  // namespace brinox
