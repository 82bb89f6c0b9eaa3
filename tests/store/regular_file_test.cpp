#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/regular_file.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

TEST(RegularFile, ReadsOnlyRegularFilesUpToTheLimitAndNeverWaitsOnAPipe) {
    testing::TempDir dir;
    testing::writeBytes(dir / "fits", {'a', 'b', 'c', 'd'});
    testing::writeBytes(dir / "five", {'a', 'b', 'c', 'd', 'e'});
    testing::writeBytes(dir / "huge", {});
    std::filesystem::resize_file(dir / "huge", 1ull << 30);  // sparse: takes no room on the disk
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

    struct Case {
        std::filesystem::path path;
        std::string bytes;
        bool beyondLimit;
    };
    for (const Case& c : {Case{dir / "fits", "abcd", false}, Case{dir / "five", "abcd", true},
                          Case{dir / "huge", std::string(4, '\0'), true}}) {
        const auto read = readRegularFile(c.path, 4);
        ASSERT_TRUE(std::holds_alternative<FileBytes>(read)) << c.path;
        const auto& got = std::get<FileBytes>(read);
        EXPECT_EQ(std::string(got.bytes.begin(), got.bytes.end()), c.bytes) << c.path;
        EXPECT_EQ(got.beyondLimit, c.beyondLimit) << c.path;
    }
    const std::pair<std::filesystem::path, ReadProblem> refused[] = {
        {dir / "pipe", ReadProblem::NotAFile},
        {dir.path(), ReadProblem::NotAFile},
        {"/dev/zero", ReadProblem::NotAFile},
        {dir / "missing", ReadProblem::Missing},
    };
    for (const auto& [path, problem] : refused) {
        const auto read = readRegularFile(path, 4);
        ASSERT_TRUE(std::holds_alternative<ReadError>(read)) << path;
        EXPECT_EQ(std::get<ReadError>(read).problem, problem) << path;
    }
}

}  // namespace
}  // namespace brinox
