#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "persons/date_text.h"
#include "store/number_text.h"

namespace brinox {
namespace {

TEST(DateText, ReadsThreeNumbersWithBlanksAndRefusesEverythingElse) {
    const std::pair<const char*, std::optional<DateNumbers>> cases[] = {
        {"13-03-1928", DateNumbers{13, 3, 1928}}, {"0-0-0", DateNumbers{0, 0, 0}},
        {" 13 - 03 - 1928 ", DateNumbers{13, 3, 1928}}, {"\t7-\t1-0001\t", DateNumbers{7, 1, 1}},
        {"0-0-65535", DateNumbers{0, 0, 65535}}, {"", {}}, {"1928", {}}, {"13-03-", {}}, {"13--1928", {}},
        {"a-b-c", {}}, {"1-2-3-4", {}}, {"+1-2-1928", {}}, {"1 3-03-1928", {}}, {"13-03-65536", {}},
        {"13-03-4294967309", {}}, {"13-03-99999999999999999999", {}}};
    for (const auto& [text, date] : cases) EXPECT_EQ(parseDateText(text), date) << '"' << text << '"';
    // A chosen record number above 65535 must not wrap round to a person.
    EXPECT_EQ(chosenRecord("12"), RecordNo(12));
    for (const char* text : {"", "12a", "70000"}) EXPECT_FALSE(chosenRecord(text)) << text;
}

TEST(DateCheck, AcceptsRealDatesAndUnknownPartsOnly) {
    const std::pair<DateNumbers, bool> cases[] = {
        {{13, 3, 1928}, true},  {{0, 0, 0}, true},       {{29, 2, 1952}, true},  {{29, 2, 1953}, false},
        {{29, 2, 1900}, false}, {{29, 2, 2000}, true},   {{29, 2, 0}, true},     {{30, 2, 0}, true},
        {{31, 2, 0}, true},     {{32, 2, 0}, false},     {{30, 2, 2000}, false}, {{30, 4, 1950}, true},
        {{31, 4, 1950}, false}, {{31, 11, 1950}, false}, {{1, 13, 1950}, false}, {{31, 0, 1950}, true},
        {{0, 0, 1250}, false},  {{0, 0, 1299}, false},   {{1, 1, 1300}, true},   {{31, 12, 2100}, true},
        {{0, 0, 2101}, false},  {{0, 0, 1}, false},      {{0, 0, 65535}, false}};
    for (const auto& [date, valid] : cases) {
        EXPECT_EQ(isValidDate(date), valid) << date.day << '-' << date.month << '-' << date.year;
    }
}

}  // namespace
}  // namespace brinox
