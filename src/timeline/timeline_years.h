#pragma once

// The year arithmetic both timelines share: line i of a timeline stands for
// the year 1300 + i, a life is shaded from its birth to its death, and the
// list opens a few years before the birth.

#include <optional>
#include <string>

#include "store/person_table.h"

namespace brinox {

inline constexpr int kFirstTimelineYear = 1300;

// The year of line `line`, and the line of `year` (negative before 1300).
inline int yearOfLine(int line) { return kFirstTimelineYear + line; }
inline int lineOfYear(int year) { return year - kFirstTimelineYear; }

// An inclusive range of line indexes.
struct LineRange {
    int first = 0;
    int last = 0;
    bool contains(int line) const { return first <= line && line <= last; }
    bool operator==(const LineRange&) const = default;
};

// The years a person's life is taken to cover: an unknown birth year is taken
// as 50 years before a known death, an unknown death year as the current year
// (the person may still live). Both unknown: no life at all.
struct LifeYears {
    int birth = 0;  // 0 when unknown
    int death = 0;  // 0 when unknown
    bool birthEstimated() const { return birth == 0 && death != 0; }
    bool unknown() const { return birth == 0 && death == 0; }
};

LifeYears lifeYearsOf(const PersonTable& persons, RecordNo person);

// The lines shaded grey for `life` in a list of `lineCount` lines, clipped to
// the list; empty when the life is unknown or no line of the list lies in it.
std::optional<LineRange> lifePeriodLines(const LifeYears& life, int currentYear, int lineCount);

// The line of `year` when the list has one.
std::optional<int> lineInList(int year, int lineCount);

// The line a list opens at: five years before the (estimated) birth, clamped
// to the list; empty when the life is unknown and the list does not scroll.
std::optional<int> openingTopLine(const LifeYears& life, int lineCount);

// The activation message for a life whose birth year is unknown, or empty.
// Each timeline words the assumption about the birth year its own way.
std::optional<std::string> lifeUnknownMessage(const LifeYears& life, const std::string& estimatedBirthText);

// What a click on a year says about the person's age then.
struct AgeAtYear {
    int age = 0;
    bool estimated = false;  // the birth year was taken from the death year
    bool alive = false;      // the year lies between the birth and the death
};

// Empty when both years of the life are unknown: there is no age to tell.
std::optional<AgeAtYear> ageAtYear(const LifeYears& life, int year);

}  // namespace brinox
