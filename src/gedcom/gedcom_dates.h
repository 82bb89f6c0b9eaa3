#pragma once

// Dates between the person file (day, month and year, each 0 when unknown)
// and GEDCOM ("23 SEP 1896", "SEP 1896", "1896", "ABT 1896", ...).

#include <optional>
#include <string>
#include <string_view>

namespace brinox {

struct DayMonthYear {
    int day = 0, month = 0, year = 0;
    bool known() const { return day != 0 || month != 0 || year != 0; }
    bool operator==(const DayMonthYear&) const = default;
};

// The GEDCOM date of a stored date; empty when no part is known. A date that
// GEDCOM cannot say as such (a day without a month, a day and month without
// a year, numbers out of range) becomes a date phrase "(d-m-y)" holding the
// stored numbers, which readGedcomDate takes back.
std::string gedcomDate(const DayMonthYear& date);

struct ReadDate {
    DayMonthYear date;
    // The file said more or less than the three numbers hold: an
    // approximate or ranged date, a calendar, a phrase, a year beyond the
    // range. What could be held is kept; the rest is unknown.
    bool approximate = false;
};

ReadDate readGedcomDate(std::string_view text);

}  // namespace brinox
