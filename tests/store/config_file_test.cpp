#include <gtest/gtest.h>

#include "store/config_file.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

TEST(ConfigurationFile, HoldsOneFortyByteRecordAndCutsLongCodes) {
    // Written by hand, so that two fields swapped in both the reader and the
    // writer cannot go unseen.
    const std::array<std::uint8_t, kConfigurationSize> bytes{
        0x11, 0x12, 0x13, 0x00,  0x21, 0x22, 0x23, 0x00,  0x31, 0x32, 0x33, 0x00,  // three colours
        10,   0,    5,    0,     0x2C, 0x01,                                       // frame, start person 300
        4,    'S',  'M',  'I',   'T'};                                             // the code, the rest 0
    Configuration c{0x131211, 0x232221, 0x333231, 10, 5, 300, "SMIT"};
    EXPECT_EQ(decodeConfiguration(bytes), c);
    EXPECT_EQ(encodeConfiguration(c), bytes);

    c.familyCode = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(decodeConfiguration(encodeConfiguration(c))->familyCode, "ABCDEFGHIJKLMNOPQRST");

    auto damaged = encodeConfiguration(c);
    damaged[18] = 200;
    EXPECT_EQ(decodeConfiguration(damaged)->familyCode.size(), 20u);
    EXPECT_EQ(decodeConfiguration(std::span(damaged).first(39)), std::nullopt);
}

TEST(ConfigurationFile, IsReplacedWholeAndShortFilesReadAsUnreadable) {
    testing::TempDir dir;
    const auto path = dir / "brinox.cfg";
    EXPECT_FALSE(readConfigurationFile(path).exists);

    const Configuration c{1, 2, 3, 4, 5, 6, "SMIT"};
    ASSERT_EQ(writeConfigurationFile(path, c), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 40u);
    EXPECT_EQ(readConfigurationFile(path).config, c);
    EXPECT_FALSE(std::filesystem::exists(dir / "brinox.cfg.new"));

    testing::writeBytes(path, {1, 2, 3});
    const auto shortFile = readConfigurationFile(path);
    EXPECT_TRUE(shortFile.exists);
    EXPECT_EQ(shortFile.config, std::nullopt);
}

}  // namespace
}  // namespace brinox
