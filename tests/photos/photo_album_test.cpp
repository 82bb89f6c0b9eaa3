#include <gtest/gtest.h>

#include <cstdio>

#include "photos/album_thumbnails.h"
#include "photos/photo_album.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/jpeg_maker.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

void writeJpeg(const std::filesystem::path& file, int width, int height) {
    writeBytes(file, makeJpeg(width, height, solid({200, 120, 40})));
}

std::vector<AlbumEntry> emptyPhotos(const TempDir& dir, int count) {
    for (int r = 1; r <= count; ++r) {
        char name[16];
        std::snprintf(name, sizeof name, "fam%03dA.jpg", r);
        writeBytes(dir / name, {});
    }
    return listAlbum(dir.path());
}

TEST(PhotoAlbum, ListsRegularPhotoFilesByShownNameAndLoadsThemByTheirRealNames) {
    TempDir dir;
    writeJpeg(dir / "fam012B.jpg", 640, 480);
    writeBytes(dir / "FAM001a.JPG", {});
    writeBytes(dir / "fam002a_with_a_long_name.jpg", {});
    writeBytes(dir / "other.jpg", {});
    std::filesystem::create_directory(dir / "fam003a.jpg");
    const auto entries = listAlbum(dir.path());
    std::vector<std::pair<std::string, std::string>> listed;
    for (const auto& entry : entries) listed.emplace_back(entry.name, entry.file.filename().string());
    EXPECT_EQ(listed, (decltype(listed){{"fam001a.jpg", "FAM001a.JPG"},
                                        {"fam002a_with_a_long_", "fam002a_with_a_long_name.jpg"},
                                        {"fam012b.jpg", "fam012B.jpg"}}));
    EXPECT_EQ(makeThumbnail(entries.back().file, 115, 77).shown, (ShownSize{103, 77}));

    TempDir many;
    EXPECT_EQ(emptyPhotos(many, 805).back().name, "fam800a.jpg");  // 800 at most
    EXPECT_TRUE(listAlbum(many / "missing").empty());
}

TEST(PhotoAlbum, PagesOf45PhotosStopOnThePageOfPlaceholdersAndNeverGoBelowZero) {
    TempDir dir;
    const auto entries = emptyPhotos(dir, 45);
    struct Case {
        int offset;
        bool forward;
        int expected;
        bool up, down;
    };
    for (const Case& c : {Case{0, true, 20, true, true}, Case{20, true, 40, true, true},
                          Case{40, true, 60, false, true}, Case{60, true, 60, false, true},
                          Case{60, false, 40, true, true}, Case{20, false, 0, true, false},
                          Case{15, false, 0, true, false}, Case{0, false, 0, true, false}}) {
        const int offset = c.forward ? nextPageOffset(c.offset, 45) : previousPageOffset(c.offset);
        EXPECT_EQ(offset, c.expected) << c.offset;
        EXPECT_EQ(pageUpEnabled(offset, 45), c.up) << c.offset;
        EXPECT_EQ(pageDownEnabled(offset), c.down) << c.offset;
    }
    const auto page = albumPage(entries, 40, dir / "blanco.jpg");
    EXPECT_EQ(page[0].entry, 41);
    EXPECT_EQ(page[4].name, "fam045a.jpg");
    EXPECT_EQ(page[5].entry, 0);
    EXPECT_EQ(page[5].name, "");
    EXPECT_EQ(page[19].file, dir / "blanco.jpg");
    EXPECT_EQ(albumCaption(45), "Fotoalbum van de familie VAN DORKUM   aantal plaatjes 45");
}

TEST(PhotoAlbum, ThumbnailsFitTheBoxAndAreKeptUntilTheFileChanges) {
    TempDir dir;
    struct Case {
        int width, height;
        ShownSize shown;
    };
    for (const Case& c : {Case{640, 480, {103, 77}}, Case{800, 200, {115, 29}}, Case{1150, 771, {115, 77}},
                          Case{480, 640, {58, 77}}, Case{40, 30, {103, 77}}}) {
        writeJpeg(dir / "photo.jpg", c.width, c.height);
        const Thumbnail thumbnail = makeThumbnail(dir / "photo.jpg", 115, 77);
        EXPECT_EQ(thumbnail.shown, c.shown) << c.width << " x " << c.height;
        EXPECT_EQ(thumbnail.picture.width, std::min(c.width, c.shown.width));
        EXPECT_NEAR(thumbnail.picture.rgb[0], 200, 3);
    }
    writeBytes(dir / "broken.jpg", {0xFF, 0xD8, 0xFF, 0xC0, 0x00});
    EXPECT_TRUE(makeThumbnail(dir / "broken.jpg", 115, 77).picture.empty());
    EXPECT_EQ(makeThumbnail(dir / "broken.jpg", 115, 77).shown, (ShownSize{}));

    writeJpeg(dir / "a.jpg", 640, 480);
    writeJpeg(dir / "b.jpg", 800, 200);
    ThumbnailCache cache(2);
    const std::vector<std::filesystem::path> files = {dir / "a.jpg", dir / "b.jpg", dir / "a.jpg", {}};
    const auto first = cache.thumbnails(files, 115, 77);
    EXPECT_EQ(first[0], first[2]);  // decoded once
    EXPECT_TRUE(first[3]->picture.empty());
    EXPECT_EQ(cache.bytesHeld(), std::size_t{103 * 77 * 3 + 115 * 29 * 3});
    EXPECT_EQ(cache.thumbnails(files, 115, 77)[1], first[1]);
    writeJpeg(dir / "b.jpg", 480, 640);
    EXPECT_EQ(cache.thumbnails(files, 115, 77)[1]->shown, (ShownSize{58, 77}));
}

TEST(PhotoAlbum, QuickPageChoiceStartsAtTheFirstPhotoOfTheWantedPerson) {
    std::vector<AlbumEntry> entries;
    for (const char* name :
         {"fam001a.jpg", "fam002a.jpg", "fam012a.jpg", "fam012b.jpg", "fam030a.jpg", "famxyza.jpg"}) {
        entries.push_back({name, name});
    }
    struct Case {
        const char* typed;
        std::optional<int> offset;
        std::optional<std::string> edit;
    };
    for (const Case& c : {Case{"12", 2, std::nullopt}, Case{"3", 2, std::nullopt}, Case{"0", 0, "1"},
                          Case{"30", 4, std::nullopt},
                          Case{"70000", 6, "40"}, Case{"99999999999999999999", 6, "40"}, Case{"abc", {}, {}},
                          Case{"", {}, {}}, Case{"1a", {}, {}}, Case{" 5", {}, {}}}) {
        const auto choice = quickPageChoice(c.typed, entries, 40);
        ASSERT_EQ(choice.has_value(), c.offset.has_value()) << c.typed;
        if (!choice) continue;
        EXPECT_EQ(choice->offset, *c.offset) << c.typed;
        EXPECT_EQ(choice->edit, c.edit) << c.typed;
    }
}

TEST(PhotoAlbum, ALeftClickAsksAboutThePhotosPersonOnly) {
    Session session;
    addPerson(session.persons, {'m', "Dorkum", "Jan"});
    addPerson(session.persons, {'v', "Smit", "Anna Maria"});
    session.persons.erase(RecordNo(1));
    struct Case {
        std::string name;
        Button answer;
        int selected;
    };
    for (const Case& c : {Case{"fam002b.jpg", Button::No, 0}, Case{"fam002b.jpg", Button::Yes, 2},
                          Case{"", Button::Yes, 0}, Case{"fam000a.jpg", Button::Yes, 0},
                          Case{"fam001a.jpg", Button::Yes, 0}, Case{"fam003a.jpg", Button::Yes, 0},
                          Case{"famabca.jpg", Button::Yes, 0}}) {
        ScriptedPrompt prompt;
        prompt.buttons = {c.answer};
        session.selectedPerson = RecordNo();
        EXPECT_EQ(selectFromAlbum(session, prompt, AlbumCell{1, c.name, c.name}), c.selected != 0) << c.name;
        EXPECT_EQ(session.selectedPerson, RecordNo(c.selected)) << c.name;
        const Texts question = {"Wilt U nu terug naar de Kwartierstaat\nmet Anna Maria  Smit\ngeselecteerd?"};
        EXPECT_EQ(prompt.shown, c.name == "fam002b.jpg" ? question : Texts{}) << c.name;
    }
}

TEST(PhotoAlbum, PlaceholdersShowBlancoInAnyCaseOrStayEmpty) {
    TempDir dir;
    for (const auto& cell : albumPage({}, 0, placeholderPicture(dir.path()))) {
        EXPECT_TRUE(cell.entry == 0 && cell.name.empty() && cell.file.empty());
    }
    writeBytes(dir / "BLANCO.JPG", {});
    EXPECT_EQ(placeholderPicture(dir.path()), dir / "BLANCO.JPG");
}

TEST(PhotoAlbum, CommandLinePagesChoosesAndSelects) {
    const std::string demo = BRINOX_DEMO_DIR;
    const auto run = runCommandLine({"--data", demo, "album", "--offset", "5", "--keys", "up,down,down,up",
                                     "--goto", "26", "--click", "5"});
    ASSERT_EQ(run.code, 0) << run.err;
    std::string expected =
        "caption\tFotoalbum van de familie VAN DORKUM   aantal plaatjes 30\noffset\t23\npageup\tyes\n"
        "pagedown\tyes\nedit\t26\n"
        "cell\t1\t24\tfam026a.jpg\t103\t77\ncell\t2\t25\tfam028a.jpg\t103\t77\n"
        "cell\t3\t26\tfam031a.jpg\t115\t29\ncell\t4\t27\tfam034a.jpg\t103\t77\n"
        "cell\t5\t28\tfam035a.jpg\t58\t77\ncell\t6\t29\tfam039a.jpg\t103\t77\ncell\t7\t30\tfam040a.jpg\t58\t77\n";
    for (int cell = 8; cell <= 20; ++cell) expected += "cell\t" + std::to_string(cell) + "\t0\t\t\t\n";
    expected += "message\tconfirmation\tWilt U nu terug naar de Kwartierstaat\\nmet Daan  van Dorkum\\ngeselecteerd?\n";
    expected += "selected\t35\n";
    EXPECT_EQ(run.out, expected);
    const auto stay = runCommandLine({"--data", demo, "album", "--offset", "40", "--goto", "abc", "--click", "1"});
    EXPECT_EQ(stay.out.substr(stay.out.find("offset"), 51), "offset\t40\npageup\tno\npagedown\tyes\nedit\tabc\ncell\t1\t0\t");
    EXPECT_EQ(stay.out.find("message"), std::string::npos);
    EXPECT_EQ(runCommandLine({"--data", demo, "album", "--keys", "up,left"}).code, 1);
}

}  // namespace
}  // namespace brinox::testing
