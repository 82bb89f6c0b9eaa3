#pragma once

#include <filesystem>
#include <string>

#include "store/session.h"

namespace brinox::testing {

struct PersonFields {
    char sex = 'm';
    std::string familyName;
    std::string firstNames;
    int birthYear = 0, birthMonth = 0, birthDay = 0;
    int father = 0, mother = 0;
    int deathYear = 0, deathMonth = 0, deathDay = 0;
    std::string info1, info2;
};

// Puts a person at record count + 1 and raises count; answers its number.
RecordNo addPerson(PersonTable& persons, const PersonFields& fields);

// Registers a union in the first free entry; answers the entry.
int addUnion(UnionTable& unions, RecordNo man, RecordNo woman, bool married = true);

// Writes the session's tables as the family `code` below `dataDirectory`
// (creating its folder) and writes a brinox.cfg naming it.
void writeFamily(const Session& session, const std::filesystem::path& dataDirectory, const std::string& code,
                 int startPerson = 0);

}  // namespace brinox::testing
