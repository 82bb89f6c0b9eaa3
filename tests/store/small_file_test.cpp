#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <variant>

#include "store/small_file.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using Outcome = std::variant<std::string, SmallFileRefusal>;

TEST(SmallFile, ReadsOnlyRegularFilesUpToTheLimitAndNeverWaitsOnAPipe) {
    testing::TempDir dir;
    testing::writeBytes(dir / "fits", {'a', 'b', 'c', 'd'});
    testing::writeBytes(dir / "empty", {});
    testing::writeBytes(dir / "huge", {});
    std::filesystem::resize_file(dir / "huge", 1ull << 30);  // sparse: takes no room on the disk
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

    const struct Case {
        std::filesystem::path path;
        Outcome expected;
    } cases[] = {
        {dir / "fits", std::string("abcd")},
        {dir / "empty", std::string()},
        {dir / "huge", SmallFileRefusal::TooLarge},
        {dir / "pipe", SmallFileRefusal::NotRegular},
        {dir.path(), SmallFileRefusal::NotRegular},
        {"/dev/zero", SmallFileRefusal::NotRegular},
        {dir / "missing", SmallFileRefusal::Unreadable},
    };
    for (const Case& c : cases) EXPECT_EQ(readSmallRegularFile(c.path, 4), c.expected) << c.path;
    EXPECT_EQ(readSmallRegularFile(dir / "fits", 3), Outcome(SmallFileRefusal::TooLarge));
}

}  // namespace
}  // namespace brinox
