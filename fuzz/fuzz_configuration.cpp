// "brinox.cfg" is read before anything else at start. Whatever it holds, the
// start must go on: a short file counts as unreadable, a family code that
// cannot name a folder is not followed out of the data directory, and any
// start person (0, past the table) gives a pedigree.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "store/config_file.h"
#include "store/family_code.h"
#include "store/family_files.h"
#include "store/family_load.h"

namespace {

using namespace brinox;
using fuzzing::require;

// A family for codes that name it, with a person who is their own father.
std::vector<std::uint8_t> companionPersonFile() {
    PersonTable persons;
    for (int r = 1; r <= 3; ++r) {
        PersonRecord record;
        record.sex = r == 2 ? 'v' : 'm';
        record.familyName = "Start";
        record.firstNames = "Persoon " + std::to_string(r);
        record.father = static_cast<std::uint16_t>(r == 1 ? 1 : 3);
        record.mother = static_cast<std::uint16_t>(r == 3 ? 900 : 2);
        record.number = static_cast<std::uint16_t>(r);
        persons.putRecord(RecordNo(r), record);
        persons.setCount(r);
    }
    return encodePersonFile(persons);
}

const fuzzing::Scratch& scratch() {
    struct WithFamily {
        fuzzing::Scratch scratch;
        WithFamily() {
            fuzzing::writeFile(scratch.personFile(), companionPersonFile());
            UnionTable unions;
            unions[1] = UnionEntry{1, 2, 1, 0};
            fuzzing::writeFile(scratch.unionFile(), encodeUnionFile(unions));
        }
    };
    static const WithFamily family;
    return family.scratch;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& files = scratch();
    const std::span<const std::uint8_t> input(data, size);
    fuzzing::writeFile(files.configurationFile(), input);

    const auto decoded = decodeConfiguration(input);
    require(decoded.has_value() == (size >= kConfigurationSize), "only a whole record decodes");
    const auto file = readConfigurationFile(files.configurationFile());
    require(file.exists, "an existing file is found");
    require(file.config == decoded, "the file reads as its first record");
    if (decoded) {
        require(decoded->familyCode.size() <= kFamilyCodeCapacity, "a stored code is at most 20 characters");
        const auto encoded = encodeConfiguration(*decoded);
        require(decodeConfiguration(encoded) == decoded, "a configuration written reads back the same");
    }

    Session session;
    fuzzing::QuietPrompt prompt;
    startSession(session, prompt, files.dataDirectory());
    const std::string code = decoded ? normalFamilyCode(decoded->familyCode) : std::string();
    const bool followed = decoded && !familyCodeRefusal(code);
    require(session.familyCode == (followed ? code : std::string(kDefaultFamilyCode)),
            "the code is taken only when it can name a folder");
    const auto family = familyFiles(session.dataDirectory, session.familyCode);
    require(family.directory.parent_path() == files.dataDirectory(), "the family folder lies in the data directory");
    require(!session.selectedPerson.isNone(), "start person 0 selects record 1");

    std::vector<int> people = {session.selectedPerson.value};
    if (session.persons.count() > 0) {
        const auto more = fuzzing::peopleToDraw(session.persons);
        people.insert(people.end(), more.begin(), more.end());
    }
    fuzzing::drawPedigrees(session, people);
    return 0;
}
