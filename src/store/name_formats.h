#pragma once

#include <string>

#include "store/person_table.h"

namespace brinox {

// First names, two blanks, family name; empty for record 0.
std::string PedigreeName(const PersonTable& persons, RecordNo r);

// PedigreeName, four blanks and the birth year in brackets ("(0)" when not
// given); empty for record 0.
std::string NameAndBirthYear(const PersonTable& persons, RecordNo r);

// First names, one blank, family name: how most windows name a person.
std::string displayName(const PersonTable& persons, RecordNo r);

// Day, month and year joined by "-" without leading zeros ("0-0-0" when empty).
std::string dateText(int day, int month, int year);
std::string birthDateText(const PersonTable& persons, RecordNo r);
std::string deathDateText(const PersonTable& persons, RecordNo r);

}  // namespace brinox
