#pragma once

// The captions of all photos of a family, in one file beside the family
// files: CODE.tx1, a row of 106-byte records without a header. A record holds
// a key (the person's three-digit number and the photo letter, "012B") and a
// text of at most 100 Windows-1252 characters, each with a length byte in
// front; what follows a field's length is not significant. The file may have
// been damaged or written elsewhere: length bytes are clamped to their field,
// and a piece of a record at the end is left alone, until a record is added:
// that one takes its place, so that records stay on their 106-byte grid.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "store/file_calls.h"
#include "store/regular_file.h"
#include "store/session.h"

namespace brinox {

inline constexpr std::size_t kCaptionRecordSize = 106;
inline constexpr std::size_t kCaptionKeyWidth = 4;
inline constexpr std::size_t kCaptionTextWidth = 100;
// More than 600 persons with 20 photos each, twice over: a file larger than
// this is not a caption file.
inline constexpr std::size_t kCaptionFileLimit = std::size_t{16} << 20;

using CaptionRecord = std::array<std::uint8_t, kCaptionRecordSize>;

// The key and the text as stored, each cut to its field.
std::string captionKey(const CaptionRecord& record);
std::string captionText(const CaptionRecord& record);

// A record with `key` and `text` (cut to 100 characters), zeros after them.
CaptionRecord makeCaptionRecord(std::string_view key, std::string_view text);

// The caption records of a family, in file order.
class CaptionFile {
public:
    // The whole records among `bytes`, and what follows them.
    static CaptionFile decode(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> encode() const;

    const std::vector<CaptionRecord>& records() const { return m_records; }

    // The text of the last record whose key is `key` (of four characters);
    // empty when none has it.
    std::optional<std::string> find(std::string_view key) const;

    // Gives every record with `key` the text `text`; when none has the key,
    // adds one at the end, unless `text` is empty and `addEmpty` is false.
    void store(std::string_view key, std::string_view text, bool addEmpty);

private:
    std::vector<CaptionRecord> m_records;
    std::vector<std::uint8_t> m_tail;  // a piece of a record after the last whole one
};

// DataDirectory/CODE/CODE.tx1, spelled as on disk in any letter case.
std::filesystem::path captionFilePath(const Session& session);

// A missing file reads as a file without records.
std::variant<CaptionFile, ReadError> readCaptionFile(const std::filesystem::path& path,
                                                     FileCalls& calls = systemFileCalls());

// The family's captions for a window: a file that cannot be read is
// reported, and no photo has a caption then.
CaptionFile captionsOf(const Session& session, Prompt& prompt);

// Replaces the file whole through a temporary file; answers 0 or errno.
[[nodiscard]] int writeCaptionFile(const std::filesystem::path& path, const CaptionFile& captions,
                                   FileCalls& calls = systemFileCalls());

}  // namespace brinox
