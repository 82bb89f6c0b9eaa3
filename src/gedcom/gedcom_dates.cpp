#include "gedcom/gedcom_dates.h"

#include <array>
#include <charconv>
#include <vector>

namespace brinox {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr int kLargestYear = 65535;  // what the person file holds

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

int monthOf(std::string_view word) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (kMonths[i] == word) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find(' ');
        out.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return out;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// "(d-m-y)", as gedcomDate writes what GEDCOM cannot say.
std::optional<DayMonthYear> storedPhrase(std::string_view text) {
    if (text.size() < 7 || text.front() != '(' || text.back() != ')') return std::nullopt;
    text = text.substr(1, text.size() - 2);
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto day = number(text.substr(0, first));
    const auto month = number(text.substr(first + 1, second - first - 1));
    const auto year = number(text.substr(second + 1));
    if (!day || !month || !year || *day > kLargestYear || *month > kLargestYear || *year > kLargestYear) {
        return std::nullopt;
    }
    return DayMonthYear{*day, *month, *year};
}

// "[day] [MON] year" at the start of `parts`; answers how many words it took.
std::size_t simpleDate(const std::vector<std::string_view>& parts, std::size_t from, DayMonthYear& date) {
    std::size_t at = from;
    int day = 0, month = 0;
    if (at + 2 < parts.size() && number(parts[at]) && monthOf(parts[at + 1])) {
        day = *number(parts[at]);
        month = monthOf(parts[at + 1]);
        at += 2;
    } else if (at + 1 < parts.size() && monthOf(parts[at])) {
        month = monthOf(parts[at]);
        at += 1;
    }
    if (at >= parts.size()) return 0;
    const auto year = number(parts[at]);
    if (!year || *year == 0 || *year > kLargestYear || day > 31) return 0;
    date = {day, month, *year};
    return at + 1 - from;
}

}  // namespace

std::string gedcomDate(const DayMonthYear& date) {
    if (!date.known()) return "";
    const bool monthFits = date.month >= 1 && date.month <= 12;
    const bool dayFits = date.day >= 1 && date.day <= 31;
    const bool standard = date.year != 0 && (date.day == 0 || (dayFits && monthFits)) && (date.month == 0 || monthFits) &&
                          !(date.day != 0 && date.month == 0);
    // Built step by step: GCC 12 warns falsely about one long concatenation.
    std::string text;
    if (!standard) {
        text += '(';
        text += std::to_string(date.day);
        text += '-';
        text += std::to_string(date.month);
        text += '-';
        text += std::to_string(date.year);
        text += ')';
        return text;
    }
    if (date.day != 0) {
        text += std::to_string(date.day);
        text += ' ';
    }
    if (date.month != 0) {
        text += kMonths[static_cast<std::size_t>(date.month - 1)];
        text += ' ';
    }
    text += std::to_string(date.year);
    return text;
}

ReadDate readGedcomDate(std::string_view text) {
    if (const auto stored = storedPhrase(text)) return {*stored, false};
    const std::string shouted = upper(text);
    const auto parts = words(shouted);
    if (parts.empty()) return {};
    ReadDate read;
    std::size_t at = 0;
    // Qualifiers and ranges keep the (first) year they name.
    static constexpr std::array<std::string_view, 8> kQualifiers = {"ABT", "CAL", "EST", "BEF", "AFT", "BET", "FROM", "TO"};
    for (auto qualifier : kQualifiers) {
        if (parts[0] == qualifier) {
            read.approximate = true;
            at = 1;
        }
    }
    if (at == 0 && parts[0] == "INT") {
        read.approximate = true;
        at = 1;
    }
    DayMonthYear date;
    const std::size_t used = simpleDate(parts, at, date);
    if (used == 0) {
        read.approximate = true;
        return read;
    }
    if (read.approximate) date.day = date.month = 0;
    read.date = date;
    if (at + used != parts.size() && parts[0] != "INT") read.approximate = true;
    return read;
}

}  // namespace brinox
