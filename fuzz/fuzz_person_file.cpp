// Person files travel between machines and program versions and may be cut
// short or damaged: any bytes must decode without harm, the persons read must
// save back as they were read, and every pedigree drawn from them must be
// whole, however their parent numbers point (out of range, at themselves).

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

// Unions between the first persons and numbers no person file can hold, so
// that partner labels are drawn for whatever the fuzzed persons are.
const UnionFileContent kCompanionUnions{
    {{1, 2, 1, 0}, {2, 1, 0, 0}, {3, 3, 1, 0}, {65535, 1, 1, 0}, {601, 600, 0, 0}, {1, 600, 1, 0}}};

void checkDecoded(std::span<const std::uint8_t> file, const PersonFileContent& content) {
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

void checkSavesAsRead(const PersonTable& persons, const PersonFileContent& content) {
    const auto encoded = encodePersonFile(persons);
    require(encoded.size() == static_cast<std::size_t>(persons.count()) * kPersonRecordSize,
            "a save writes count records");
    const auto reread = decodePersonFile(encoded);
    require(!reread.overflow && reread.records == content.records, "a saved file reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kPersonFileLimit + 1);
    const auto content = decodePersonFile(file.bytes());
    checkDecoded(file.bytes(), content);

    Session& session = fuzzing::reusedSession();
    fillTables(session, content, kCompanionUnions);
    require(session.persons.count() == static_cast<int>(content.records.size()), "the count is the records read");
    checkSavesAsRead(session.persons, content);

    fuzzing::drawPedigrees(session, fuzzing::peopleToDraw(session.persons));
    return 0;
}
