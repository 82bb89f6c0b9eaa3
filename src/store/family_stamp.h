#pragma once

// What the family files held when the tables were loaded from them or last
// saved to them. A save compares it with the disk, so that changes another
// program made in between are never silently overwritten.

#include <cstdint>
#include <optional>
#include <span>

#include "store/family_files.h"
#include "store/file_calls.h"
#include "store/regular_file.h"

namespace brinox {

struct FileStamp {
    bool present = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    bool operator==(const FileStamp&) const = default;
};

struct FamilyStamp {
    FileStamp persons;
    FileStamp unions;

    bool operator==(const FamilyStamp&) const = default;
};

FileStamp stampOf(std::span<const std::uint8_t> bytes);

// What a save would replace now: the files in place, or the pair an
// interrupted save committed. A file that cannot be read answers its error.
std::variant<FamilyStamp, std::pair<ReadError, std::filesystem::path>> stampOnDisk(const FamilyFiles& files,
                                                                                   FileCalls& calls);

}  // namespace brinox
