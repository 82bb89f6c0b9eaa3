#pragma once

// Putting a person's photos under other letters renames several files and
// rewrites the caption file. A crash, a kill or a full disk at any moment
// must leave every photo there once, with its own caption, all under the
// old letters or all under the new ones. So every photo that moves first
// gets a second name (a hard link, or a flushed copy where the folder has
// no links) and the new caption file is written beside the old one; then a
// journal, written whole, commits the change; then the second names and
// the caption file are moved into place and the journal is removed. Loading
// the family finishes a committed change and clears away the remains of
// one that was not committed.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/family_files.h"
#include "store/file_calls.h"
#include "store/record_no.h"

namespace brinox {

struct PhotoMove {
    std::string from;  // the photo's name in the family folder now
    std::string to;    // the name it gets: the name another moving photo has now
};

struct PhotoRenames {
    RecordNo person;
    std::vector<PhotoMove> moves;
    // What the caption file must hold afterwards; none when it stays as it is.
    std::optional<std::vector<std::uint8_t>> captions;
};

struct RenameFailure {
    int error = 0;               // errno, or EBADMSG for a journal this program did not write
    std::filesystem::path file;  // the file it concerned
    bool committed = false;      // the next load or arrange completes the change
};

// Carries out `renames` as described above, after completing or clearing
// away an earlier one. Answers nothing when every photo and the caption
// file are in place. A failure before the commit changes nothing.
[[nodiscard]] std::optional<RenameFailure> renamePhotos(const FamilyFiles& files, const PhotoRenames& renames,
                                                        FileCalls& calls = systemFileCalls());

// Completes a committed change, or removes the second names and the new
// caption file of one that was not committed. The journal's names are used
// only when each is a photo name of its person ("fam012B.jpg"); a journal
// that is not one this program writes is left, with everything, as it is.
[[nodiscard]] std::optional<RenameFailure> finishInterruptedArrange(const FamilyFiles& files,
                                                                    FileCalls& calls = systemFileCalls());

}  // namespace brinox
