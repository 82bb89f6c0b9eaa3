#pragma once

// The photos are JPEG files that may come from anywhere: damaged, cut off,
// or made to freeze or exhaust whoever decodes them. Decoding is bounded in
// bytes read, pixels, memory and scans, and never ends the program.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "photos/picture.h"
#include "store/file_calls.h"

namespace brinox {

inline constexpr std::size_t kMaxJpegFileBytes = std::size_t{256} << 20;
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1} << 27;

// Decodes `bytes` into `picture`, reusing its buffer: full colour, best
// quality, at full size or reduced by 2, 4 or 8 (`scaleDenominator`) for
// thumbnails. Greyscale, CMYK and YCCK come out as RGB; EXIF orientation is
// ignored. Answers false and leaves `picture` 0 × 0 when the bytes are not a
// picture that can be shown.
bool decodeJpeg(std::span<const std::uint8_t> bytes, Picture& picture, int scaleDenominator = 1);

// The same for a regular file of at most 256 MiB.
bool readJpegFile(const std::filesystem::path& path, Picture& picture, int scaleDenominator = 1,
                  FileCalls& calls = systemFileCalls());

// For a thumbnail of at most `boxWidth` × `boxHeight`: the file decoded at the
// smallest of libjpeg's scales (1/8, 1/4, 1/2, 1) whose picture still covers
// the box, so that a large photo costs little. The picture's stored size is
// the one to compute the thumbnail's size from.
bool readJpegThumbnail(const std::filesystem::path& path, Picture& picture, int boxWidth, int boxHeight,
                       FileCalls& calls = systemFileCalls());

}  // namespace brinox
