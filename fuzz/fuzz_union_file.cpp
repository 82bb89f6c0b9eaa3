// Union files may hold gaps, partners that are no person, a person joined to
// itself or more unions than the table can take. Whatever they hold must
// load packed from entry 1, save back to the same unions, and draw partner
// labels that lead to the partner they name.

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "fuzz_support.h"
#include "store/family_files.h"
#include "store/family_load.h"

namespace {

using namespace brinox;
using fuzzing::require;

// A small family whose parent numbers loop (a person its own father, two
// persons each other's parent) or point past the table.
std::vector<std::uint8_t> companionPersonFile() {
    PersonTable persons;
    const auto put = [&](int r, char sex, const char* name, int father, int mother, int number) {
        PersonRecord record;
        record.sex = sex;
        record.familyName = name;
        record.firstNames = "Fuzz";
        record.birthYear = static_cast<std::uint16_t>(1900 + r);
        record.father = static_cast<std::uint16_t>(father);
        record.mother = static_cast<std::uint16_t>(mother);
        record.number = static_cast<std::uint16_t>(number);
        persons.putRecord(RecordNo(r), record);
        persons.setCount(r);
    };
    put(1, 'm', "Eigen [vader]", 1, 2, 1);
    put(2, 'v', "Lus", 3, 1, 2);
    put(3, 'm', "Buiten", 65535, 601, 3);
    put(4, 'v', "Kind", 1, 2, 0);
    put(5, '-', "", 0, 0, 0);
    put(6, 'x', "Vreemd", 4, 4, 700);
    return encodePersonFile(persons);
}

const fuzzing::Scratch& scratch() {
    struct WithPersons {
        fuzzing::Scratch scratch;
        WithPersons() { fuzzing::writeFile(scratch.personFile(), companionPersonFile()); }
    };
    static const WithPersons family;
    return family.scratch;
}

bool sameUnion(const UnionEntry& a, const UnionEntry& b) {
    return a.man == b.man && a.woman == b.woman && a.married == b.married;
}

// The entries in use, in file order, as the bytes themselves say.
std::vector<UnionEntry> unionsIn(const std::vector<std::uint8_t>& file, bool& overflow) {
    std::vector<UnionEntry> found;
    overflow = false;
    for (std::size_t at = 0; at + kUnionEntrySize <= file.size(); at += kUnionEntrySize) {
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
    const auto& files = scratch();
    const auto file = fuzzing::fileFromInput(data, size);
    fuzzing::writeFile(files.unionFile(), file);

    bool overflow = false;
    const auto expected = unionsIn(file, overflow);
    const auto content = decodeUnionFile(file);
    require(content.unions.size() == expected.size(), "every union in use up to 400 is read");
    require(content.overflow == overflow, "overflow is told exactly when unions are left");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        require(sameUnion(content.unions[i], expected[i]), "unions come in file order");
    }

    Session session = files.session();
    fuzzing::QuietPrompt prompt;
    require(LoadFamily(session, prompt), "a family with both files loads");
    require(!session.unions[0].inUse(), "entry 0 stays empty");
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        require(index < expected.size() ? sameUnion(session.unions[i], expected[index]) : !session.unions[i].inUse(),
                "unions are packed from entry 1 without gaps");
    }

    const auto saved = encodeUnionFile(session.unions);
    require(saved.size() == UnionTable::kEntries * kUnionEntrySize, "a saved union file has 401 entries");
    bool savedOverflow = false;
    const auto reread = unionsIn(saved, savedOverflow);
    require(reread.size() == expected.size() && !savedOverflow, "a save keeps every union loaded");
    for (std::size_t i = 0; i < expected.size(); ++i) require(sameUnion(reread[i], expected[i]), "a save keeps the order");

    std::vector<int> people = fuzzing::peopleToDraw(session.persons);
    for (std::size_t i = 0; i < expected.size() && i < 8; ++i) {
        people.push_back(expected[i].man);
        people.push_back(expected[i].woman);
    }
    fuzzing::drawPedigrees(session, people);
    return 0;
}
