#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "kinship/identdlg.h"
#include "support/family_builder.h"
#include "support/jpeg_maker.h"
#include "support/temp_dir.h"
#include "widgets/picture_view.h"

namespace brinox::testing {
namespace {

TEST(IdentWindow, RightClicksStepThroughThePhotosAndTheButtonsAndLeftClickClose) {
    TempDir dir;
    Session session;
    session.dataDirectory = dir.path();
    session.familyCode = "BOS";
    addPerson(session.persons, {'m', "Bos", "Jan", 1880});  // a wide photo A and a tall photo B
    addPerson(session.persons, {'v', "Kok", "Els"});        // no photos
    std::filesystem::create_directories(dir / "BOS");
    writeBytes(dir / "BOS/fam001A.jpg", makeJpeg(400, 300, solid({200, 0, 0})));
    writeBytes(dir / "BOS/fam001B.jpg", makeJpeg(300, 400, solid({0, 0, 200})));
    Tidentdlg window(session);
    const QRect screen = window.screen()->availableGeometry();
    const auto whileOpen = [&](int r, DrawingSide side, const std::function<void()>& check) {
        session.relationship.pointedAt = RecordNo(r);
        session.photoRestart = true;
        bool closed = false;
        QTimer::singleShot(0, [&] {
            check();
            closed = !window.isVisible();
            window.reject();
        });
        window.identify(side);
        EXPECT_TRUE(closed) << "the window stayed open";
    };

    whileOpen(1, DrawingSide::A, [&] {
        EXPECT_EQ(window.Label1->text(), "1  Jan Bos (1880)");
        EXPECT_EQ(window.toolTip(), "klik rechts=volgende foto");
        EXPECT_EQ(window.frameGeometry().size(), QSize(382, 298));
        EXPECT_EQ(window.frameGeometry().topRight(), screen.topRight()) << "right edge, top";
        EXPECT_EQ(window.Image1->geometry(), QRect(4, 4, 193, 145));
        EXPECT_EQ(window.Image1->grab().toImage().pixelColor(96, 72).red(), 200);
        QTest::mouseClick(window.Image1, Qt::RightButton);
        EXPECT_EQ(window.Image1->geometry(), QRect(4, 4, 164, 219));
        QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(300, 150));
        EXPECT_EQ(window.Image1->geometry(), QRect(4, 4, 193, 145));
        QTest::mouseClick(window.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(session.relationship.personB, RecordNo(1));

    whileOpen(2, DrawingSide::B, [&] {
        EXPECT_EQ(window.Label1->text(), "2  Els Kok (0)");
        EXPECT_TRUE(window.geenfoto->isVisible());
        EXPECT_FALSE(window.Image1->isVisible());
        EXPECT_EQ(window.x(), screen.left());
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 150));
    });
    EXPECT_EQ(session.relationship.pointedAt, RecordNo());
    EXPECT_EQ(session.relationship.personB, RecordNo(1));
}

}  // namespace
}  // namespace brinox::testing
