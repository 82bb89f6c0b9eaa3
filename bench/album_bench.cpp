// Placing a photo album page of twenty 12-megapixel photos (4000 × 3000,
// baseline, quality 90) as the album does it, with two threads and no
// thumbnail kept from before, against reading and decoding the same twenty
// files at full size with libjpeg-turbo called bare on one thread,
// alternating, so that both meet the same machine state. Also: the peak
// memory of each, and paging back to a page already seen.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include <malloc.h>

#include "photos/album_thumbnails.h"
#include "photos/photo_album.h"
#include "bench_photos.h"
#include "support/temp_dir.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

// The twenty photos, written once for the whole run.
const std::vector<std::filesystem::path>& photos() {
    static testing::TempDir dir;
    static const std::vector<std::filesystem::path> files = [] {
        std::vector<std::filesystem::path> written;
        for (int i = 1; i <= kAlbumCells; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "fam%03dA.jpg", i);
            written.push_back(dir / name);
            testing::writeBytes(written.back(), bench::photoLikeJpeg(static_cast<std::uint32_t>(i)));
        }
        return written;
    }();
    return files;
}

// The whole file read, then decoded by libjpeg called bare.
void decodeBare(const std::filesystem::path& file, std::vector<std::uint8_t>& rgb) {
    bench::decodeBare(testing::fileBytes(file), rgb);
}

using bench::median;

double timed(auto&& run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The bytes allocated from malloc in all threads, libjpeg's included.
std::size_t bytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// How far the memory in use rises above where it stood while `run` runs,
// sampled every 0.2 ms: memory the allocator keeps for later does not count,
// so each run is measured alike however many ran before it.
double peakRiseMiB(auto&& run) {
    const std::size_t before = bytesInUse();
    std::size_t peak = before;
    std::atomic<bool> done{false};
    std::thread sampler([&] {
        while (!done) {
            peak = std::max(peak, bytesInUse());
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    run();
    done = true;
    sampler.join();
    return static_cast<double>(peak - before) / (1024.0 * 1024.0);
}

std::size_t readableCount(const std::vector<std::shared_ptr<const Thumbnail>>& page) {
    return static_cast<std::size_t>(
        std::count_if(page.begin(), page.end(), [](const auto& thumbnail) { return !thumbnail->picture.empty(); }));
}

void BM_AlbumPageAgainstTwentyBareFullDecodes(benchmark::State& state) {
    const auto& files = photos();
    ThumbnailCache cache;
    std::vector<std::shared_ptr<const Thumbnail>> page;
    std::vector<std::uint8_t> bare;
    const auto ours = [&] {
        cache.clear();
        page = cache.thumbnails(files, kAlbumThumbnailWidth, kAlbumThumbnailHeight);
    };
    const auto bareAll = [&] {
        for (const auto& file : files) decodeBare(file, bare);
    };
    state.counters["album_peak_MiB"] = peakRiseMiB(ours);
    state.counters["bare_peak_MiB"] = peakRiseMiB(bareAll);
    std::vector<double> oursTimes, bareTimes;
    for (auto _ : state) {
        // Each goes first every other time: neither always meets the other's warm caches.
        const bool oursFirst = oursTimes.size() % 2 == 0;
        const double first = oursFirst ? timed(ours) : timed(bareAll);
        const double second = oursFirst ? timed(bareAll) : timed(ours);
        oursTimes.push_back(oursFirst ? first : second);
        bareTimes.push_back(oursFirst ? second : first);
        benchmark::DoNotOptimize(page.data());
        benchmark::DoNotOptimize(bare.data());
        state.SetIterationTime((first + second) / 1000.0);
    }
    if (readableCount(page) != files.size()) state.SkipWithError("a photo did not decode");
    state.counters["album_ms"] = median(oursTimes);
    state.counters["bare_ms"] = median(bareTimes);
    state.counters["ratio"] = median(oursTimes) / median(bareTimes);
    state.counters["kept_KiB"] = static_cast<double>(cache.bytesHeld()) / 1024.0;
}
BENCHMARK(BM_AlbumPageAgainstTwentyBareFullDecodes)->UseManualTime()->Unit(benchmark::kMillisecond);

// Paging back to a page whose thumbnails are kept: twenty file sizes and times looked up.
void BM_AlbumPageSeenBefore(benchmark::State& state) {
    const auto& files = photos();
    ThumbnailCache cache;
    cache.thumbnails(files, kAlbumThumbnailWidth, kAlbumThumbnailHeight);
    std::vector<std::shared_ptr<const Thumbnail>> page;
    for (auto _ : state) {
        page = cache.thumbnails(files, kAlbumThumbnailWidth, kAlbumThumbnailHeight);
        benchmark::DoNotOptimize(page.data());
    }
    if (readableCount(page) != files.size()) state.SkipWithError("a photo did not decode");
}
BENCHMARK(BM_AlbumPageSeenBefore)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
