// Decoding a 12-megapixel photo (4000 × 3000, baseline, quality 90) through
// decodeJpeg against libjpeg-turbo called bare with the same options,
// alternating, so that both meet the same machine state. What the guards cost
// (error jumps, the scan and pixel limits, the ink rows) shows in the ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "photos/jpeg_decoder.h"
#include "support/jpeg_maker.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

// Smooth gradients with a little noise, as a photo has: all-flat blocks
// would make the entropy decoding, most of the work, unrealistically cheap.
std::vector<std::uint8_t> photo() {
    const auto fill = [](int x, int y) {
        std::uint32_t noise = static_cast<std::uint32_t>(x) * 2654435761u ^ static_cast<std::uint32_t>(y) * 40503u;
        noise = (noise ^ (noise >> 15)) * 2246822519u;
        const int n = static_cast<int>(noise >> 27) - 16;
        const auto channel = [n](int value) { return static_cast<std::uint8_t>(std::clamp(value + n, 0, 255)); };
        return testing::Rgb{channel(x * 255 / 4000), channel(y * 255 / 3000), channel(128 + (x - y) / 40)};
    };
    return testing::makeJpeg(4000, 3000, fill, {.quality = 90});
}

// libjpeg as its own example uses it: default error handling, one row a call.
void decodeBare(const std::vector<std::uint8_t>& jpeg, std::vector<std::uint8_t>& rgb) {
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

double median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

void BM_DecodeTwelveMegapixelsAgainstBareLibjpeg(benchmark::State& state) {
    const auto jpeg = photo();
    Picture picture;
    std::vector<std::uint8_t> bare;
    std::vector<double> oursTimes, bareTimes;
    const auto timed = [](auto&& decode) {
        const auto start = Clock::now();
        decode();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    const auto ours = [&] {
        if (!decodeJpeg(jpeg, picture)) state.SkipWithError("the photo did not decode");
    };
    const auto bareOnce = [&] { decodeBare(jpeg, bare); };
    for (auto _ : state) {
        // Each goes first every other time: neither always meets the other's warm caches.
        const bool oursFirst = oursTimes.size() % 2 == 0;
        const double first = oursFirst ? timed(ours) : timed(bareOnce);
        const double second = oursFirst ? timed(bareOnce) : timed(ours);
        oursTimes.push_back(oursFirst ? first : second);
        bareTimes.push_back(oursFirst ? second : first);
        benchmark::DoNotOptimize(picture.rgb.data());
        benchmark::DoNotOptimize(bare.data());
        state.SetIterationTime((first + second) / 1000.0);
    }
    if (picture.rgb != bare) state.SkipWithError("the two decodes differ");
    state.counters["ours_ms"] = median(oursTimes);
    state.counters["bare_ms"] = median(bareTimes);
    state.counters["ratio"] = median(oursTimes) / median(bareTimes);
}
BENCHMARK(BM_DecodeTwelveMegapixelsAgainstBareLibjpeg)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
