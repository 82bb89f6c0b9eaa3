#include "store/name_formats.h"

namespace brinox {

std::string PedigreeName(const PersonTable& persons, RecordNo r) {
    if (r.isNone()) return {};
    return persons.getFirstNames(r) + "  " + persons.getFamilyName(r);
}

std::string NameAndBirthYear(const PersonTable& persons, RecordNo r) {
    if (r.isNone()) return {};
    return PedigreeName(persons, r) + "    (" + std::to_string(persons.getBirthYear(r)) + ")";
}

std::string displayName(const PersonTable& persons, RecordNo r) {
    return persons.getFirstNames(r) + " " + persons.getFamilyName(r);
}

std::string dateText(int day, int month, int year) {
    return std::to_string(day) + "-" + std::to_string(month) + "-" + std::to_string(year);
}

std::string birthDateText(const PersonTable& persons, RecordNo r) {
    return dateText(persons.getBirthDay(r), persons.getBirthMonth(r), persons.getBirthYear(r));
}

std::string deathDateText(const PersonTable& persons, RecordNo r) {
    return dateText(persons.getDeathDay(r), persons.getDeathMonth(r), persons.getDeathYear(r));
}

}  // namespace brinox
