#include "store/family_stamp.h"

#include <functional>
#include <string_view>

namespace brinox {

// Stamps are only compared within one run, so the library's fast hash of
// the bytes will do: a change anywhere in a file changes it.
FileStamp stampOf(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return {true, bytes.size(), std::hash<std::string_view>{}(text)};
}

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
