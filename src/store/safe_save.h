#pragma once

// Files are never rewritten in place: a crash, a kill or a full disk must
// leave either the old content or the new one, whole.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "store/file_calls.h"

namespace brinox {

// The file at the end of a chain of links (the path itself when it is no
// link); it need not exist. A save writes there, so a link stays a link.
std::filesystem::path linkTarget(std::filesystem::path path);

enum class Blocker {
    None,      // the file may be replaced, or does not exist yet
    ReadOnly,  // it has no write permission for us
    NoAccess,  // a folder with the sticky bit: the file belongs to another account
};

// Whether a save may replace `target` (no link).
Blocker replaceBlocker(const std::filesystem::path& target);

// Writes `bytes` to a temporary file beside the file `target` leads to,
// flushes it and renames it into place, keeping the old file's permissions.
// Answers 0, or the errno of the first call that failed (EACCES for a file
// that may not be replaced); on failure the file is untouched and the
// temporary file removed.
[[nodiscard]] int writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                      FileCalls& calls = systemFileCalls());

// Writes and flushes `pending`, a new file (it must not exist yet) that is
// to replace `target` later, with target's permissions. Answers 0 or errno;
// after a failure the caller removes what was written.
[[nodiscard]] int writePendingFile(const std::filesystem::path& target, const std::filesystem::path& pending,
                                   std::span<const std::uint8_t> bytes, FileCalls& calls = systemFileCalls());

// Two files that only make sense together, replaced as one: both new files
// are written and flushed beside the old ones, then a marker file commits the
// save, then both are renamed into place and the marker removed. The two
// files are no links (see linkTarget).
struct FilePair {
    std::filesystem::path first;
    std::filesystem::path second;
    std::filesystem::path marker;
};

enum class PairStage {
    First,    // writing the first new file
    Second,   // writing the second new file
    Commit,   // finishing an earlier save, or writing the marker
    Install,  // moving the committed pair into place
};

struct PairSaveFailure {
    PairStage stage;
    int error;                   // errno of the call that failed
    std::filesystem::path file;  // the file it concerned
    // The new pair stays committed on disk: the next finishInterruptedSave
    // puts it in place. False when the old pair is whole and current.
    bool committed = false;
};

// Answers nothing when both new files are in place. A failure before the
// commit leaves the old pair. A failure while moving the pair into place
// takes the commit back when nothing was moved yet; otherwise the pair stays
// committed for the next finishInterruptedSave.
[[nodiscard]] std::optional<PairSaveFailure> replaceFilePair(const FilePair& files,
                                                             std::span<const std::uint8_t> firstBytes,
                                                             std::span<const std::uint8_t> secondBytes,
                                                             FileCalls& calls = systemFileCalls());

// Completes a committed save or clears away the remains of an uncommitted
// one. Answers 0 or the errno of the call that failed.
[[nodiscard]] int finishInterruptedSave(const FilePair& files, FileCalls& calls = systemFileCalls());

// Whether a save of `files` was committed and not yet put in place.
bool saveIsPending(const FilePair& files);

// The name of the temporary file written beside `target`.
std::filesystem::path pendingName(const std::filesystem::path& target);

}  // namespace brinox
