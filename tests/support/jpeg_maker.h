#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace brinox::testing {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// The colour of the pixel at column x, row y.
using Fill = std::function<Rgb(int x, int y)>;

inline Fill solid(Rgb colour) {
    return [colour](int, int) { return colour; };
}

struct JpegOptions {
    bool progressive = false;
    bool greyscale = false;  // one component: the fill's luminance
    bool cmykAdobe = false;  // four inverted inks with an Adobe marker, as Adobe's programs write them
    int quality = 90;
};

// A JPEG file made by libjpeg's compressor, for tests and benchmarks.
std::vector<std::uint8_t> makeJpeg(int width, int height, const Fill& fill, JpegOptions options = {});

}  // namespace brinox::testing
