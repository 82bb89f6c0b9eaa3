// A GEDCOM file may come from any program, or from anyone. Whatever it
// holds, reading it ends without harm and gives a family the program can
// hold: at most 600 persons and 400 unions, parents that are persons of the
// family, nobody among his own ancestors. That family, written as GEDCOM
// again, reads back with the same persons and unions.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "gedcom/gedcom_export.h"
#include "gedcom/gedcom_import.h"

namespace {

using namespace brinox;
using fuzzing::require;

const std::filesystem::path kNowhere = "/nonexistent/brinox-fuzz";

void requireSound(const ImportedFamily& family) {
    const PersonTable& persons = family.persons;
    require(persons.count() >= 0 && persons.count() <= PersonTable::kSlots, "at most 600 persons");
    require(family.unions.unionCount() <= UnionTable::kLast, "at most 400 unions");
    for (int r = 1; r <= persons.count(); ++r) {
        for (RecordNo parent : {persons.getFather(RecordNo(r)), persons.getMother(RecordNo(r))}) {
            require(parent.value >= 0 && parent.value <= persons.count(), "a parent is a record of the family");
        }
        // Climbing the fathers, or the mothers, from r reaches the top within count steps.
        for (bool father : {true, false}) {
            RecordNo up(r);
            for (int step = 0; step <= persons.count() && !up.isNone(); ++step) {
                up = father ? persons.getFather(up) : persons.getMother(up);
            }
            require(up.isNone(), "nobody is his own ancestor");
        }
    }
}

std::optional<ImportedFamily> imported(std::span<const std::uint8_t> bytes) {
    auto read = readGedcom(bytes);
    if (!std::holds_alternative<GedcomFile>(read)) return std::nullopt;
    auto family = importGedcom(std::get<GedcomFile>(read), kNowhere);
    if (!std::holds_alternative<ImportedFamily>(family)) return std::nullopt;
    return std::get<ImportedFamily>(std::move(family));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kGedcomFileLimit);
    auto family = imported(file.bytes());
    if (!family) return 0;
    requireSound(*family);

    const int records = family->persons.count(), unions = family->unions.unionCount();
    Session& session = fuzzing::reusedSession();
    session.persons = std::move(family->persons);
    session.unions = family->unions;
    session.dataDirectory = kNowhere;
    session.familyCode = "FUZZ";
    const std::string written = exportGedcom(session, Moment{2026, 12, 7}).text;
    const auto again = imported({reinterpret_cast<const std::uint8_t*>(written.data()), written.size()});
    require(again.has_value(), "what is written reads back");
    require(again->persons.count() == records, "the same number of records");
    require(again->unions.unionCount() == unions, "the same number of unions");
    return 0;
}
