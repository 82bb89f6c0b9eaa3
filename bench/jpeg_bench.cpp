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
#include "bench_photos.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

using bench::decodeBare;
using bench::median;

void BM_DecodeTwelveMegapixelsAgainstBareLibjpeg(benchmark::State& state) {
    const auto jpeg = bench::photoLikeJpeg(1);
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
