#pragma once

// Files are never rewritten in place: a crash, a kill or a full disk must
// leave either the old content or the new one, whole.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "store/file_calls.h"

namespace brinox {

// Writes `bytes` to a temporary file beside `target`, flushes it and renames
// it over `target`. Answers 0, or the errno of the first call that failed;
// on failure `target` is untouched and the temporary file removed.
[[nodiscard]] int writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                      FileCalls& calls = systemFileCalls());

// Two files that only make sense together, replaced as one: both new files
// are written and flushed beside the old ones, then a marker file commits the
// save, then both are renamed into place and the marker removed. A save cut
// short before the marker leaves the old pair and answers its failure; once
// the marker is written the save has succeeded, and whatever of the renames
// did not happen the next finishInterruptedSave completes.
struct FilePair {
    std::filesystem::path first;
    std::filesystem::path second;
    std::filesystem::path marker;
};

enum class PairStage { First, Second, Commit };

struct PairSaveFailure {
    PairStage stage;  // which step failed
    int error;        // its errno
};

[[nodiscard]] std::optional<PairSaveFailure> replaceFilePair(const FilePair& files,
                                                             std::span<const std::uint8_t> firstBytes,
                                                             std::span<const std::uint8_t> secondBytes,
                                                             FileCalls& calls = systemFileCalls());

// Completes a committed save or clears away the remains of an uncommitted
// one. Answers 0 or the errno of the call that failed.
[[nodiscard]] int finishInterruptedSave(const FilePair& files, FileCalls& calls = systemFileCalls());

// The name of the temporary file written beside `target`.
std::filesystem::path pendingName(const std::filesystem::path& target);

}  // namespace brinox
