#include "timeline/contemporaries.h"

#include <algorithm>

namespace brinox {
namespace {

std::string yearLineStart(int year) {
    return year % 10 == 0 ? std::to_string(year) + "   " : std::string(5, ' ');
}

}  // namespace

std::vector<std::string> contemporaryLines(const PersonTable& persons, int currentYear) {
    const int lastYear = std::max(kContemporariesLastYear, currentYear);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(lineOfYear(lastYear) + 1, 0)));
    for (int year = kFirstTimelineYear; year <= lastYear; ++year) lines.push_back(yearLineStart(year));
    const int lineCount = static_cast<int>(lines.size());
    for (int r = 1; r <= persons.count(); ++r) {
        const int birth = persons.getBirthYear(RecordNo(r));
        // A birth in 1300 itself has a line, but the window has always left it off.
        if (birth <= kFirstTimelineYear) continue;
        const auto line = lineInList(birth, lineCount);
        if (!line) continue;
        lines[static_cast<std::size_t>(*line)] += "    | " + persons.getFirstNames(RecordNo(r)) + " |";
    }
    return lines;
}

TimelineView openContemporaries(const PersonTable& persons, RecordNo person, int currentYear) {
    TimelineView view;
    const LifeYears life = lifeYearsOf(persons, person);
    view.caption = "Wie leefde in dezelfde periode als " + persons.getFirstNames(person) + " " +
                   persons.getFamilyName(person) + " (" + std::to_string(life.birth) + ") ?";
    view.lines = contemporaryLines(persons, currentYear);
    placeLife(view, life, currentYear, "Geboortejaar onbekend\n\nAangenomen is \n50 jaar voor het overlijden");
    return view;
}

std::vector<std::string> contemporariesClick(const PersonTable& persons, RecordNo person, int line,
                                             RecordNo& lastFound) {
    std::vector<std::string> messages;
    const int year = yearOfLine(line);
    const std::string yearText = std::to_string(year);
    const auto age = ageAtYear(lifeYearsOf(persons, person), year);
    if (age && age->alive) {
        messages.push_back("Jaar " + yearText + ". \n\n" + persons.getFirstNames(person) +
                           (age->estimated ? " werd naar schatting \n" : " werd nu \n") + std::to_string(age->age) +
                           " jaar geleden geboren");
    }
    std::string born = yearText + "\n\nDit is het geboortejaar van:           \n\n";
    bool anyBorn = false;
    for (int r = 1; r <= persons.count(); ++r) {
        const RecordNo record(r);
        if (persons.getBirthYear(record) != year) continue;
        born += toText(persons.getNumber(record)) + "  " + persons.getFirstNames(record) + " " +
                persons.getFamilyName(record) + "\n\n";
        lastFound = record;
        anyBorn = true;
    }
    if (anyBorn) messages.push_back(born);
    return messages;
}

std::string selectLastFoundQuestion(const PersonTable& persons, RecordNo lastFound) {
    return "Laatst gevonden naam was \n" + toText(lastFound) + " " + persons.getFirstNames(lastFound) + " " +
           persons.getFamilyName(lastFound) + "\n\nDeze persoon nu selecteren?";
}

std::string contemporariesNotFound(const std::string& word) { return "Zoekwoord \n" + word + "\nniet gevonden."; }

}  // namespace brinox
