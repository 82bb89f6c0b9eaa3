#include <gtest/gtest.h>

#include "store/config_file.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

TEST(ConfigurationFile, HoldsOneFortyByteRecordAndCutsLongCodes) {
    Configuration c{0x008000, 0x008080, 0x808000, 10, 5, 12, "VDORKUM"};
    const auto bytes = encodeConfiguration(c);
    EXPECT_EQ(bytes[1], 0x80);  // green 0x008000, little-endian
    EXPECT_EQ(bytes[12], 10);
    EXPECT_EQ(bytes[14], 5);
    EXPECT_EQ(bytes[16], 12);
    EXPECT_EQ(bytes[18], 7);
    EXPECT_EQ(bytes[19], 'V');
    EXPECT_EQ(decodeConfiguration(bytes), c);

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
