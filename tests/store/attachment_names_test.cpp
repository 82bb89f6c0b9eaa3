#include <gtest/gtest.h>

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

TEST(AttachmentNames, LookupsAndCountsIgnoreLetterCase) {
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
}

}  // namespace
}  // namespace brinox
