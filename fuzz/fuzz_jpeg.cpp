// A photo is any file a family folder holds. Whatever its bytes, decoding
// ends with 0 × 0 or with a whole picture of at most 2^27 pixels, three
// bytes each. At 1/8 the file is decoded first: a few bytes can declare a
// hundred million pixels, and a full-size decode of each such input would
// leave the fuzzer little time for others. Small pictures are decoded at
// full size too, which must give eight times the width and height, give or
// take the rounding up.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "photos/jpeg_decoder.h"

namespace {

using namespace brinox;
using fuzzing::require;

// Full-size decodes are tried up to this many pixels at 1/8: 4 megapixels.
constexpr std::uint64_t kEighthForFullSize = 1 << 16;

std::uint64_t pixels(const Picture& picture) {
    return std::uint64_t(picture.width) * std::uint64_t(picture.height);
}

void requireWholeOrEmpty(bool shown, const Picture& picture) {
    if (!shown) {
        require(picture.width == 0 && picture.height == 0 && picture.rgb.empty(), "a refused file leaves 0 x 0");
        return;
    }
    require(picture.width > 0 && picture.height > 0, "a picture has pixels");
    require(pixels(picture) <= kMaxPicturePixels, "at most 2^27 pixels");
    require(picture.rgb.size() == pixels(picture) * 3, "three bytes a pixel");
}

// Kept between inputs, as the windows keep theirs, so that reuse is tried too.
Picture eighth, full;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const bool eighthShown = decodeJpeg(bytes, eighth, 8);
    requireWholeOrEmpty(eighthShown, eighth);
    if (!eighthShown || pixels(eighth) > kEighthForFullSize) return 0;

    const bool fullShown = decodeJpeg(bytes, full);
    requireWholeOrEmpty(fullShown, full);
    if (fullShown) {
        require((full.width + 7) / 8 == eighth.width && (full.height + 7) / 8 == eighth.height,
                "1/8 is the full size divided by 8, rounded up");
    }
    return 0;
}
