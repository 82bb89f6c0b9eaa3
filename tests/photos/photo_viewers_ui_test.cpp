#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "photos/foto2dlg.h"
#include "photos/fotodlg.h"
#include "photos/jpgfotodlg.h"
#include "store/family_load.h"
#include "support/scripted_prompt.h"
#include "widgets/photo_frame.h"
#include "widgets/picture_view.h"

namespace brinox::testing {
namespace {

// Sets the widths the frame window would hand back.
class FakeFrameWindow : public FrameWidthsDialog {
public:
    explicit FakeFrameWindow(Session& session) : m_session(session) {}
    void editFrameWidths() override {
        m_session.frameBorderWidth = 0;
        m_session.frameBevelWidth = 30;
    }

private:
    Session& m_session;
};

// The demo family, read in place: its photos of Gerrit (12) are a 1600 × 1200
// farm, a 480 × 640 portrait with an empty caption and a 640 × 480 scene.
class DemoPhotos : public ::testing::Test {
protected:
    DemoPhotos() {
        session.dataDirectory = BRINOX_DEMO_DIR;
        session.familyCode = "VDORKUM";
        EXPECT_TRUE(LoadFamily(session, prompt));
        session.photoPerson = RecordNo(12);
        session.photoRestart = true;
    }
    // Runs `check` once the modal window is open, then closes it.
    void whileOpen(QDialog& window, std::function<void()> check) {
        QTimer::singleShot(0, [&window, check] {
            check();
            window.reject();
        });
    }

    Session session;
    ScriptedPrompt prompt;
};

TEST_F(DemoPhotos, TheSlideViewerBrowsesZoomsAndFramesWithKeysAndMenus) {
    FakeFrameWindow frameWindow(session);
    Tfotodlg window(session, prompt, frameWindow);
    window.show();
    EXPECT_EQ(window.windowTitle(), "12A Gerrit Hendrik  van Dorkum");
    EXPECT_EQ(window.Panel2->text(), "Gerrit Hendrik bij de boerderij in Drie\u00ebn");
    EXPECT_EQ(window.Panel2->toolTip().count('\n'), 3);
    EXPECT_TRUE(window.Volgende1->isEnabled());
    EXPECT_EQ(window.Image1->size(), QSize(1600, 1200));

    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(window.windowTitle(), "12B Gerrit Hendrik  van Dorkum");
    EXPECT_EQ(window.Panel2->text(), QString(BRINOX_DEMO_DIR) + "/VDORKUM/fam012B.jpg");
    EXPECT_EQ(window.Panel1->size(), QSize(480 + 40, 640 + 40));
    QTest::keyClick(&window, Qt::Key_Z);
    EXPECT_EQ(window.Groter1->text(), "Kleiner");
    EXPECT_EQ(window.Image1->size(), QSize(960, 1280));
    EXPECT_EQ(window.scrollRanges(), (ScrollRanges{960 + 144, 1280 + 144}));
    QTest::keyClick(&window, Qt::Key_Plus, Qt::KeypadModifier);  // already zoomed: nothing
    EXPECT_EQ(window.Groter1->text(), "Kleiner");
    QTest::keyClick(&window, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(window.Image1->size(), QSize(480, 640));
    QTest::mouseClick(window.Panel2, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(window.windowTitle(), "12A Gerrit Hendrik  van Dorkum");

    window.Achtergrondkleur1->trigger();  // cancelled: teal
    EXPECT_EQ(window.Background->palette().color(QPalette::Window), QColor(0, 128, 128));
    window.Lijst1->trigger();
    EXPECT_EQ(window.Panel1->size(), QSize(1600 + 120, 1200 + 120));
    QTest::mouseClick(window.Panel2, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DemoPhotos, TheLargeViewAndTheSinglePhotoViewerShowOnePhoto) {
    session.selectedPerson = RecordNo(12);
    Tfoto2dlg large(session);
    whileOpen(large, [&] {
        EXPECT_EQ(large.windowTitle(), "Fotonummer  fam012C.jpg   ( 480x640 )");
        EXPECT_EQ(large.Image1->picture().width, 640);
    });
    large.showPhoto('C');
    EXPECT_EQ(session.currentPhotoFile.filename(), "fam012C.jpg");

    Tjpgfotodlg single(session, prompt);
    whileOpen(single, [&] {
        EXPECT_EQ(single.windowTitle(), "012B Gerrit Hendrik  van Dorkum        ( 640 x 480 )");
        EXPECT_EQ(single.Panel2->text(), "");
        EXPECT_EQ(single.Panel1->size(), QSize(480 + 36, 640 + 36));
    });
    session.photoPerson = RecordNo(1);
    single.showFile(std::filesystem::path(BRINOX_DEMO_DIR) / "VDORKUM" / "fam012B.jpg");
    EXPECT_EQ(session.photoPerson, RecordNo(12));
}

}  // namespace
}  // namespace brinox::testing
