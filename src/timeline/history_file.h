#pragma once

// The history file "history.doc" in the data folder: plain Windows-1252 text,
// line k for the year 1300 + k. It may be anything a user put there, so it is
// read bounded: a regular file only, a limited number of bytes and lines, and
// no more of a line than the window shows.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "store/file_calls.h"
#include "store/regular_file.h"

namespace brinox {

inline constexpr const char* kHistoryFileName = "history.doc";
inline constexpr std::size_t kHistoryLineWidth = 100;
inline constexpr std::size_t kHistoryMaxLines = 64236;
inline constexpr std::size_t kHistoryMaxBytes = std::size_t{16} << 20;

// The lines of the file's bytes: LF ends a line and the CR of a CRLF is
// dropped; each line is cut to its first 100 bytes; at most 64,236 lines.
std::vector<std::string> historyLines(std::span<const std::uint8_t> bytes);

// The lines of the history file in `dataDirectory` (its name in any case).
std::variant<std::vector<std::string>, ReadError> readHistoryFile(const std::filesystem::path& dataDirectory,
                                                                  FileCalls& calls = systemFileCalls());

}  // namespace brinox
