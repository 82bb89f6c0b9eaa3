#include <gtest/gtest.h>

#include <fstream>

#include "photos/caption_file.h"
#include "photos/jpeg_decoder.h"
#include "photos/photo_placement.h"
#include "photos/photo_views.h"
#include "photos/slide_show.h"
#include "photos/thumbnail_size.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

std::vector<std::uint8_t> recordBytes(std::uint8_t keyLength, const std::string& key, std::uint8_t textLength,
                                      const std::string& text) {
    std::vector<std::uint8_t> bytes(kCaptionRecordSize, 0);
    bytes[0] = keyLength;
    std::copy(key.begin(), key.end(), bytes.begin() + 1);
    bytes[5] = textLength;
    std::copy(text.begin(), text.end(), bytes.begin() + 6);
    return bytes;
}

TEST(CaptionFile, ReadsWholeRecordsClampedAndStoresOnTheGrid) {
    std::vector<std::uint8_t> bytes;
    for (const auto& record : {recordBytes(4, "012A", 5, "Eerst"), recordBytes(9, "012B", 200, std::string(100, 'x')),
                               recordBytes(4, "012A", 6, "Laatst"), recordBytes(4, "012C", 0, "oud")}) {
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    bytes.resize(bytes.size() + 50, 'z');  // a piece of a record at the end
    CaptionFile captions = CaptionFile::decode(bytes);
    ASSERT_EQ(captions.records().size(), 4u);
    EXPECT_EQ(captionKey(captions.records()[1]), "012B");
    EXPECT_EQ(captionText(captions.records()[1]), std::string(100, 'x'));
    EXPECT_EQ(captions.find("012A"), "Laatst");
    EXPECT_EQ(captions.find("012B"), std::nullopt);  // its key length is not 4
    EXPECT_EQ(captions.find("012C"), "");
    EXPECT_EQ(captions.find("012D"), std::nullopt);

    captions.store("012A", "Nieuw", false);
    captions.store("012D", "", false);
    captions.store("012E", "", true);
    captions.store("012F", std::string(120, 'y'), false);
    EXPECT_EQ(captions.records().size(), 6u);
    EXPECT_EQ(captionText(captions.records()[0]), "Nieuw");
    EXPECT_EQ(captions.find("012F"), std::string(100, 'y'));

    TempDir dir;
    const auto file = dir / "SMIT.tx1";
    EXPECT_EQ(std::get<CaptionFile>(readCaptionFile(file)).records().size(), 0u);
    ASSERT_EQ(writeCaptionFile(file, captions), 0);
    EXPECT_EQ(std::filesystem::file_size(file), 6 * kCaptionRecordSize);
    EXPECT_EQ(std::get<CaptionFile>(readCaptionFile(file)).records(), captions.records());
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_TRUE(std::holds_alternative<ReadError>(readCaptionFile(file)));
}

class SlideShowOf12 : public ::testing::Test {
protected:
    SlideShowOf12() {
        for (int r = 1; r <= 12; ++r) addPerson(session.persons, {'m', "Dorkum", "Jan"});
        session.dataDirectory = dir.path();
        session.familyCode = "SMIT";
        session.photoPerson = RecordNo(12);
        std::filesystem::create_directories(dir / "SMIT");
        captions.store("012A", "", true);
        captions.store("012B", "De boerderij", true);
    }
    void addPhotos(const std::string& letters) {
        for (const char letter : letters) std::ofstream(dir / "SMIT" / ("fam012" + std::string(1, letter) + ".jpg"));
    }
    std::string path(char letter) { return (dir / "SMIT" / ("fam012" + std::string(1, letter) + ".jpg")).string(); }

    TempDir dir;
    Session session;
    CaptionFile captions;
};

TEST_F(SlideShowOf12, BrowsesRoundThePhotosAndEachOpeningStartsOneFurther) {
    addPhotos("ABC");
    SlideShow show = openSlideShow(session, captions);
    EXPECT_EQ(show.count, 3);
    EXPECT_TRUE(show.browsable());
    EXPECT_EQ(show.caption, "12A Jan  Dorkum");
    EXPECT_EQ(show.status, "");  // a record with an empty text
    EXPECT_EQ(show.hint.substr(0, 16), "Esc = afsluiten\n");
    EXPECT_EQ(session.currentPhotoLetter, 'B');
    const struct {
        bool next;
        std::string caption, status;
    } steps[] = {{true, "12B Jan  Dorkum", "De boerderij"},
                 {true, "12C Jan  Dorkum", path('C')},
                 {true, "12A Jan  Dorkum", path('A')},  // browsing back shows the path for the empty text
                 {false, "12C Jan  Dorkum", path('C')}};
    for (const auto& step : steps) {
        EXPECT_TRUE(step.next ? showNextSlide(show, session, captions) : showPreviousSlide(show, session, captions));
        EXPECT_EQ(show.caption, step.caption);
        EXPECT_EQ(show.status, step.status);
        EXPECT_EQ(session.currentPhotoFile.string(), step.status == "De boerderij" ? path('B') : step.status);
    }
    EXPECT_EQ(openSlideShow(session, captions).caption, "12B Jan  Dorkum");
    EXPECT_EQ(openSlideShow(session, captions).caption, "12C Jan  Dorkum");
    EXPECT_EQ(session.currentPhotoLetter, 'A');
}

TEST_F(SlideShowOf12, OnePhotoAGapAndNoPhotoChangeNothingWhereThereIsNothing) {
    addPhotos("A");
    SlideShow one = openSlideShow(session, captions);
    EXPECT_FALSE(one.browsable());
    EXPECT_EQ(one.hint, "Esc = afsluiten");
    EXPECT_TRUE(showNextSlide(one, session, captions));
    EXPECT_EQ(one.caption, "12A Jan  Dorkum");

    addPhotos("C");
    session.photoRestart = true;
    SlideShow gap = openSlideShow(session, captions);
    EXPECT_EQ(gap.count, 2);
    EXPECT_FALSE(showNextSlide(gap, session, captions));
    EXPECT_EQ(gap.position, 2);
    EXPECT_EQ(gap.caption, "12A Jan  Dorkum");

    session.photoPerson = RecordNo(3);
    SlideShow none = openSlideShow(session, captions);
    EXPECT_FALSE(showPreviousSlide(none, session, captions));
    EXPECT_FALSE(showNextSlide(none, session, captions));
}

TEST(PhotoPlacement, FramesScrollRangesAndTheLargeView) {
    const SlideWindow screen{1024, 700, 768, 21};
    const int inset = frameInset(5, 10);
    EXPECT_EQ(placeSlideFrame(640, 480, inset, screen), (FrameBox{172, 79, 680, 520}));
    EXPECT_EQ(placeSlideFrame(1280, 960, inset, screen), (FrameBox{20, 20, 1320, 1000}));
    EXPECT_EQ(keepSlideFrameCentred({20, 20, 1320, 1000}, screen), (FrameBox{-148, -168, 1320, 1000}));
    EXPECT_EQ(slideScrollRanges(true, 1280, 960), (ScrollRanges{1424, 1104}));
    EXPECT_EQ(slideScrollRanges(false, 640, 480), (ScrollRanges{10, 10}));
    EXPECT_EQ(largeViewSize(640, 480, 1024, 768), (ClientSize{957, 718}));
    EXPECT_EQ(largeViewSize(1600, 400, 1024, 768), (ClientSize{1004, 251}));
    EXPECT_EQ(largeViewSize(0, 0, 1024, 768), ClientSize{});
    EXPECT_EQ(placeSingleFrame(640, 480, 1024, 700, 1024), (FrameBox{174, 77, 676, 516}));
    EXPECT_EQ(placeSingleFrame(1600, 400, 1024, 700, 1024), (FrameBox{36, 117, 1636, 436}));
}

TEST(ThumbnailSize, FitsTheBoxRoundingHalvesToEvenFromTheStoredSize) {
    const struct {
        int width, height, boxWidth, boxHeight;
        ShownSize shown;
    } cases[] = {
        {640, 480, 115, 77, {103, 77}}, {800, 200, 115, 77, {115, 29}}, {1150, 771, 115, 77, {115, 77}},
        {480, 640, 115, 77, {58, 77}},  {400, 300, 193, 219, {193, 145}}, {300, 400, 193, 219, {164, 219}},
        {0, 0, 115, 77, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(fitToBox(c.width, c.height, c.boxWidth, c.boxHeight), c.shown) << c.width;
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);

    Picture picture;
    ASSERT_TRUE(readJpegThumbnail(std::filesystem::path(BRINOX_DEMO_DIR) / "VDORKUM" / "fam012A.jpg", picture, 115, 77));
    EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(200, 150));
    EXPECT_EQ(std::pair(picture.storedWidth, picture.storedHeight), std::pair(1600, 1200));
}

TEST(SinglePhoto, TakesKeyAndPersonFromTheFileName) {
    PersonTable persons;
    for (int r = 1; r <= 12; ++r) addPerson(persons, {'m', "Dorkum", "Jan"});
    const auto photo = singlePhotoOf("/fam/SMIT/fam012b.jpg");
    EXPECT_EQ(photo.key, "012B");
    EXPECT_EQ(photo.person, RecordNo(12));
    EXPECT_EQ(singlePhotoCaption(persons, photo, 640, 480), "012B Jan  Dorkum        ( 480 x 640 )");
    EXPECT_EQ(singlePhotoOf("famxyzA.jpg").person, RecordNo());
    EXPECT_EQ(singlePhotoOf("a.jpg").key, "A");
    EXPECT_EQ(largeViewCaption(RecordNo(12), 'B', 640, 480), "Fotonummer  fam012B.jpg   ( 480x640 )");
}

}  // namespace
}  // namespace brinox::testing
