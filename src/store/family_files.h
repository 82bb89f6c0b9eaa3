#pragma once

// The person file (.da1) and the union file (.hu1) of a family: where they
// are, how they are read from untrusted bytes, and what a save writes.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "store/person_record.h"
#include "store/person_table.h"
#include "store/regular_file.h"
#include "store/safe_save.h"
#include "store/union_table.h"

namespace brinox {

struct FamilyFiles {
    std::filesystem::path directory;
    std::filesystem::path persons;  // CODE.da1
    std::filesystem::path unions;   // CODE.hu1
    std::filesystem::path marker;   // present only while a save is being committed
    std::filesystem::path lock;     // held by the program that has the family open
    std::filesystem::path captions;  // CODE.tx1, the photo captions
    std::filesystem::path arrangeJournal;  // present only while photos are being put in another order
};

// The files of `familyCode` (Windows-1252, never empty) below the data
// directory, spelled as they exist on disk when their letter case differs.
FamilyFiles familyFiles(const std::filesystem::path& dataDirectory, const std::string& familyCode);

// The pair a save replaces: the files themselves, or the files their links
// point to, so that a linked family file keeps being the one updated.
FilePair savePair(const FamilyFiles& files);

// The most a person file can hold: 600 records. One whole record more is
// an overflow; a partial record at the end is ignored.
inline constexpr std::size_t kPersonFileLimit = (PersonTable::kSlots + 1) * kPersonRecordSize - 1;
// The most a union file can hold: its 401 entries. One whole entry more is
// an overflow; a partial entry at the end is ignored.
inline constexpr std::size_t kUnionFileLimit = (UnionTable::kEntries + 1) * kUnionEntrySize - 1;

struct PersonFileContent {
    std::vector<PersonRecord> records;  // at most 600; a partial last record is ignored
    bool overflow = false;              // the file held more than 600 records
};

struct UnionFileContent {
    std::vector<UnionEntry> unions;  // the entries in use, in file order, at most 400
    bool overflow = false;           // more than 400 unions, or more than 401 entries
};

// The current content of `target`, one file of `pair`: the committed new
// version while a save is being put in place, else the file itself.
std::variant<FileBytes, ReadError> readCurrent(const FilePair& pair, const std::filesystem::path& target,
                                               std::size_t limit, FileCalls& calls);

PersonFileContent decodePersonFile(std::span<const std::uint8_t> bytes);
UnionFileContent decodeUnionFile(std::span<const std::uint8_t> bytes);

// Records 1..count, 284 bytes each.
std::vector<std::uint8_t> encodePersonFile(const PersonTable& persons);
// All 401 entries, empty ones included: always 2406 bytes.
std::vector<std::uint8_t> encodeUnionFile(const UnionTable& unions);

}  // namespace brinox
