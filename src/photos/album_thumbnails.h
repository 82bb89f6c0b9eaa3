#pragma once

// The album's small pictures. A page of twenty 12-megapixel photos is a lot
// of decoding: the photos are decoded at the smallest scale that covers a
// cell, by two threads at once, reduced to the size they are shown at, and
// the last pages' pictures are kept, so that paging back costs nothing.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "photos/picture.h"
#include "photos/thumbnail_size.h"
#include "store/file_calls.h"

namespace brinox {

struct Thumbnail {
    // The photo at its shown size or smaller (the cell stretches it);
    // 0 × 0 when the file is not a picture the program can show.
    Picture picture;
    // The photo's stored size fitted to the thumbnail box; 0 × 0 when unreadable.
    ShownSize shown;
};

class ThumbnailCache {
public:
    // Keeps the thumbnails of the last `capacity` photos decoded or asked for.
    explicit ThumbnailCache(std::size_t capacity = 100) : m_capacity(capacity) {}

    // The thumbnails of `files` in a box of `boxWidth` × `boxHeight`, in
    // order; an empty path or an unreadable file gives an empty one. Decodes
    // the files not kept (a file counts as another one once its size or time
    // changed) with up to `workers` threads, and returns when all are done.
    // `calls` is used from those threads at once.
    std::vector<std::shared_ptr<const Thumbnail>> thumbnails(std::span<const std::filesystem::path> files,
                                                             int boxWidth, int boxHeight,
                                                             FileCalls& calls = systemFileCalls(), int workers = 2);

    // The bytes of pixels kept.
    std::size_t bytesHeld() const;
    void clear();

private:
    struct Key {
        std::string path;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type::rep time = 0;
        auto operator<=>(const Key&) const = default;
    };
    using Recent = std::list<std::pair<Key, std::shared_ptr<const Thumbnail>>>;

    // Empty for an empty path or a file whose size or time cannot be had.
    static std::optional<Key> keyOf(const std::filesystem::path& file);
    void keep(const Key& key, std::shared_ptr<const Thumbnail> thumbnail);

    std::size_t m_capacity;
    Recent m_recent;  // most recently used first
    std::map<Key, Recent::iterator> m_index;
};

// The photo in `file` as a thumbnail for a box of `boxWidth` × `boxHeight`.
Thumbnail makeThumbnail(const std::filesystem::path& file, int boxWidth, int boxHeight,
                        FileCalls& calls = systemFileCalls());

}  // namespace brinox
