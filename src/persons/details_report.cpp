#include "persons/details_report.h"

#include "store/name_formats.h"

namespace brinox {
namespace {

// Living persons born this many years ago or longer get no age, only how
// long ago they were born: such an age would mostly mean a missing death date.
constexpr int kLongAgo = 101;

const std::string kSeparator(136, '-');

Age ageBetween(DayMonthYear from, DayMonthYear to) {
    Age age;
    age.years = to.year - from.year;
    if (from.month > to.month) --age.years;
    if (from.month == to.month && to.day < from.day) --age.years;
    int days = (to.month * 30 + to.day) - (from.month * 30 + from.day);
    if (days < 0) days += 365;
    age.months = days / 30;
    return age;
}

DayMonthYear birthOf(const PersonTable& persons, RecordNo r) {
    return {persons.getBirthDay(r), persons.getBirthMonth(r), persons.getBirthYear(r)};
}

DayMonthYear deathOf(const PersonTable& persons, RecordNo r) {
    return {persons.getDeathDay(r), persons.getDeathMonth(r), persons.getDeathYear(r)};
}

std::string parentLine(const PersonTable& persons, const std::string& heading, RecordNo parent) {
    if (parent.isNone()) return heading + "niet in het bestand";
    return heading + toText(parent) + " " + displayName(persons, parent);
}

void addLifeLines(std::vector<std::string>& lines, const PersonTable& persons, RecordNo p, const Moment& today) {
    const bool man = persons.getSex(p) == 'm';
    const DayMonthYear birth = birthOf(persons, p);
    lines.push_back("  Geboortedatum:  " + dateText(birth.day, birth.month, birth.year));
    if (birth.year <= 0) return;
    if (persons.isLiving(p)) {
        const Age age = ageOn(birth, today);
        if (today.year - birth.year < kLongAgo) {
            lines.push_back((man ? "  Hij is nu " : "  Zij is nu ") + ageText(age));
        } else {
            lines.push_back((man ? "  Hij werd " : "  Zij werd ") + std::to_string(age.years) +
                            " jaren geleden geboren");
        }
        return;
    }
    const DayMonthYear death = deathOf(persons, p);
    lines.push_back("  Overleden op :  " + dateText(death.day, death.month, death.year));
    lines.push_back((man ? "  Hij bereikte de leeftijd van " : "  Zij bereikte de leeftijd van ") +
                    ageText(ageAtDeath(birth, death)));
}

void addPartnerLines(std::vector<std::string>& lines, const PersonTable& persons, const UnionTable& unions,
                     RecordNo p) {
    const bool man = persons.getSex(p) == 'm';
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        const UnionEntry& entry = unions[i];
        const int self = man ? entry.man : entry.woman;
        const RecordNo partner(man ? entry.woman : entry.man);
        if (self != p.value || partner.isNone()) continue;
        lines.push_back((entry.married != 0 ? "  Gehuwd met " : "  Vaste relatie met ") + toText(partner) + " " +
                        NameAndBirthYear(persons, partner));
    }
}

}  // namespace

Age ageAtDeath(DayMonthYear birth, DayMonthYear death) { return ageBetween(birth, death); }

Age ageOn(DayMonthYear birth, const Moment& today) {
    return ageBetween(birth, {today.day, today.month, today.year});
}

std::string ageText(Age age) {
    return std::to_string(age.years) + " jaar en " + std::to_string(age.months) + " maanden";
}

std::vector<std::string> detailsReport(const PersonTable& persons, const UnionTable& unions, RecordNo p,
                                       const Moment& today) {
    std::vector<std::string> lines;
    lines.push_back("  Recordnummer : " + toText(p));
    lines.push_back("  Naam         : " + persons.getFamilyName(p));
    lines.push_back("  Voornamen    : " + persons.getFirstNames(p));
    lines.push_back(persons.getSex(p) == 'm' ? "  Geslacht     : man" : "  Geslacht     : vrouw");
    lines.push_back(kSeparator);
    lines.push_back(parentLine(persons, "  Vader        : ", persons.getFather(p)));
    lines.push_back(parentLine(persons, "  Moeder       : ", persons.getMother(p)));
    lines.push_back(kSeparator);
    addLifeLines(lines, persons, p, today);
    addPartnerLines(lines, persons, unions, p);
    lines.push_back(kSeparator);
    lines.push_back("  Aanvullende informatie:");
    lines.push_back("  " + persons.getInfo1(p));
    lines.push_back("  " + persons.getInfo2(p));
    return lines;
}

}  // namespace brinox
