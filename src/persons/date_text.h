#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brinox {

// A date as the record keeps it: three separate numbers, 0 = not given.
struct DateNumbers {
    std::uint16_t day = 0;
    std::uint16_t month = 0;
    std::uint16_t year = 0;

    bool operator==(const DateNumbers&) const = default;
};

// Reads "day-month-year": the text is split at its first "-" into the day
// and the rest, and the rest at its first "-" into the month and the year.
// Each part must be a number 0..65535; blanks around a part are ignored, so
// " 13 - 03 - 1928 " reads as 13-3-1928. Empty when a "-" is missing, a part
// is empty or holds anything but digits (so "1-2-3-4" is refused), or a
// number does not fit.
std::optional<DateNumbers> parseDateText(std::string_view text);

// Leap years of the Gregorian calendar.
bool isLeapYear(int year);

// True when the numbers can be a date of the family: 0 means not given and
// always passes; a year must be 0 or 1300..2100; a month at most 12; a day at
// most 31 and no more than its month has. February of year 0 (unknown year)
// accepts up to 31, since the leap year cannot be known.
bool isValidDate(const DateNumbers& date);

}  // namespace brinox
