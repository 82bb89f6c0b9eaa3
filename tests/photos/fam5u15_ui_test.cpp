#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "photos/fam5u15.h"
#include "photos/photo_family.h"
#include "support/fake_picker.h"
#include "widgets/colours.h"
#include "widgets/picture_view.h"
#include "widgets/pressable.h"

namespace brinox::testing {
namespace {

class RecordingViews : public HelpViewer, public LargeViewer {
public:
    void showHelp(HelpTopic topic) override { topics.push_back(topic); }
    void showLargePhoto(char letter) override { letters += letter; }
    std::vector<HelpTopic> topics;
    std::string letters;
};

TEST(PhotoManagementWindow, ThumbnailsLettersAddingAndCaptionsOnGeneratedPhotos) {
    PhotoFamily family;
    ScriptedPrompt prompt;
    FakePicker picker(family.session);
    RecordingViews views;
    std::string mainCaption;
    Tfotoinvoerdlg window(family.session, prompt, picker, views, views,
                          [&](const std::string& caption) { mainCaption = caption; });
    window.show();
    EXPECT_EQ(window.windowTitle(), "Foto's en Onderschriften.  Bij 1 Gerrit Dorkum");
    const QSize thumbnails[] = {{65, 49}, {55, 73}, {73, 73}};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(window.Images[i]->size(), thumbnails[i]);
    EXPECT_FALSE(window.Images[3]->isVisible() || window.Panels[3]->isVisible());
    EXPECT_EQ(window.Verwijder1->text(), "Ver&wijder foto C");
    EXPECT_TRUE(window.Label2->isVisible());
    EXPECT_EQ(window.Panels[0]->toolTip(), "Volgorde-letter wijzigen.\nKlik links=verder, rechts=terug");

    QTest::mouseClick(window.Panels[0], Qt::LeftButton);
    EXPECT_EQ(window.Panels[0]->text(), "B");
    QTest::mouseClick(window.Panels[0], Qt::RightButton);
    EXPECT_EQ(window.Panels[0]->text(), "A");
    QTest::mouseClick(window.Images[1], Qt::LeftButton);
    QTest::mouseClick(window.Images[1], Qt::RightButton);
    EXPECT_EQ(views.letters, "B");
    window.Help1->trigger();
    EXPECT_EQ(views.topics, std::vector<HelpTopic>{HelpTopic::PhotoManagement});

    writeBytes(family.dir / "nieuw.jpg", makeJpeg(640, 480, solid({200, 10, 10})));
    prompt.files = {family.dir / "nieuw.jpg"};
    QTest::mouseClick(window.jpgbtn, Qt::LeftButton);
    EXPECT_EQ(window.Image16->geometry(), QRect(0, 0, 193, 145));
    EXPECT_EQ(window.Label3->text() + " " + window.Label4->text(), "passend in venster breedte= 640 pixels");
    QTest::mouseClick(window.schaalbtn, Qt::LeftButton);
    EXPECT_EQ(window.Image16->size(), QSize(640, 480));
    EXPECT_EQ(window.Label3->text(), "1:1 afbeelding");
    QTest::mouseClick(window.addbtn, Qt::LeftButton);
    EXPECT_TRUE(window.Images[3]->isVisible());
    EXPECT_EQ(window.Verwijder1->text(), "Ver&wijder foto D");
    EXPECT_FALSE(window.addbtn->isEnabled());

    window.mode1->trigger();
    EXPECT_EQ(window.StatusLine->text(), "Tekst-mode.     Klik op een foto om de tekst eronder te bewerken");
    EXPECT_FALSE(window.Volgorde1->isEnabled() || window.KiesanderePersoon1->isEnabled() ||
                 window.Verwijder1->isEnabled() || window.AddArea->isVisible());
    QTest::mouseClick(window.Edit1, Qt::LeftButton);
    EXPECT_EQ(prompt.shown.back(), kNothingPicked);
    QTest::mouseClick(window.Images[2], Qt::LeftButton);
    EXPECT_EQ(window.Edit1->text(), "IJs");
    EXPECT_EQ(window.GroupBox1->title(), "Tekst bij plaatje C  ");
    EXPECT_EQ(window.Panels[2]->palette().color(QPalette::Window), kAqua);
    QTest::keyClicks(window.Edit1, QString(98, 'y'));
    EXPECT_EQ(prompt.shown.back(), kCaptionTooLong);
    EXPECT_EQ(window.Edit1->text().size(), 100);
    prompt.inputs = {"7341PX"};
    QTest::mouseClick(window.koppelbtn, Qt::LeftButton);
    EXPECT_EQ(family.caption('C'), "IJs" + std::string(97, 'y'));

    window.mode1->trigger();
    picker.choices = {"2"};
    window.KiesanderePersoon1->trigger();
    EXPECT_EQ(picker.lastReference(), RecordNo(1));
    EXPECT_EQ(mainCaption, "Takkenbos ***    Selectie = 2 Anna Smit");
    EXPECT_FALSE(window.Images[0]->isVisible() || window.Verwijder1->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace brinox::testing
