// Person files travel between machines and program versions and may be cut
// short or damaged: any bytes must load without harm, the loaded persons must
// save back as they were read, and every pedigree drawn from them must be
// whole, however their parent numbers point (out of range, at themselves).

#include <algorithm>
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

// Unions between the first persons and numbers no person file can hold, so
// that partner labels are drawn for whatever the fuzzed persons are.
std::vector<std::uint8_t> companionUnionFile() {
    UnionTable unions;
    unions[1] = UnionEntry{1, 2, 1, 0};
    unions[2] = UnionEntry{2, 1, 0, 0};
    unions[3] = UnionEntry{3, 3, 1, 0};
    unions[4] = UnionEntry{65535, 1, 1, 0};
    unions[5] = UnionEntry{601, 600, 0, 0};
    unions[6] = UnionEntry{1, 600, 1, 0};
    return encodeUnionFile(unions);
}

const fuzzing::Scratch& scratch() {
    struct WithUnions {
        fuzzing::Scratch scratch;
        WithUnions() { fuzzing::writeFile(scratch.unionFile(), companionUnionFile()); }
    };
    static const WithUnions family;
    return family.scratch;
}

void checkReader(const std::vector<std::uint8_t>& file, const PersonFileContent& content) {
    const std::size_t whole = file.size() / kPersonRecordSize;
    const std::size_t kept = std::min<std::size_t>(whole, PersonTable::kSlots);
    require(content.records.size() == kept, "every whole record up to 600 is read");
    require(content.overflow == (whole > PersonTable::kSlots), "overflow is told exactly when records are left");
    for (std::size_t i = 0; i < kept; ++i) {
        const std::span<const std::uint8_t, kPersonRecordSize> bytes(file.data() + i * kPersonRecordSize,
                                                                      kPersonRecordSize);
        require(content.records[i] == decodePersonRecord(bytes), "records come in file order, unshifted");
    }
}

void checkSavesAsRead(const PersonTable& persons) {
    const auto encoded = encodePersonFile(persons);
    require(encoded.size() == static_cast<std::size_t>(persons.count()) * kPersonRecordSize,
            "a save writes count records");
    for (int r = 1; r <= persons.count(); ++r) {
        const std::span<const std::uint8_t, kPersonRecordSize> bytes(
            encoded.data() + static_cast<std::size_t>(r - 1) * kPersonRecordSize, kPersonRecordSize);
        require(decodePersonRecord(bytes) == persons.record(RecordNo(r)), "a saved record reads back the same");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& files = scratch();
    const auto file = fuzzing::fileFromInput(data, size);
    fuzzing::writeFile(files.personFile(), file);

    const auto content = decodePersonFile(file);
    checkReader(file, content);

    Session session = files.session();
    fuzzing::QuietPrompt prompt;
    require(LoadFamily(session, prompt), "a family with both files loads");
    require(session.persons.count() == static_cast<int>(content.records.size()), "the count is the records read");
    require(session.saveRefusal.empty() != content.overflow, "an overfull file may not be saved over");
    checkSavesAsRead(session.persons);

    fuzzing::drawPedigrees(session, fuzzing::peopleToDraw(session.persons));
    return 0;
}
