#include "timeline/world_history.h"

namespace brinox {

std::string worldHistoryCaption(const PersonTable& persons, RecordNo person) {
    return "Levensperiode van " + persons.getFirstNames(person) + " " + persons.getFamilyName(person) + " (" +
           std::to_string(persons.getBirthYear(person)) + ") geplaatst binnen de historie";
}

TimelineView openWorldHistory(const PersonTable& persons, RecordNo person, int currentYear,
                              std::vector<std::string> lines) {
    TimelineView view;
    view.caption = worldHistoryCaption(persons, person);
    view.lines = std::move(lines);
    placeLife(view, lifeYearsOf(persons, person), currentYear,
              "Geboortejaar onbekend\n\nAangenomen is 50 jaar\nvoor het overlijden");
    return view;
}

std::optional<std::string> worldHistoryClick(const PersonTable& persons, RecordNo person, int line) {
    const int year = yearOfLine(line);
    const auto age = ageAtYear(lifeYearsOf(persons, person), year);
    if (!age) return std::nullopt;
    const std::string yearText = std::to_string(year);
    const std::string name = persons.getFirstNames(person) + " " + persons.getFamilyName(person);
    if (age->age == 0) {
        return "Jaar " + yearText + "\n\n" +
               (age->estimated ? "is het geschatte geboortejaar van\n" : " is het geboortejaar van \n") + name;
    }
    if (!age->alive) return std::nullopt;
    const std::string years = std::to_string(age->age) + " jaar oud";
    if (age->estimated) return "Jaar " + yearText + ".\n\n" + name + "\nis naar schatting " + years;
    return "Jaar " + yearText + ". \n\n" + name + "\nis nu " + years;
}

std::string worldHistoryNotFound(const std::string& word) { return "Zoekwoord \n" + word + "\nniet gevonden"; }

}  // namespace brinox
