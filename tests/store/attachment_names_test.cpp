#include <gtest/gtest.h>

#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/case_insensitive_files.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

TEST(AttachmentNames, KeysHaveThreeDigits) {
    EXPECT_EQ(PersonKey(RecordNo(7)), "007");
    EXPECT_EQ(PersonKey(RecordNo(10)), "010");
    EXPECT_EQ(PersonKey(RecordNo(600)), "600");
}

TEST(AttachmentNames, LookupsAndCountsIgnoreLetterCaseAccentedLettersToo) {
    testing::TempDir family;
    testing::writeBytes(family / "fam005C.jpg", {1});
    testing::writeBytes(family / "FAM006A.JPG", {1});
    testing::writeBytes(family / "fam012.AFS", {1});
    testing::writeBytes(family / "Fam012B.Doc", {1});
    std::filesystem::create_directory(family / "fam099.afs");  // a folder is no report

    EXPECT_FALSE(attachmentExists(family.path(), RecordNo(5), "A", ".jpg"));
    EXPECT_TRUE(attachmentExists(family.path(), RecordNo(5), "C", ".jpg"));
    EXPECT_TRUE(attachmentExists(family.path(), RecordNo(6), "A", ".jpg"));
    EXPECT_EQ(AttachmentPath(family.path(), RecordNo(6), "A", ".jpg"), family / "FAM006A.JPG");
    EXPECT_EQ(AttachmentPath(family.path(), RecordNo(6), "B", ".jpg"), family / "fam006B.jpg");
    EXPECT_EQ(AttachmentPath(family.path(), RecordNo(12), "", ".AFS"), family / "fam012.AFS");

    EXPECT_EQ(countMatching(family.path(), "fam*.afs"), 1);
    EXPECT_EQ(countMatching(family.path(), "fam*.jpg"), 2);
    EXPECT_EQ(countMatching(family.path(), "fam*.doc"), 1);
    EXPECT_EQ(countMatching(family / "missing", "fam*.jpg"), 0);
    EXPECT_TRUE(matchesPattern("fam???a.jpg", "FAM123A.JPG"));
    EXPECT_FALSE(matchesPattern("fam*.jpg", "fam001A.jpeg"));

    // Names on disk are UTF-8; the family code MÜLLER is Windows-1252.
    std::filesystem::create_directory(family / "m\u00fcller");
    EXPECT_EQ(findIgnoringCase(family.path(), ansiToUtf8("M\xDCLLER")), family / "m\u00fcller");
    EXPECT_TRUE(matchesPattern("\u00e9l\u00e9onore?.jpg", "\u00c9L\u00c9ONORE\u00d8.JPG"));
    EXPECT_FALSE(matchesPattern("\u00e9*", "E.jpg"));
    EXPECT_TRUE(matchesPattern("*.jpg", "\u0141ukasz.JPG")) << "no Windows-1252 byte for \u0141: a..z only";
}

}  // namespace
}  // namespace brinox
