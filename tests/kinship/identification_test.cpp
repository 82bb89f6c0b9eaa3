#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinship/identification.h"
#include "store/attachment_names.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

TEST(Identification, EachActivationShowsTheNextPhotoAndWrapsToTheFirst) {
    struct Case {
        std::string onDisk;  // the person's photo letters
        std::string shown;   // the letter of each activation, '-' when its photo is missing
    };
    const std::vector<Case> cases = {
        {"AB", "ABA"}, {"AC", "AAA"}, {"", "--"}, {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRSTA"}};
    TempDir dir;
    Session session;
    session.dataDirectory = dir.path();
    session.familyCode = "BOS";
    std::filesystem::create_directories(dir / "BOS");
    for (const Case& c : cases) {
        const RecordNo r = addPerson(session.persons, {'m', "Bos", "Jan"});
        for (char letter : c.onDisk) writeBytes(dir / ("BOS/fam" + PersonKey(r) + letter + ".jpg"), {});
        session.relationship.pointedAt = r;
        session.currentPhotoLetter = 'C';  // left by an earlier person: the restart starts at "A"
        session.photoRestart = true;
        std::string shown;
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            const auto activation = identifyPointedAt(session);
            shown += activation->photoExists ? activation->photo.stem().string().back() : '-';
        }
        EXPECT_EQ(shown, c.shown) << c.onDisk;
        EXPECT_FALSE(session.photoRestart);
    }
    session.relationship.pointedAt = RecordNo();
    EXPECT_FALSE(identifyPointedAt(session));
}

TEST(Identification, WidePhotosFillTheWidthAtTheTopLeftAndNarrowOnesKeepTheirPlace) {
    struct Case {
        int width, height;
        PhotoBox from, expected;
    };
    const PhotoBox moved{10, 20, 0, 0};
    const std::vector<Case> cases = {
        {400, 300, kIdentPhotoBox, {4, 4, 193, 145}}, {300, 400, kIdentPhotoBox, {4, 4, 164, 219}},
        {400, 300, moved, {4, 4, 193, 145}},          {300, 400, moved, {10, 20, 164, 219}},
        {193, 219, moved, {4, 4, 193, 219}},          {386, 145, moved, {4, 4, 193, 72}},
        {0, 0, moved, {10, 20, 193, 219}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(identificationPhotoBox(c.width, c.height, c.from), c.expected) << c.width << " x " << c.height;
    }
}

}  // namespace
}  // namespace brinox::testing
