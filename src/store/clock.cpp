#include "store/clock.h"

#include <chrono>
#include <ctime>

namespace brinox {

Moment currentMoment() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Moment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday + 1, local.tm_hour,
                  local.tm_min};
}

int dayOfWeekOf(int year, int month, int day) {
    if (month < 1 || day < 1) return 0;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) return 0;
    return static_cast<int>(std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()) + 1;
}

}  // namespace brinox
