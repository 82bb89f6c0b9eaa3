#include "persons/date_text.h"

#include <utility>

#include "store/number_text.h"

namespace brinox {
namespace {

constexpr int kFirstYear = 1300;
constexpr int kLastYear = 2100;

// The part before the first "-" and the part after it; empty without a "-".
std::optional<std::pair<std::string_view, std::string_view>> splitAtDash(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    return std::pair{text.substr(0, dash), text.substr(dash + 1)};
}

}  // namespace

std::optional<DateNumbers> parseDateText(std::string_view text) {
    const auto dayAndRest = splitAtDash(text);
    if (!dayAndRest) return std::nullopt;
    const auto monthAndYear = splitAtDash(dayAndRest->second);
    if (!monthAndYear) return std::nullopt;
    const auto day = parseNumberText(dayAndRest->first);
    const auto month = parseNumberText(monthAndYear->first);
    const auto year = parseNumberText(monthAndYear->second);
    if (!day || !month || !year) return std::nullopt;
    return DateNumbers{*day, *month, *year};
}

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool isValidDate(const DateNumbers& date) {
    const int d = date.day;
    const int m = date.month;
    const int y = date.year;
    if (y > kLastYear || (y >= 1 && y < kFirstYear)) return false;
    if (m > 12 || d > 31) return false;
    if (m == 2 && y != 0) return d <= (isLeapYear(y) ? 29 : 28);
    if (m == 4 || m == 6 || m == 9 || m == 11) return d <= 30;
    return true;
}

}  // namespace brinox
