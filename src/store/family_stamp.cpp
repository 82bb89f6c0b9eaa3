#include "store/family_stamp.h"

namespace brinox {
namespace {

// FNV-1a: a change anywhere in a file changes its stamp.
std::uint64_t hashOf(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3ULL;
    return hash;
}

}  // namespace

FileStamp stampOf(std::span<const std::uint8_t> bytes) { return {true, bytes.size(), hashOf(bytes)}; }

std::variant<FamilyStamp, std::pair<ReadError, std::filesystem::path>> stampOnDisk(const FamilyFiles& files,
                                                                                   FileCalls& calls) {
    const FilePair pair = savePair(files);
    FamilyStamp stamp;
    const struct {
        const std::filesystem::path& target;
        std::size_t limit;
        FileStamp& into;
    } parts[] = {{pair.first, kPersonFileLimit, stamp.persons}, {pair.second, kUnionFileLimit, stamp.unions}};
    for (const auto& part : parts) {
        const auto read = readCurrent(pair, part.target, part.limit, calls);
        if (const auto* failure = std::get_if<ReadError>(&read)) {
            if (failure->problem != ReadProblem::Missing) return std::pair{*failure, part.target};
            continue;
        }
        part.into = stampOf(std::get<FileBytes>(read).bytes);
    }
    return stamp;
}

}  // namespace brinox
