#pragma once

// Copying a file the user chose into the family folder. It may be anything
// (a folder, a pipe, a device) and the disk may fill up halfway, so only
// regular files are copied, every write is checked, and a copy that fails
// leaves nothing behind.

#include <filesystem>
#include <optional>

#include "store/file_calls.h"

namespace brinox {

// Copies the regular file `source` to `target`, a new file (it must not
// exist yet), and flushes it. Answers 0 or errno: EINVAL for a source that is
// no regular file, ENOSPC for a write that stores fewer bytes than asked.
// After a failure the caller removes `target`.
[[nodiscard]] int copyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target,
                                FileCalls& calls = systemFileCalls());

// Copies the regular file `source` to `target` through a temporary file
// beside it, which takes the name `target` only while no file has it
// (EEXIST otherwise). Answers 0 or errno; a failed copy leaves no file.
[[nodiscard]] int copyIntoPlace(const std::filesystem::path& source, const std::filesystem::path& target,
                                FileCalls& calls = systemFileCalls());

// Which part of a copy failed: opening the two files (a source that is no
// regular file included), or copying between them and putting the copy in place.
enum class CopyStep { Open, Copy };

struct CopyFailure {
    CopyStep step;
    int error;  // errno; EINVAL for a source that is no regular file
};

// Replaces `target`, or makes it, with a copy of the regular file `source`,
// written to a temporary file beside it, flushed and renamed over it. After
// a failure `target` is as it was (but for a failed flush of the folder after
// the rename) and no temporary file is left.
[[nodiscard]] std::optional<CopyFailure> copyOver(const std::filesystem::path& source,
                                                  const std::filesystem::path& target,
                                                  FileCalls& calls = systemFileCalls());

// Whether a failed link() means the file system has no hard links at all.
bool linksImpossible(int error);

}  // namespace brinox
