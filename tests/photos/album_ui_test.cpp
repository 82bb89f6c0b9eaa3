#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "photos/album2dlg.h"
#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/jpeg_maker.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "widgets/picture_view.h"

namespace brinox::testing {
namespace {

class RecordingViewer : public AlbumPhotoViewer {
public:
    void showAlbumPhoto(const std::filesystem::path& file) override { shown.push_back(file); }
    std::vector<std::filesystem::path> shown;
};

TEST(AlbumWindow, PagesChoosesShowsAndSelectsOnGeneratedPhotos) {
    TempDir dir;
    Session family;
    for (const char* name : {"Jan", "Anna", "Piet"}) addPerson(family.persons, {'m', "Smit", name});
    writeFamily(family, dir.path(), "SMIT");
    for (const auto& [file, width, height] : {std::tuple{"SMIT/fam001a.jpg", 640, 480}, {"SMIT/fam001B.jpg", 800, 200},
                                              {"SMIT/fam003a.jpg", 480, 640}, {"blanco.jpg", 115, 77}}) {
        writeBytes(dir / file, makeJpeg(width, height, solid({90, 160, 220})));
    }
    Session session;
    session.dataDirectory = dir.path();
    session.familyCode = "SMIT";
    session.albumPageOffset = 40;  // another family's page: loading starts on the first
    ScriptedPrompt prompt;
    ASSERT_TRUE(LoadFamily(session, prompt));
    RecordingViewer viewer;
    Talbum2dlg window(session, prompt, viewer);

    window.show();
    EXPECT_EQ(window.size(), QSize(640, 530));
    EXPECT_EQ(window.windowTitle(), "Fotoalbum van de familie VAN DORKUM   aantal plaatjes 3");
    EXPECT_EQ(window.Names[1]->text(), "fam001b.jpg");
    EXPECT_EQ(window.Images[1]->size(), QSize(115, 29));
    EXPECT_EQ(window.Images[2]->size(), QSize(58, 77));
    EXPECT_EQ(window.Names[3]->text(), "");
    EXPECT_FALSE(window.Images[3]->picture().empty());
    EXPECT_FALSE(window.terugbtn->isEnabled());
    EXPECT_TRUE(window.verderbtn->isEnabled());

    QTest::keyClick(&window, Qt::Key_PageUp);
    QTest::keyClick(&window, Qt::Key_PageUp);  // the button is disabled, the key still pages: no further
    EXPECT_EQ(session.albumPageOffset, 20);
    EXPECT_EQ(window.Names[0]->text(), "");
    EXPECT_TRUE(window.terugbtn->isEnabled());
    EXPECT_FALSE(window.verderbtn->isEnabled());
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(session.albumPageOffset, 0);

    window.Edit1->setText("3");
    QTest::keyClick(window.Edit1, Qt::Key_Return);
    EXPECT_EQ(session.albumPageOffset, 2);
    EXPECT_EQ(window.Names[0]->text(), "fam003a.jpg");
    EXPECT_TRUE(window.terugbtn->isEnabled());

    QTest::mouseClick(window.Images[1], Qt::RightButton);  // a placeholder
    QTest::mouseClick(window.Images[0], Qt::RightButton);
    EXPECT_EQ(viewer.shown, (std::vector<std::filesystem::path>{dir / "SMIT/fam003a.jpg"}));
    prompt.buttons = {Button::Yes};
    QTest::mouseClick(window.Images[0], Qt::LeftButton);
    EXPECT_EQ(prompt.shown, Texts{"Wilt U nu terug naar de Kwartierstaat\nmet Piet  Smit\ngeselecteerd?"});
    EXPECT_EQ(session.selectedPerson, RecordNo(3));
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());

    window.show();  // opens where it was left
    EXPECT_EQ(window.Names[0]->text(), "fam003a.jpg");
}

}  // namespace
}  // namespace brinox::testing
