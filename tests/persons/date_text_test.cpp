#include <gtest/gtest.h>

#include "persons/date_text.h"
#include "persons/number_text.h"

namespace brinox {
namespace {

TEST(DateText, ReadsDayMonthYearAndIgnoresBlanksAroundTheParts) {
    EXPECT_EQ(parseDateText("13-03-1928"), (DateNumbers{13, 3, 1928}));
    EXPECT_EQ(parseDateText("0-0-0"), (DateNumbers{0, 0, 0}));
    EXPECT_EQ(parseDateText(" 13 - 03 - 1928 "), (DateNumbers{13, 3, 1928}));
    EXPECT_EQ(parseDateText("\t7-\t1-0001\t"), (DateNumbers{7, 1, 1}));
    EXPECT_EQ(parseDateText("0-0-65535"), (DateNumbers{0, 0, 65535}));
}

TEST(DateText, RefusesEveryTextThatIsNoThreeNumbers) {
    for (const char* text : {"", "1928", "13-03", "13-03-", "-03-1928", "13--1928", "a-b-c", "13-03-19a8",
                             "1-2-3-4", "+1-2-1928", "1 3-03-1928", "13-03- ", "13-03-65536",
                             "13-03-4294967309", "13-03-99999999999999999999"}) {
        EXPECT_FALSE(parseDateText(text)) << '"' << text << '"';
    }
}

TEST(DateText, SelectionResultNamesARecordOrNothing) {
    EXPECT_EQ(chosenRecord("12"), RecordNo(12));
    EXPECT_EQ(chosenRecord("0"), RecordNo(0));
    EXPECT_FALSE(chosenRecord(""));
    EXPECT_FALSE(chosenRecord("12a"));
    EXPECT_FALSE(chosenRecord("70000"));
}

TEST(DateCheck, AcceptsRealDatesAndUnknownParts) {
    for (const DateNumbers date : {DateNumbers{13, 3, 1928}, DateNumbers{0, 0, 0}, DateNumbers{29, 2, 1952},
                                   DateNumbers{29, 2, 2000}, DateNumbers{30, 2, 0}, DateNumbers{31, 2, 0},
                                   DateNumbers{28, 2, 1900}, DateNumbers{30, 4, 1950}, DateNumbers{31, 12, 2100},
                                   DateNumbers{1, 1, 1300}, DateNumbers{0, 0, 2100}, DateNumbers{31, 0, 1950},
                                   DateNumbers{0, 2, 1953}}) {
        EXPECT_TRUE(isValidDate(date)) << date.day << '-' << date.month << '-' << date.year;
    }
}

TEST(DateCheck, RefusesImpossibleDaysMonthsAndYearsOutsideTheFamily) {
    for (const DateNumbers date : {DateNumbers{31, 4, 1950}, DateNumbers{31, 6, 1950}, DateNumbers{31, 9, 1950},
                                   DateNumbers{31, 11, 1950}, DateNumbers{29, 2, 1953}, DateNumbers{29, 2, 1900},
                                   DateNumbers{30, 2, 2000}, DateNumbers{32, 2, 0}, DateNumbers{32, 1, 1950},
                                   DateNumbers{1, 13, 1950}, DateNumbers{0, 0, 1}, DateNumbers{0, 0, 1250},
                                   DateNumbers{0, 0, 1299}, DateNumbers{0, 0, 2101}, DateNumbers{0, 0, 65535}}) {
        EXPECT_FALSE(isValidDate(date)) << date.day << '-' << date.month << '-' << date.year;
    }
}

}  // namespace
}  // namespace brinox
