#include "photos/album_thumbnails.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <system_error>
#include <thread>

#include "photos/jpeg_decoder.h"

namespace brinox {
namespace {

// Where each of `count` equal parts of `length` begins, and `length` last.
std::vector<int> bounds(int length, int count) {
    std::vector<int> at(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) at[i] = static_cast<int>(std::int64_t{i} * length / count);
    return at;
}

// Each pixel of the result is the average of the block of `source` it
// covers; `width` and `height` are at most the source's.
Picture reduced(const Picture& source, int width, int height) {
    Picture result{width, height, source.storedWidth, source.storedHeight, {}};
    result.rgb.resize(std::size_t(width) * std::size_t(height) * 3);
    const auto columns = bounds(source.width, width);
    const auto rows = bounds(source.height, height);
    std::vector<std::uint64_t> sums(std::size_t(width) * 3);
    std::uint8_t* out = result.rgb.data();
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int row = rows[y]; row < rows[y + 1]; ++row) {
            const std::uint8_t* in = source.rgb.data() + std::size_t(row) * std::size_t(source.width) * 3;
            for (int x = 0; x < width; ++x) {
                for (int column = columns[x]; column < columns[x + 1]; ++column) {
                    for (int c = 0; c < 3; ++c) sums[std::size_t(x) * 3 + c] += in[std::size_t(column) * 3 + c];
                }
            }
        }
        for (int x = 0; x < width; ++x) {
            const auto area = std::uint64_t(rows[y + 1] - rows[y]) * std::uint64_t(columns[x + 1] - columns[x]);
            for (int c = 0; c < 3; ++c) {
                *out++ = static_cast<std::uint8_t>((sums[std::size_t(x) * 3 + c] + area / 2) / area);
            }
        }
    }
    return result;
}

const std::shared_ptr<const Thumbnail>& noThumbnail() {
    static const auto none = std::make_shared<const Thumbnail>();
    return none;
}

struct Job {
    std::filesystem::path file;
    std::shared_ptr<const Thumbnail> result = noThumbnail();
};

// Runs the jobs on `workers` threads, this one included; returns when all are done.
void runJobs(std::vector<Job>& jobs, int boxWidth, int boxHeight, FileCalls& calls, int workers) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            try {
                jobs[i].result =
                    std::make_shared<const Thumbnail>(makeThumbnail(jobs[i].file, boxWidth, boxHeight, calls));
            } catch (const std::bad_alloc&) {
                // Left empty: a machine short of memory shows no thumbnail.
            }
        }
    };
    std::vector<std::jthread> helpers;
    const int extra = std::min(workers, static_cast<int>(jobs.size())) - 1;
    try {
        for (int i = 0; i < extra; ++i) helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // No thread to be had: this one does the rest.
    }
    work();
}

}  // namespace

Thumbnail makeThumbnail(const std::filesystem::path& file, int boxWidth, int boxHeight, FileCalls& calls) {
    Thumbnail thumbnail;
    Picture decoded;
    if (!readJpegThumbnail(file, decoded, boxWidth, boxHeight, calls)) return thumbnail;
    thumbnail.shown = fitToBox(decoded.storedWidth, decoded.storedHeight, boxWidth, boxHeight);
    const int width = std::clamp(thumbnail.shown.width, 1, decoded.width);
    const int height = std::clamp(thumbnail.shown.height, 1, decoded.height);
    thumbnail.picture =
        width == decoded.width && height == decoded.height ? std::move(decoded) : reduced(decoded, width, height);
    return thumbnail;
}

std::optional<ThumbnailCache::Key> ThumbnailCache::keyOf(const std::filesystem::path& file) {
    if (file.empty()) return std::nullopt;
    std::error_code sizeError, timeError;
    const auto size = std::filesystem::file_size(file, sizeError);
    const auto time = std::filesystem::last_write_time(file, timeError);
    if (sizeError || timeError) return std::nullopt;
    return Key{file.string(), size, time.time_since_epoch().count()};
}

std::vector<std::shared_ptr<const Thumbnail>> ThumbnailCache::thumbnails(std::span<const std::filesystem::path> files,
                                                                         int boxWidth, int boxHeight, FileCalls& calls,
                                                                         int workers) {
    std::vector<std::shared_ptr<const Thumbnail>> result(files.size(), noThumbnail());
    std::vector<Job> jobs;
    std::vector<Key> jobKeys;
    std::vector<std::size_t> jobOf(files.size(), SIZE_MAX);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto key = keyOf(files[i]);
        if (!key) continue;
        if (const auto kept = m_index.find(*key); kept != m_index.end()) {
            m_recent.splice(m_recent.begin(), m_recent, kept->second);
            result[i] = kept->second->second;
            continue;
        }
        // A picture on a page more than once (the placeholder) is decoded once.
        const auto same = std::find(jobKeys.begin(), jobKeys.end(), *key);
        jobOf[i] = static_cast<std::size_t>(same - jobKeys.begin());
        if (same != jobKeys.end()) continue;
        jobKeys.push_back(*key);
        jobs.push_back({files[i]});
    }
    runJobs(jobs, boxWidth, boxHeight, calls, workers);
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        if (!jobs[j].result->picture.empty()) keep(jobKeys[j], jobs[j].result);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (jobOf[i] != SIZE_MAX) result[i] = jobs[jobOf[i]].result;
    }
    return result;
}

void ThumbnailCache::keep(const Key& key, std::shared_ptr<const Thumbnail> thumbnail) {
    m_recent.emplace_front(key, std::move(thumbnail));
    m_index[key] = m_recent.begin();
    while (m_recent.size() > m_capacity) {
        m_index.erase(m_recent.back().first);
        m_recent.pop_back();
    }
}

std::size_t ThumbnailCache::bytesHeld() const {
    std::size_t bytes = 0;
    for (const auto& [key, thumbnail] : m_recent) bytes += thumbnail->picture.rgb.size();
    return bytes;
}

void ThumbnailCache::clear() {
    m_index.clear();
    m_recent.clear();
}

}  // namespace brinox
