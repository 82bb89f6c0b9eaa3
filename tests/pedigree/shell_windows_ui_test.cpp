#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "pedigree/aantallendlg.h"
#include "pedigree/aboutdlg.h"
#include "pedigree/auteurdlg.h"
#include "pedigree/raamdlg.h"
#include "pedigree/titeldlg.h"
#include "support/fake_sound_player.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"
#include "widgets/photo_frame.h"
#include "widgets/pressable.h"

namespace brinox::testing {
namespace {

// Runs `act` on the window from inside its modal loop.
template <typename Act>
int execWith(QDialog& window, Act act) {
    QTimer::singleShot(0, &window, act);
    return window.exec();
}

TEST(ShellWindows, CountsWindowShowsEachRowWithItsValue) {
    TempDir dir;
    Session session;
    session.dataDirectory = dir.path();
    session.familyCode = "SMIT";
    addPerson(session.persons, {'v', "Smit", "Anna"});
    Taantallendlg counts(session);
    counts.show();
    QStringList shown;
    for (int row = 1; row <= Taantallendlg::kRows; ++row) {
        shown << counts.findChild<QLabel*>(QString("Label%1").arg(row))->text() + " " +
                     counts.findChild<QLabel*>(QString("Waarde%1").arg(row))->text();
    }
    EXPECT_EQ(shown, (QStringList{"Familie : SMIT", "Het aantal personen in dit bestand is : 1", "Aantal mannen : 0",
                                  "Aantal vrouwen : 1", "Aantal geregistreerde huwelijken : 0",
                                  "Aantal aanwezige foto's  : 0", "Aantal onderschriften 0",
                                  "Aantal stemfragmenten : 0", "Aantal levensbeschrijvingen : 0",
                                  "Aantal nageslacht-files : 0"}));
}

TEST(ShellWindows, TitleIsCentredAndEveryWayOfClosingItMarksItSeen) {
    Session session;
    session.familyCode = "SMIT";
    Ttiteldlg title(session);
    EXPECT_EQ(title.Label4->text(), "Familiebestand: SMIT");
    EXPECT_EQ(title.Panel1->pos(), QPoint((640 - title.Panel1->width()) / 2, (480 - title.Panel1->height()) / 2));
    const std::vector<std::function<void()>> ways = {
        [&] { QTest::mouseClick(title.Image2, Qt::LeftButton); },
        [&] { QTest::mouseClick(&title, Qt::RightButton, {}, QPoint(3, 3)); },
        [&] { QTest::keyClick(&title, Qt::Key_A); },
        [&] {
            EXPECT_EQ(title.Panel1->geometry().center(), title.rect().center());
            title.close();
        },
    };
    for (const auto& way : ways) {
        session.titleShown = false;
        execWith(title, way);
        EXPECT_TRUE(session.titleShown);
    }
}

TEST(ShellWindows, AboutGreetsOnOpeningAndOnThePictureAndThePanelClosesIt) {
    TempDir dir;
    writeBytes(dir / "QLM.WAV", {0});
    Session session;
    session.dataDirectory = dir.path();
    FakeSoundPlayer sound;
    TAboutdlg about(session, sound);
    const int result = execWith(about, [&] {
        QTest::mouseClick(about.Image1, Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        QTest::mouseClick(about.Panel1, Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(sound.played, (std::vector<std::filesystem::path>{dir / "QLM.WAV", dir / "QLM.WAV"}));
}

TEST(ShellWindows, AuthorKeepsHintsUpWhileOpenAndThreeSecondsAfter) {
    Session session;
    Tauteurdlg author(session);
    execWith(author, [&] {
        EXPECT_EQ(session.hintShowMillis, 20000);
        QTest::mouseClick(author.findChild<QLabel*>("Image1"), Qt::LeftButton);
    });
    EXPECT_EQ(session.hintShowMillis, 3000);
}

TEST(ShellWindows, FrameSpinnersSetThePreviewsWidths) {
    TRaamdlg frame;
    frame.SpinEdit1->setValue(12);
    frame.SpinEdit2->setValue(40);
    EXPECT_EQ(frame.Panel2->borderWidth(), 12);
    EXPECT_EQ(frame.Panel2->bevelWidth(), 30);
    EXPECT_EQ(frame.Panel2->inset(), 72);
    EXPECT_EQ(execWith(frame, [&] { QTest::keyClick(&frame, Qt::Key_Escape); }), QDialog::Rejected);
}

}  // namespace
}  // namespace brinox::testing
