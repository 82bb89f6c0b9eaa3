// Union files may hold gaps, partners that are no person, a person joined to
// itself or more unions than the table can take. Whatever they hold must
// fill the table packed from entry 1, save back to the same unions, and draw
// partner labels that lead to the partner they name.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_support.h"
#include "store/family_files.h"
#include "store/family_load.h"

namespace {

using namespace brinox;
using fuzzing::require;

PersonRecord companionPerson(char sex, const char* name, int r, int father, int mother, int number) {
    PersonRecord record;
    record.sex = sex;
    record.familyName = name;
    record.firstNames = "Fuzz";
    record.birthYear = static_cast<std::uint16_t>(1900 + r);
    record.father = static_cast<std::uint16_t>(father);
    record.mother = static_cast<std::uint16_t>(mother);
    record.number = static_cast<std::uint16_t>(number);
    return record;
}

// A small family whose parent numbers loop (a person its own father, two
// persons each other's parent) or point past the table.
const PersonFileContent kCompanionPersons{{
    companionPerson('m', "Eigen [vader]", 1, 1, 2, 1),
    companionPerson('v', "Lus", 2, 3, 1, 2),
    companionPerson('m', "Buiten", 3, 65535, 601, 3),
    companionPerson('v', "Kind", 4, 1, 2, 0),
    companionPerson('-', "", 5, 0, 0, 0),
    companionPerson('x', "Vreemd", 6, 4, 4, 700),
}};

bool sameUnion(const UnionEntry& a, const UnionEntry& b) {
    return a.man == b.man && a.woman == b.woman && a.married == b.married;
}

bool sameUnions(const std::vector<UnionEntry>& a, const std::vector<UnionEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameUnion);
}

// The entries in use among the 401 a file holds, in file order, as the
// bytes themselves say; a whole entry past those is an overflow.
std::vector<UnionEntry> unionsIn(std::span<const std::uint8_t> file, bool& overflow) {
    std::vector<UnionEntry> found;
    overflow = file.size() / kUnionEntrySize > UnionTable::kEntries;
    const std::size_t end = std::min(file.size(), UnionTable::kEntries * kUnionEntrySize);
    for (std::size_t at = 0; at + kUnionEntrySize <= end; at += kUnionEntrySize) {
        const auto entry = decodeUnionEntry(std::span<const std::uint8_t, kUnionEntrySize>(file.data() + at, kUnionEntrySize));
        if (!entry.inUse()) continue;
        if (found.size() == UnionTable::kLast) {
            overflow = true;
            break;
        }
        found.push_back(entry);
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kUnionFileLimit + 1);
    bool overflow = false;
    const auto expected = unionsIn(file.bytes(), overflow);
    const auto content = decodeUnionFile(file.bytes());
    require(content.unions.size() == expected.size(), "every union in use up to 400 is read");
    require(content.overflow == overflow, "overflow is told exactly when unions are left");
    require(sameUnions(content.unions, expected), "unions come in file order");

    Session& session = fuzzing::reusedSession();
    fillTables(session, kCompanionPersons, content);
    require(!session.unions[0].inUse(), "entry 0 stays empty");
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        require(index < expected.size() ? sameUnion(session.unions[i], expected[index]) : !session.unions[i].inUse(),
                "unions are packed from entry 1 without gaps");
    }

    const auto saved = encodeUnionFile(session.unions);
    require(saved.size() == UnionTable::kEntries * kUnionEntrySize, "a saved union file has 401 entries");
    const auto reread = decodeUnionFile(saved);
    require(!reread.overflow && sameUnions(reread.unions, expected), "a save keeps every union loaded, in order");

    std::vector<int> people = fuzzing::peopleToDraw(session.persons);
    for (std::size_t i = 0; i < expected.size() && i < 8; ++i) {
        people.push_back(expected[i].man);
        people.push_back(expected[i].woman);
    }
    fuzzing::drawPedigrees(session, people);
    return 0;
}
