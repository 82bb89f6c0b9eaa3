#pragma once

namespace brinox {

// Today's date and the time of day, as the windows and reports use them.
struct Moment {
    int year = 0, month = 0, day = 0;
    int dayOfWeek = 1;  // 1 = Sunday .. 7 = Saturday
    int hours = 0, minutes = 0;
};

Moment currentMoment();

// 1 = Sunday .. 7 = Saturday; 0 when the date does not exist.
int dayOfWeekOf(int year, int month, int day);

}  // namespace brinox
