#include "pedigree/main_commands.h"

#include "store/calendar_words.h"

namespace brinox {
namespace {

// A literal plus a temporary string makes GCC 12 warn wrongly (-Wrestrict)
// in optimised builds; a named string does not.
std::string twoDigits(int n) {
    const std::string digits = std::to_string(n);
    return n < 10 ? "0" + digits : digits;
}

std::string todayMessage(const Moment& now) {
    return "Het is vandaag: " + dayName(now.dayOfWeek) + " , " + "\n" + std::to_string(now.day) + " " +
           monthName(now.month) + " " + std::to_string(now.year) + "," + "\n" + "De klok wijst " +
           twoDigits(now.hours) + ":" + twoDigits(now.minutes);
}

std::string dayHeading(const Moment& now) {
    return "Vandaag, \n" + std::to_string(now.day) + " " + monthName(now.month) + "," + "\n";
}

}  // namespace

std::string deleteQuestion(const Session& session, RecordNo n, const std::string& chosen) {
    const auto& persons = session.persons;
    return "Wilt U de persoon \n" + chosen + " " + persons.getFirstNames(n) + " " + persons.getFamilyName(n) +
           "(geb.: " + std::to_string(persons.getBirthYear(n)) + ")" + "\n" + " uit het bestand " +
           session.familyCode + "\n" + "verwijderen?";
}

void deletePerson(Session& session, RecordNo n) {
    auto& persons = session.persons;
    if (n.value < 1 || n.value > persons.count()) return;
    session.unions.removePerson(n);
    for (int i = 1; i <= persons.count(); ++i) {
        const RecordNo r(i);
        if (persons.getFather(r) == n) persons.setFather(r, RecordNo());
        if (persons.getMother(r) == n) persons.setMother(r, RecordNo());
    }
    persons.erase(n);
    if (n.value == persons.count()) persons.setCount(persons.count() - 1);
    session.changed = true;
}

std::optional<RecordNo> newPersonNumber(const PersonTable& persons) { return persons.findFreeSlot(); }

std::vector<std::string> anniversaryMessages(const PersonTable& persons, const Moment& now) {
    std::vector<std::string> messages = {todayMessage(now)};
    if (persons.count() < 1) return messages;
    const std::size_t before = messages.size();
    for (int i = 1; i <= persons.count(); ++i) {
        const RecordNo r(i);
        const std::string name = persons.getFirstNames(r) + " " + persons.getFamilyName(r);
        if (persons.getBirthMonth(r) == now.month && persons.getBirthDay(r) == now.day) {
            messages.push_back(dayHeading(now) + "is het de geboortedag van " + "\n" + name + "  (" +
                               std::to_string(persons.getBirthYear(r)) + ")");
        }
        if (persons.getDeathMonth(r) == now.month && persons.getDeathDay(r) == now.day) {
            messages.push_back(dayHeading(now) + "is het de sterfdag van" + "\n" + name + "\n" + "overleden in " +
                               std::to_string(persons.getDeathYear(r)) + ".");
        }
    }
    if (messages.size() == before) messages.push_back("Voor vandaag is er \ngeen gedenkdag in het bestand");
    return messages;
}

}  // namespace brinox
