#include "store/family_files.h"

#include "store/ansi_text.h"
#include "store/case_insensitive_files.h"

namespace brinox {

FamilyFiles familyFiles(const std::filesystem::path& dataDirectory, const std::string& familyCode) {
    const std::string name = ansiToUtf8(familyCode);
    FamilyFiles files;
    files.directory = resolveIgnoringCase(dataDirectory, name);
    files.persons = resolveIgnoringCase(files.directory, name + ".da1");
    files.unions = resolveIgnoringCase(files.directory, name + ".hu1");
    files.marker = files.directory / (name + ".saving");
    files.lock = resolveIgnoringCase(files.directory, name + ".lck");
    files.captions = resolveIgnoringCase(files.directory, name + ".tx1");
    files.arrangeJournal = files.directory / (name + ".arranging");
    return files;
}

FilePair savePair(const FamilyFiles& files) {
    return {linkTarget(files.persons), linkTarget(files.unions), files.marker};
}

std::variant<FileBytes, ReadError> readCurrent(const FilePair& pair, const std::filesystem::path& target,
                                               std::size_t limit, FileCalls& calls) {
    if (saveIsPending(pair)) {
        auto waiting = readRegularFile(pendingName(target), limit, calls);
        // Gone: it was moved into place meanwhile, or was already.
        const auto* failure = std::get_if<ReadError>(&waiting);
        if (!failure || failure->problem != ReadProblem::Missing) return waiting;
    }
    return readRegularFile(target, limit, calls);
}

PersonFileContent decodePersonFile(std::span<const std::uint8_t> bytes) {
    PersonFileContent content;
    const std::size_t whole = bytes.size() / kPersonRecordSize;
    const std::size_t kept = std::min<std::size_t>(whole, PersonTable::kSlots);
    content.overflow = whole > kept;
    content.records.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        content.records.push_back(decodePersonRecord(
            std::span<const std::uint8_t, kPersonRecordSize>(bytes.data() + i * kPersonRecordSize, kPersonRecordSize)));
    }
    return content;
}

UnionFileContent decodeUnionFile(std::span<const std::uint8_t> bytes) {
    UnionFileContent content;
    const std::size_t whole = bytes.size() / kUnionEntrySize;
    const std::size_t entries = std::min<std::size_t>(whole, UnionTable::kEntries);
    content.overflow = whole > entries;
    for (std::size_t i = 0; i < entries; ++i) {
        const auto entry = decodeUnionEntry(
            std::span<const std::uint8_t, kUnionEntrySize>(bytes.data() + i * kUnionEntrySize, kUnionEntrySize));
        if (!entry.inUse()) continue;
        if (content.unions.size() == UnionTable::kLast) {
            content.overflow = true;
            break;
        }
        content.unions.push_back(entry);
    }
    return content;
}

std::vector<std::uint8_t> encodePersonFile(const PersonTable& persons) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(persons.count()) * kPersonRecordSize);
    for (int r = 1; r <= persons.count(); ++r) {
        encodePersonRecord(persons.record(RecordNo(r)),
                           std::span<std::uint8_t, kPersonRecordSize>(bytes.data() + (r - 1) * kPersonRecordSize,
                                                                      kPersonRecordSize));
    }
    return bytes;
}

std::vector<std::uint8_t> encodeUnionFile(const UnionTable& unions) {
    std::vector<std::uint8_t> bytes(UnionTable::kEntries * kUnionEntrySize);
    for (int i = 0; i < UnionTable::kEntries; ++i) {
        encodeUnionEntry(unions[i],
                         std::span<std::uint8_t, kUnionEntrySize>(bytes.data() + i * kUnionEntrySize, kUnionEntrySize));
    }
    return bytes;
}

}  // namespace brinox
