// "brinox.cfg" is read before anything else at start. Whatever it holds, the
// start must go on: a short file counts as unreadable, a family code that is
// not refused names one folder inside the data directory, and any start
// person (0, past the table) gives a pedigree.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "fuzz_support.h"
#include "store/ansi_text.h"
#include "store/config_file.h"
#include "store/family_code.h"
#include "store/family_load.h"

namespace {

using namespace brinox;
using fuzzing::require;

// A family with a person who is their own father and one whose mother lies
// past the table. Drawing a pedigree only moves its selected person.
Session& companionFamily() {
    static Session family = [] {
        PersonFileContent persons;
        for (int r = 1; r <= 3; ++r) {
            PersonRecord record;
            record.sex = r == 2 ? 'v' : 'm';
            record.familyName = "Start";
            record.firstNames = "Persoon " + std::to_string(r);
            record.father = static_cast<std::uint16_t>(r == 1 ? 1 : 3);
            record.mother = static_cast<std::uint16_t>(r == 3 ? 900 : 2);
            record.number = static_cast<std::uint16_t>(r);
            persons.records.push_back(record);
        }
        Session session;
        fillTables(session, persons, UnionFileContent{{{1, 2, 1, 0}}});
        return session;
    }();
    return family;
}

// Whether the family folder of `code` lies directly inside the data
// directory, as the start looks it up: no path, no "." or "..".
bool namesOneFolder(const std::string& code) {
    const std::filesystem::path dataDirectory = "data";
    const auto folder = dataDirectory / ansiToUtf8(code);
    return folder.parent_path() == dataDirectory && folder.filename() != "." && folder.filename() != "..";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = decodeConfiguration(std::span<const std::uint8_t>(data, size));
    require(decoded.has_value() == (size >= kConfigurationSize), "only a whole record decodes");
    if (!decoded) return 0;
    require(decoded->familyCode.size() <= kFamilyCodeCapacity, "a stored code is at most 20 characters");
    require(decodeConfiguration(encodeConfiguration(*decoded)) == decoded,
            "a configuration written reads back the same");

    const std::string code = normalFamilyCode(decoded->familyCode);
    require(familyCodeRefusal(code) || namesOneFolder(code), "a code that is not refused names one folder");

    fuzzing::drawPedigrees(companionFamily(), {decoded->startPerson});
    return 0;
}
