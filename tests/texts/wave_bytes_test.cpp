#include "texts/wave_bytes.h"

#include <gtest/gtest.h>

#include "texts/wave_maker.h"

namespace brinox::testing {
namespace {

TEST(WaveBytes, OnlyThePadByteAfterOddSoundDataIsTakenOut) {
    const auto odd = makeWave(8, 7);
    const auto corrected = waveWithoutPadByte(odd);
    ASSERT_TRUE(corrected.has_value());
    EXPECT_EQ(*corrected, std::vector<std::uint8_t>(odd.begin(), odd.end() - 1));

    // A chunk before the sound data is stepped over, pad byte and all.
    auto listed = odd;
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    listed.insert(listed.begin() + 36, list.begin(), list.end());
    listed.push_back('x');  // a chunk after the pad byte stays
    auto expected = listed;
    expected.erase(expected.end() - 2);
    EXPECT_EQ(waveWithoutPadByte(listed), expected);

    const std::vector<std::uint8_t> unpadded(odd.begin(), odd.end() - 1);
    auto huge = odd;
    huge[16] = huge[17] = huge[18] = huge[19] = 0xFF;  // "fmt " runs far past the end
    const std::vector<std::uint8_t> headerOnly(odd.begin(), odd.begin() + 12);
    for (const auto& plain : {makeWave(16, 7), makeWave(8, 8), unpadded, huge, headerOnly,
                              std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}, std::vector<std::uint8_t>{}}) {
        EXPECT_EQ(waveWithoutPadByte(plain), std::nullopt) << plain.size();
    }
}

}  // namespace
}  // namespace brinox::testing
