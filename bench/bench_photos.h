#pragma once

// What the photo benchmarks share: a photo-like 12-megapixel JPEG, libjpeg
// called bare as its own example does, and the median of a run's times.

#include <algorithm>
#include <cstdint>
#include <vector>

#include <jpeglib.h>

#include "support/jpeg_maker.h"

namespace brinox::bench {

// Smooth gradients with a little noise, as a photo has, different for each
// seed: all-flat blocks would make the entropy decoding, most of the work,
// unrealistically cheap.
inline std::vector<std::uint8_t> photoLikeJpeg(std::uint32_t seed) {
    const auto fill = [seed](int x, int y) {
        std::uint32_t noise = static_cast<std::uint32_t>(x) * 2654435761u ^ static_cast<std::uint32_t>(y) * 40503u;
        noise = (noise ^ (noise >> 15) ^ seed) * 2246822519u;
        const int n = static_cast<int>(noise >> 27) - 16;
        const auto channel = [n](int value) { return static_cast<std::uint8_t>(std::clamp(value + n, 0, 255)); };
        return testing::Rgb{channel(x * 255 / 4000), channel(y * 255 / 3000),
                            channel(static_cast<int>(seed * 11 % 128) + (x - y) / 40)};
    };
    return testing::makeJpeg(4000, 3000, fill, {.quality = 90});
}

// Default error handling, best quality, one row a call.
inline void decodeBare(const std::vector<std::uint8_t>& jpeg, std::vector<std::uint8_t>& rgb) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_fancy_upsampling = TRUE;
    jpeg_start_decompress(&cinfo);
    rgb.resize(std::size_t{cinfo.output_width} * cinfo.output_height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = rgb.data() + std::size_t{cinfo.output_scanline} * cinfo.output_width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

inline double median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

}  // namespace brinox::bench
