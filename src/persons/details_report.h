#pragma once

#include <string>
#include <vector>

#include "store/clock.h"
#include "store/person_table.h"
#include "store/union_table.h"

namespace brinox {

// An age counted the family way: every month 30 days, the year 365 days.
// Either number may be negative when the dates are in the wrong order.
struct Age {
    int years = 0;
    int months = 0;
};

// A date as the person table keeps it; 0 in a part means not given.
struct DayMonthYear {
    int day = 0, month = 0, year = 0;
};

// Completed years and months between birth and death.
Age ageAtDeath(DayMonthYear birth, DayMonthYear death);

// Completed years and months between birth and today.
Age ageOn(DayMonthYear birth, const Moment& today);

// "69 jaar en 12 maanden".
std::string ageText(Age age);

// The lines of the details report of `person` on the day `today`, top to
// bottom: numbers and names, parents, dates and age, every partner in the
// order of the union table, and the two information lines.
std::vector<std::string> detailsReport(const PersonTable& persons, const UnionTable& unions, RecordNo person,
                                       const Moment& today);

}  // namespace brinox
