#pragma once

// The person file (.da1) and the union file (.hu1) of a family: where they
// are, how they are read from untrusted bytes, and what a save writes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "store/person_record.h"
#include "store/person_table.h"
#include "store/safe_save.h"
#include "store/union_table.h"

namespace brinox {

struct FamilyFiles {
    std::filesystem::path directory;
    std::filesystem::path persons;  // CODE.da1
    std::filesystem::path unions;   // CODE.hu1
    std::filesystem::path marker;   // present only while a save is being committed

    FilePair pair() const { return {persons, unions, marker}; }
};

// The files of `familyCode` (Windows-1252) below the data directory, spelled
// as they exist on disk when their letter case differs.
FamilyFiles familyFiles(const std::filesystem::path& dataDirectory, const std::string& familyCode);

struct ReadError {
    bool opening = false;  // true: the file could not be opened at all
    int error = 0;
};

struct PersonFileContent {
    std::vector<PersonRecord> records;  // at most 600; a partial last record is ignored
    bool overflow = false;              // the file held more than 600 records
};

struct UnionFileContent {
    std::vector<UnionEntry> unions;  // the entries in use, in file order, at most 400
    bool overflow = false;           // the file held more than 400 unions
};

std::variant<PersonFileContent, ReadError> readPersonFile(const std::filesystem::path& path);
std::variant<UnionFileContent, ReadError> readUnionFile(const std::filesystem::path& path);

// Records 1..count, 284 bytes each.
std::vector<std::uint8_t> encodePersonFile(const PersonTable& persons);
// All 401 entries, empty ones included: always 2406 bytes.
std::vector<std::uint8_t> encodeUnionFile(const UnionTable& unions);

}  // namespace brinox
