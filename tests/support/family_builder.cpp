#include "support/family_builder.h"

#include <stdexcept>

#include "store/config_file.h"
#include "store/family_files.h"
#include "support/temp_dir.h"

namespace brinox::testing {

RecordNo addPerson(PersonTable& persons, const PersonFields& fields) {
    const RecordNo r(persons.count() + 1);
    PersonRecord record;
    record.sex = fields.sex;
    record.familyName = fields.familyName;
    record.firstNames = fields.firstNames;
    record.info1 = fields.info1;
    record.info2 = fields.info2;
    record.birthYear = static_cast<std::uint16_t>(fields.birthYear);
    record.birthMonth = static_cast<std::uint16_t>(fields.birthMonth);
    record.birthDay = static_cast<std::uint16_t>(fields.birthDay);
    record.deathYear = static_cast<std::uint16_t>(fields.deathYear);
    record.deathMonth = static_cast<std::uint16_t>(fields.deathMonth);
    record.deathDay = static_cast<std::uint16_t>(fields.deathDay);
    record.father = static_cast<std::uint16_t>(fields.father);
    record.mother = static_cast<std::uint16_t>(fields.mother);
    record.number = static_cast<std::uint16_t>(r.value);
    persons.putRecord(r, record);
    persons.setCount(r.value);
    return r;
}

int addUnion(UnionTable& unions, RecordNo man, RecordNo woman, bool married) {
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        if (unions[i].man == 0 && unions[i].woman == 0) {
            unions[i] = UnionEntry{static_cast<std::uint16_t>(man.value), static_cast<std::uint16_t>(woman.value),
                                   static_cast<std::uint8_t>(married ? 1 : 0), 0};
            return i;
        }
    }
    throw std::runtime_error("union table full");
}

void writeFamily(const Session& session, const std::filesystem::path& dataDirectory, const std::string& code,
                 int startPerson) {
    const auto files = familyFiles(dataDirectory, code);
    std::filesystem::create_directories(files.directory);
    writeBytes(files.persons, encodePersonFile(session.persons));
    writeBytes(files.unions, encodeUnionFile(session.unions));
    const auto bytes = encodeConfiguration(defaultConfiguration(code, static_cast<std::uint16_t>(startPerson)));
    writeBytes(dataDirectory / "brinox.cfg", {bytes.begin(), bytes.end()});
}

}  // namespace brinox::testing
