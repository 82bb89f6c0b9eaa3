#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

#include "store/small_file.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

TEST(SmallFile, ReadsOnlyRegularFilesUpToTheLimitAndNeverWaitsOnAPipe) {
    testing::TempDir dir;
    testing::writeBytes(dir / "fits", {'a', 'b', 'c', 'd'});
    testing::writeBytes(dir / "empty", {});
    testing::writeBytes(dir / "five", {'a', 'b', 'c', 'd', 'e'});
    testing::writeBytes(dir / "huge", {});
    std::filesystem::resize_file(dir / "huge", 1ull << 30);  // sparse: takes no room on the disk
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

    const std::pair<std::filesystem::path, std::variant<std::string, SmallFileRefusal>> cases[] = {
        {dir / "fits", std::string("abcd")},
        {dir / "empty", std::string()},
        {dir / "five", SmallFileRefusal::TooLarge},
        {dir / "huge", SmallFileRefusal::TooLarge},
        {dir / "pipe", SmallFileRefusal::NotRegular},
        {dir.path(), SmallFileRefusal::NotRegular},
        {"/dev/zero", SmallFileRefusal::NotRegular},
        {dir / "missing", SmallFileRefusal::Unreadable},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(readSmallRegularFile(path, 4), expected) << path;
}

}  // namespace
}  // namespace brinox
