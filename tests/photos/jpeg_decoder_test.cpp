#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "photos/jpeg_decoder.h"
#include "support/jpeg_maker.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::string_view_literals;

constexpr Rgb kRed{200, 40, 40};
constexpr Rgb kBlue{30, 60, 200};

// Red on the left half, blue on the right: a wrong channel order, a wrong
// inversion or a shifted row all show in the two samples.
Fill redAndBlue(int width) {
    return [width](int x, int) { return x < width / 2 ? kRed : kBlue; };
}

Rgb pixelAt(const Picture& picture, int x, int y) {
    const auto* p = picture.rgb.data() + (static_cast<std::size_t>(y) * picture.width + x) * 3;
    return {p[0], p[1], p[2]};
}

// JPEG is lossy: a colour comes back within a few steps.
void expectNear(Rgb actual, Rgb expected, const std::string& where) {
    const int off = std::max({std::abs(actual.r - expected.r), std::abs(actual.g - expected.g),
                              std::abs(actual.b - expected.b)});
    EXPECT_LE(off, 12) << where << ": " << int(actual.r) << ',' << int(actual.g) << ',' << int(actual.b);
}

Rgb grey(Rgb c) {
    const auto y = static_cast<std::uint8_t>((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000);
    return {y, y, y};
}

// Where the segment with `code` starts; the file's segments are walked by
// their lengths up to the first scan.
std::size_t segmentAt(const Bytes& jpeg, std::uint8_t code) {
    std::size_t at = 2;
    while (jpeg.at(at + 1) != code) at += 2 + (jpeg.at(at + 2) << 8 | jpeg.at(at + 3));
    return at;
}

TEST(JpegDecoder, EveryKindOfFileComesOutAsRgbInItsColours) {
    const struct {
        const char* kind;
        JpegOptions options;
        bool grey;
    } cases[] = {
        {"baseline", {}, false},
        {"progressive", {.progressive = true}, false},
        {"greyscale", {.greyscale = true}, true},
        {"Adobe CMYK", {.cmykAdobe = true}, false},
    };
    for (const auto& c : cases) {
        Picture picture;
        ASSERT_TRUE(decodeJpeg(makeJpeg(37, 21, redAndBlue(37), c.options), picture)) << c.kind;
        EXPECT_EQ(picture.width, 37) << c.kind;
        EXPECT_EQ(picture.height, 21) << c.kind;
        ASSERT_EQ(picture.rgb.size(), 37u * 21 * 3) << c.kind;
        expectNear(pixelAt(picture, 5, 10), c.grey ? grey(kRed) : kRed, c.kind);
        expectNear(pixelAt(picture, 31, 20), c.grey ? grey(kBlue) : kBlue, c.kind);
    }
}

TEST(JpegDecoder, ScalesDownIntoTheSameBuffer) {
    const Bytes jpeg = makeJpeg(100, 60, redAndBlue(100));
    Picture picture;
    const struct {
        int denominator, width, height;
    } cases[] = {{1, 100, 60}, {2, 50, 30}, {4, 25, 15}, {8, 13, 8}};
    ASSERT_TRUE(decodeJpeg(jpeg, picture));
    const auto* buffer = picture.rgb.data();
    for (const auto& c : cases) {
        ASSERT_TRUE(decodeJpeg(jpeg, picture, c.denominator)) << c.denominator;
        EXPECT_EQ(picture.width, c.width) << c.denominator;
        EXPECT_EQ(picture.height, c.height) << c.denominator;
        EXPECT_EQ(picture.rgb.size(), std::size_t(c.width) * c.height * 3) << c.denominator;
        EXPECT_EQ(picture.rgb.data(), buffer) << c.denominator;
        expectNear(pixelAt(picture, 1, c.height - 1), kRed, std::to_string(c.denominator));
    }
    EXPECT_FALSE(decodeJpeg(jpeg, picture, 3));
}

// A small file whose frame header declares another size.
Bytes declaring(int width, int height) {
    Bytes jpeg = makeJpeg(16, 16, solid(kRed));
    const std::size_t sof = segmentAt(jpeg, 0xC0);
    jpeg[sof + 5] = std::uint8_t(height >> 8), jpeg[sof + 6] = std::uint8_t(height);
    jpeg[sof + 7] = std::uint8_t(width >> 8), jpeg[sof + 8] = std::uint8_t(width);
    return jpeg;
}

// Detailed enough that the half kept holds rows of pixels beyond the tables.
Bytes cutInHalf() {
    const auto detail = [](int x, int y) { return Rgb{std::uint8_t(x * 7), std::uint8_t(y * 5), std::uint8_t(x ^ y)}; };
    Bytes jpeg = makeJpeg(64, 64, detail);
    jpeg.resize(jpeg.size() / 2);
    return jpeg;
}

// The scans of a progressive file over and over: libjpeg warns about each
// repeat and decodes it all the same.
Bytes twentyThousandScans() {
    const Bytes jpeg = makeJpeg(16, 16, redAndBlue(16), {.progressive = true, .greyscale = true});
    const std::size_t scans = segmentAt(jpeg, 0xDA);
    const auto firstScan = jpeg.begin() + static_cast<long>(scans);
    Bytes many(jpeg.begin(), firstScan);
    // libjpeg's progression for greyscale has 6 scans.
    for (int i = 0; i < 20000 / 6 + 1; ++i) many.insert(many.end(), firstScan, jpeg.end() - 2);
    many.insert(many.end(), {0xFF, 0xD9});
    return many;
}

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(JpegDecoder, HostileFilesAreRefusedAndCutOffOnesShown) {
    const struct {
        const char* kind;
        Bytes bytes;
        int side;  // 0: not a picture
    } cases[] = {
        {"65500 x 65500 declared", declaring(65500, 65500), 0},
        {"one row over 2^27 pixels declared", declaring(16384, 8193), 0},
        {"cut in half", cutInHalf(), 64},
        {"20,000 scans", twentyThousandScans(), 0},
        {"empty", {}, 0},
        {"text", text("Dit is geen foto.\r\n"), 0},
        {"PNG", text("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"sv), 0},
    };
    const Bytes good = makeJpeg(40, 40, solid(kBlue));
    for (const auto& c : cases) {
        Picture picture;
        ASSERT_TRUE(decodeJpeg(good, picture));
        const std::size_t capacity = picture.rgb.capacity();
        EXPECT_EQ(decodeJpeg(c.bytes, picture), c.side != 0) << c.kind;
        EXPECT_EQ(picture.width, c.side) << c.kind;
        EXPECT_EQ(picture.height, c.side) << c.kind;
        EXPECT_EQ(picture.rgb.size(), std::size_t(c.side) * c.side * 3) << c.kind;
        EXPECT_GE(picture.rgb.capacity(), capacity) << c.kind;
    }
}

TEST(JpegDecoder, ReadsOnlyRegularFiles) {
    TempDir dir;
    writeBytes(dir / "foto.jpg", makeJpeg(20, 10, solid(kRed)));
    std::filesystem::create_directory(dir / "map.jpg");

    Picture picture;
    EXPECT_TRUE(readJpegFile(dir / "foto.jpg", picture, 2));
    EXPECT_EQ(picture.width, 10);
    for (const char* name : {"map.jpg", "missing.jpg"}) {
        ASSERT_TRUE(readJpegFile(dir / "foto.jpg", picture));
        EXPECT_FALSE(readJpegFile(dir / name, picture)) << name;
        EXPECT_TRUE(picture.empty() && picture.rgb.empty()) << name;
    }
}

}  // namespace
}  // namespace brinox::testing
