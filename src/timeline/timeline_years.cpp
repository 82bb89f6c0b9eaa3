#include "timeline/timeline_years.h"

#include <algorithm>

namespace brinox {
namespace {

constexpr int kYearsAssumedBeforeDeath = 50;
constexpr int kYearsShownBeforeBirth = 5;

int estimatedBirth(const LifeYears& life) {
    return life.birth != 0 ? life.birth : life.death - kYearsAssumedBeforeDeath;
}

}  // namespace

LifeYears lifeYearsOf(const PersonTable& persons, RecordNo person) {
    return {persons.getBirthYear(person), persons.getDeathYear(person)};
}

std::optional<LineRange> lifePeriodLines(const LifeYears& life, int currentYear, int lineCount) {
    if (life.unknown() || lineCount <= 0) return std::nullopt;
    const int birth = estimatedBirth(life);
    const int death = life.death != 0 ? life.death : currentYear;
    const LineRange clipped{std::max(lineOfYear(birth), 0), std::min(lineOfYear(death), lineCount - 1)};
    if (clipped.first > clipped.last) return std::nullopt;
    return clipped;
}

std::optional<int> lineInList(int year, int lineCount) {
    const int line = lineOfYear(year);
    if (line < 0 || line >= lineCount) return std::nullopt;
    return line;
}

std::optional<int> openingTopLine(const LifeYears& life, int lineCount) {
    if (life.unknown()) return std::nullopt;
    const int top = lineOfYear(estimatedBirth(life) - kYearsShownBeforeBirth);
    return std::clamp(top, 0, std::max(lineCount - 1, 0));
}

std::optional<std::string> lifeUnknownMessage(const LifeYears& life, const std::string& estimatedBirthText) {
    if (life.unknown()) return "Data van de levensperiode zijn onbekend";
    if (life.birthEstimated()) return estimatedBirthText;
    return std::nullopt;
}

std::optional<AgeAtYear> ageAtYear(const LifeYears& life, int year) {
    if (life.unknown()) return std::nullopt;
    const int death = life.death != 0 ? life.death : year;
    const int age = year - estimatedBirth(life);
    return AgeAtYear{age, life.birthEstimated(), age >= 1 && death >= year};
}

}  // namespace brinox
