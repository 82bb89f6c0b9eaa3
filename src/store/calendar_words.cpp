#include "store/calendar_words.h"

#include <array>

namespace brinox {

std::string monthName(int month) {
    static constexpr std::array<const char*, 12> kMonths = {
        "januari", "februari", "maart",     "april",   "mei",      "juni",
        "juli",    "augustus", "september", "october", "november", "december"};
    if (month < 1 || month > 12) return {};
    return kMonths[month - 1];
}

std::string dayName(int dayOfWeek) {
    static constexpr std::array<const char*, 7> kDays = {"zondag",    "maandag", "dinsdag", "woensdag",
                                                         "donderdag", "vrijdag", "zaterdag"};
    if (dayOfWeek < 1 || dayOfWeek > 7) return {};
    return kDays[dayOfWeek - 1];
}

}  // namespace brinox
