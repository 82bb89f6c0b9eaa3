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

#include <jpeglib.h>
#include <malloc.h>

#include "photos/album_thumbnails.h"
#include "photos/photo_album.h"
#include "support/jpeg_maker.h"
#include "support/temp_dir.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

// Smooth gradients with a little noise, as a photo has, different for each
// photo: all-flat blocks would make the entropy decoding unrealistically cheap.
std::vector<std::uint8_t> photo(std::uint32_t seed) {
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

// The twenty photos, written once for the whole run.
const std::vector<std::filesystem::path>& photos() {
    static testing::TempDir dir;
    static const std::vector<std::filesystem::path> files = [] {
        std::vector<std::filesystem::path> written;
        for (int i = 1; i <= kAlbumCells; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "fam%03dA.jpg", i);
            written.push_back(dir / name);
            testing::writeBytes(written.back(), photo(static_cast<std::uint32_t>(i)));
        }
        return written;
    }();
    return files;
}

// libjpeg as its own example uses it: default error handling, one row a call.
void decodeBare(const std::filesystem::path& file, std::vector<std::uint8_t>& rgb) {
    const std::vector<std::uint8_t> jpeg = testing::fileBytes(file);
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
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
